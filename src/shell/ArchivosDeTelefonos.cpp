#include "shell/ArchivosDeTelefonos.h"

#include <ctime>
#include <regex>
#include <system_error>

#include "shell/Formatos.h"

namespace fs = std::filesystem;

namespace travesa {
namespace {

std::string Raiz(std::string_view nombre) { return fs::path(std::string(nombre)).stem().string(); }

}  // namespace

ArchivosDeTelefonos::ArchivosDeTelefonos(fs::path carpetaPrograma) : respaldo_(std::move(carpetaPrograma)) {}

fs::path ArchivosDeTelefonos::Destino(std::string_view nombre, std::chrono::system_clock::time_point momento) const {
  const std::time_t t = std::chrono::system_clock::to_time_t(momento);
  std::tm tm{};
  localtime_r(&t, &tm);
  char sello[32];
  std::strftime(sello, sizeof sello, "%Y%m%d_%H%M%S", &tm);
  const fs::path carpeta = respaldo_.Carpeta();
  const std::string base = kPrefijo + Raiz(nombre) + "_" + sello;
  fs::path destino = carpeta / (base + ".xml");
  std::error_code ec;
  for (int n = 1; fs::exists(destino, ec); ++n) destino = carpeta / (base + "." + std::to_string(n) + ".xml");
  return destino;
}

std::vector<fs::path> ArchivosDeTelefonos::Pendientes(std::string_view nombre) const {
  // The stamp in the name sorts them by time.
  return respaldo_.Archivos(kPrefijo + Raiz(nombre) + "_", ".xml");
}

void ArchivosDeTelefonos::Terminado(const fs::path& archivo) const {
  std::error_code ec;
  // Another desk on this folder may have finished it meanwhile.
  if (!fs::exists(archivo, ec)) return;
  respaldo_.Guarda(archivo, kProcesados);
}

std::string ArchivosDeTelefonos::Cuando(const fs::path& archivo) {
  static const std::regex kSello(R"(_(\d{4})(\d{2})(\d{2})_(\d{2})(\d{2})(\d{2})(\.\d+)?\.xml$)");
  std::smatch m;
  const std::string nombre = archivo.filename().string();
  if (!std::regex_search(nombre, m, kSello)) return "";
  std::tm tm{};
  tm.tm_year = std::stoi(m[1]) - 1900;
  tm.tm_mon = std::stoi(m[2]) - 1;
  tm.tm_mday = std::stoi(m[3]);
  tm.tm_hour = std::stoi(m[4]);
  tm.tm_min = std::stoi(m[5]);
  tm.tm_sec = std::stoi(m[6]);
  tm.tm_isdst = -1;
  return formatos::SelloSubida(std::chrono::system_clock::from_time_t(std::mktime(&tm)));
}

}  // namespace travesa
