#include "shell/host/ArchivoIni.h"

#include <SimpleIni.h>

#include <fstream>
#include <mutex>
#include <sstream>
#include <system_error>

#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

// The desktop window and a job running beside it may touch the file at once.
std::mutex& CerrojoIni() {
  static std::mutex m;
  return m;
}

bool Carga(const std::filesystem::path& archivo, CSimpleIniA& ini) {
  std::ifstream f(archivo, std::ios::binary);
  if (!f) return false;
  std::ostringstream ss;
  ss << f.rdbuf();
  std::string datos = ss.str();
  if (texto::EmpiezaCon(datos, "\xEF\xBB\xBF")) datos.erase(0, 3);
  datos = texto::AUtf8(datos);
  return ini.LoadData(datos) >= 0;
}

// Section and key names compare without regard to ASCII case, as Windows does.
void Prepara(CSimpleIniA& ini) {
  ini.SetUnicode(true);
  ini.SetMultiKey(false);
  ini.SetSpaces(false);
}

}  // namespace

std::string ArchivoIni::Lee(const std::filesystem::path& archivo, std::string_view seccion,
                            std::string_view clave) {
  std::lock_guard bloqueo(CerrojoIni());
  CSimpleIniA ini;
  Prepara(ini);
  if (!Carga(archivo, ini)) return {};
  const char* v = ini.GetValue(std::string(seccion).c_str(), std::string(clave).c_str(), "");
  return v ? std::string(v) : std::string();
}

void ArchivoIni::Escribe(const std::filesystem::path& archivo, std::string_view seccion,
                         std::string_view clave, std::string_view valor) {
  std::lock_guard bloqueo(CerrojoIni());
  CSimpleIniA ini;
  Prepara(ini);
  Carga(archivo, ini);
  ini.SetValue(std::string(seccion).c_str(), std::string(clave).c_str(),
               std::string(valor).c_str());
  std::string salida;
  ini.Save(salida);
  // Written beside and renamed over, so a reader never sees half a file.
  std::filesystem::path temporal = archivo;
  temporal += ".tmp";
  {
    std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
    f << salida;
    f.flush();
    if (!f)
      throw ErrorTravesa("No se pudo escribir el archivo de configuración «" + archivo.string() +
                         "».");
  }
  std::error_code ec;
  std::filesystem::rename(temporal, archivo, ec);
  if (ec)
    throw ErrorTravesa("No se pudo escribir el archivo de configuración «" + archivo.string() +
                       "»: " + ec.message());
}

}  // namespace travesa
