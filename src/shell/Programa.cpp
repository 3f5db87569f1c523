#include "shell/Programa.h"

#include "shell/host/Bitacora.h"
#include "shell/host/DeArchivos.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr const char* kSeccion = "Configuración";

}  // namespace

Programa::Programa(std::filesystem::path carpeta, Operador& operador)
    : carpeta_(std::move(carpeta)),
      operador_(operador),
      utilerias_(carpeta_),
      configuracion_(carpeta_ / Configuracion::kArchivoIni, utilerias_) {
  Bitacora::Configura(carpeta_ / "travesa.log");
}

std::string Programa::TextoVersion() {
  return "   v " + std::to_string(TRAVESA_VERSION_MAYOR) + "." + std::to_string(TRAVESA_VERSION_MENOR) + "." +
         std::to_string(TRAVESA_VERSION_REVISION);
}

bool Programa::Inicia(bool exigeSecretos) {
  std::filesystem::current_path(carpeta_);
  if (!PreparaConexion()) return false;
  AbreConexiones();
  configuracion_.LeeConfiguracionFTP(ajustes_);
  if (exigeSecretos && !ajustes_.ilegibles.empty())
    throw ErrorTravesa(
        AvisoSecretos(ini(), ajustes_.ilegibles, "«travesa ajustes campo=valor» (campo=- los lee sin mostrarlos)"));
  return true;
}

std::string Programa::AvisoSecretos(const std::filesystem::path& archivo, const std::vector<std::string>& campos,
                                    std::string_view comoEscribirlos) const {
  std::string lista;
  for (const std::string& c : campos) lista += (lista.empty() ? "" : ", ") + c;
  const std::string clave = utilerias_.archivoClave().string();
  const std::string causa = utilerias_.HayClave() ? "el archivo de clave «" + clave + "» no es el que los cifró"
                                                  : "falta el archivo de clave «" + clave + "»";
  return "No se pueden descifrar los datos guardados en «" + archivo.string() + "» (" + lista + "): " + causa +
         ".\nRestaure ese archivo de clave de un respaldo, o escriba esos datos de nuevo con " +
         std::string(comoEscribirlos) + ".";
}

// The database login of the installation record must open with the key: a
// login that cannot be read is never replaced by an empty user.
bool Programa::LoginLegible() {
  std::vector<std::string> ilegibles;
  for (const char* nombre : {"MySQLUsuario", "MySQLPassword"}) {
    const std::string guardado = texto::Recorta(registro_.DatosNVW(nombre));
    if (guardado.empty()) continue;
    if (!utilerias_.HayClave() || !utilerias_.Descifra(guardado)) ilegibles.emplace_back(nombre);
  }
  if (ilegibles.empty()) return true;
  operador_.MensajeSimple(
      AvisoSecretos(registro_.archivo(), ilegibles, "«travesa registro MySQLUsuario=- MySQLPassword=-»"),
      Botones::kCritico, "Atención");
  return false;
}

std::string Programa::BuscaInstalacion(const std::filesystem::path& carpeta) {
  try {
    return registro_.BuscarRegistroNVW(carpeta);
  } catch (...) {
    return {};
  }
}

bool Programa::PreparaConexion() {
  const Ajustes::Campo& ruta = *Ajustes::BuscaCampo("RutaNorvento");
  ajustes_.RutaNorvento = configuracion_.LeeIniConDefecto(ruta.seccion, ruta.clave, ruta.porOmision);
  if (BuscaInstalacion(ajustes_.RutaNorvento).empty()) {
    AvisaInstalacionIncorrecta();
    return false;
  }
  if (!LoginLegible()) return false;
  bd_.cPuerto = "3306";
  bd_.cPassword = "";
  bd_.cUsuario = "root";
  CompletaRegistro();
  bd_.cPassword = utilerias_.Descifra(registro_.DatosNVW("MySQLPassword")).value_or("");
  bd_.cUsuario = utilerias_.Descifra(registro_.DatosNVW("MySQLUsuario")).value_or("");
  if (texto::Recorta(bd_.cUsuario).empty()) {
    operador_.MensajeSimple(
        "El usuario de MySQL del registro de Norvento está vacío; escríbalo con "
        "«travesa registro MySQLUsuario=-».",
        Botones::kCritico, "Atención");
    return false;
  }
  bd_.cPuerto = registro_.DatosNVW("MySQLPuerto");
  bd_.cRuta = registro_.DatosNVW("MySQLServer");
  const Ajustes::Campo& base = *Ajustes::BuscaCampo("BaseDeDatos");
  ajustes_.BaseDeDatos = configuracion_.LeeIniConDefecto(base.seccion, base.clave, base.porOmision);
  bd_.cMiBase = ajustes_.BaseDeDatos;
  return true;
}

// An installation record without MySQL values gets port 3306, the host of
// "servidor", user root and an empty password, and keeps them.
void Programa::CompletaRegistro() {
  if (libNalda::prVal(registro_.DatosNVW("MySQLPuerto")) == 0) registro_.GuardaDatosNVW("MySQLPuerto", bd_.cPuerto);
  if (texto::Recorta(registro_.DatosNVW("MySQLServer")).empty())
    registro_.GuardaDatosNVW("MySQLServer", registro_.DatosNVW("servidor"));
  if (texto::Recorta(registro_.DatosNVW("MySQLUsuario")).empty())
    registro_.GuardaDatosNVW("MySQLUsuario", utilerias_.Encripta(bd_.cUsuario));
  if (texto::Recorta(registro_.DatosNVW("MySQLPassword")).empty())
    registro_.GuardaDatosNVW("MySQLPassword", utilerias_.Encripta(bd_.cPassword));
}

void Programa::AvisaInstalacionIncorrecta() {
  const std::string ruta = ini().string();
  operador_.MensajeSimple("En el archivo de configuración de este programa\r\r(" + ruta +
                              ")\r\rdebe indicarse la ruta correcta de Norvento.\rRuta indicada e incorrecta: \r\r" +
                              ajustes_.RutaNorvento,
                          Botones::kCritico, "Atención");
  const int r = operador_.MensajeSimple("¿Desea editar el archivo de configuración?",
                                        Botones::kSiNo | Botones::kPregunta, "Editar INI");
  if (r != Botones::kRespSi) return;
  EditaIni();
}

bool Programa::EditaIni() {
  if (DeArchivos::AbreDocumento(ini())) return true;
  operador_.MensajeSimple(
      "No se pudo abrir el archivo de configuración; edítelo con cualquier editor de texto: " + ini().string(),
      Botones::kExclamacion, "Editar INI");
  return false;
}

void Programa::AbreConexiones() {
  bd_.AbrirBdD(principal_, bd_.cMiBase);
  bd_.AbrirBdD(segunda_);
}

void Programa::AseguraConexiones() {
  if (!principal_.Vive()) bd_.AbrirBdD(principal_, bd_.cMiBase);
  if (!segunda_.Vive()) bd_.AbrirBdD(segunda_);
}

std::vector<std::string> Programa::LlenaSeries(std::string_view prefijo) {
  std::vector<std::string> series;
  RecordSet rs;
  const std::string p(prefijo);
  const std::string fuente = Utilerias::CambXXX("sistema WHERE Dato LIKE 'XXX%'", p) +
                             Utilerias::CambXXX(" AND Dato <> 'XXX' ORDER BY Dato", p);
  if (!bd_.AbrirTabla(rs, principal_, fuente)) return series;
  for (; !rs.Eof(); rs.MoveNext()) {
    const std::string dato = rs.Fields("Dato").Texto();
    // The flag of "RE-B" is the row "RE+A-B".
    const std::string bandera = dato.substr(0, 2) + "+A" + dato.substr(std::min<std::size_t>(2, dato.size()));
    if (Utilerias::VarToBool(bd_.LeeDato(bandera, principal_, "sistema")))
      series.push_back(dato.substr(std::min<std::size_t>(3, dato.size())));
  }
  bd_.CierraTabla(rs);
  series.push_back("N/A");
  return series;
}

bool Programa::SalenTodosEnLista() {
  return Utilerias::VarToBool(bd_.LeeDato("SalenTodosEnLista", principal_, "configura"));
}

std::vector<Vendedor> Programa::Vendedores() {
  std::vector<Vendedor> lista;
  RecordSet rs;
  bd_.AbrirTabla(rs, principal_, "vendedores ORDER BY Clave", "Clave, Nombre");
  for (; !rs.Eof(); rs.MoveNext()) lista.push_back({rs.Fields("Clave").Texto(), rs.Fields("Nombre").Texto()});
  return lista;
}

std::string Programa::NombreVendedor(std::string_view clave) {
  RecordSet rs;
  if (!bd_.AbrirTabla(rs, principal_, Utilerias::CambXXX("vendedores where Clave='XXX'", clave))) return {};
  return rs.Fields("Nombre").Texto();
}

}  // namespace travesa
