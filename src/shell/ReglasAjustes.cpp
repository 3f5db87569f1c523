#include "shell/ReglasAjustes.h"

#include <algorithm>

#include "shell/host/ArchivoIni.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

bool SoloDigitos(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Entero(double n) { return std::to_string(static_cast<long long>(n)); }

}  // namespace

std::string ReglasAjustes::NormalizaCarpeta(std::string_view carpeta) {
  std::string c = texto::Reemplaza(texto::Recorta(carpeta), "\\", "/");
  if (!texto::TerminaCon(c, "/")) c += "/";
  return c;
}

std::string ReglasAjustes::CarpetaConDiagonales(std::string_view carpeta) {
  std::string c(carpeta);
  if (!texto::EmpiezaCon(c, "/")) c = "/" + c;
  if (!texto::TerminaCon(c, "/")) c += "/";
  return c;
}

std::string ReglasAjustes::ValidaPrecioSugerido(std::string_view texto) {
  return libNalda::prVal(texto) > 5 ? "5" : std::string(texto);
}

std::string ReglasAjustes::ValidaMinutos(std::string_view texto) {
  const double n = libNalda::prVal(texto);
  return n <= 0 ? "1" : Entero(n);
}

std::optional<std::string> ReglasAjustes::Rechazo(const Ajustes::Campo& campo, std::string_view valor) {
  const std::string v = texto::Mayusculas(texto::Recorta(valor));
  const std::string nombre = campo.nombre;
  const std::string motivo = ArchivoIni::Rechazo(valor);
  if (!motivo.empty()) return "El valor de «" + nombre + "» " + motivo + ".";
  switch (campo.forma) {
    case Ajustes::Forma::SiNo:
      if (v == "S" || v == "N") return std::nullopt;
      return "El campo «" + nombre + "» admite S o N.";
    case Ajustes::Forma::Movimiento:
      if (v == "T" || v == "P" || v == "R") return std::nullopt;
      return "El campo «" + nombre + "» admite T (tickets), P (pedidos) o R (remisiones).";
    case Ajustes::Forma::Minutos:
      if (SoloDigitos(v) && v.size() <= 2) return std::nullopt;
      return "El campo «" + nombre + "» admite de uno a dos dígitos.";
    case Ajustes::Forma::PrecioSugerido:
      if (SoloDigitos(v) && v.size() == 1) return std::nullopt;
      return "El campo «" + nombre + "» admite un dígito (0 a 5).";
    case Ajustes::Forma::SoloLectura:
      return "El campo «" + nombre + "» no se cambia desde aquí; edite el archivo de configuración.";
    case Ajustes::Forma::CifradoFTP:
    case Ajustes::Forma::Texto:
    case Ajustes::Forma::SerieTraspasos:
    case Ajustes::Forma::Carpeta:
      break;
  }
  return std::nullopt;
}

std::string ReglasAjustes::ComoQueda(const Ajustes::Campo& campo, std::string_view valor) {
  switch (campo.forma) {
    case Ajustes::Forma::SiNo:
    case Ajustes::Forma::Movimiento:
      return texto::Mayusculas(texto::Recorta(valor));
    case Ajustes::Forma::Minutos:
      return ValidaMinutos(valor);
    case Ajustes::Forma::PrecioSugerido:
      return ValidaPrecioSugerido(valor);
    case Ajustes::Forma::Carpeta:
      return NormalizaCarpeta(valor);
    default:
      return std::string(valor);
  }
}

std::optional<std::string> ReglasAjustes::Nota(const Ajustes::Campo& campo, std::string_view valor) {
  const char* limite = campo.forma == Ajustes::Forma::PrecioSugerido ? "admite de 0 a 5"
                       : campo.forma == Ajustes::Forma::Minutos      ? "admite 1 como mínimo"
                                                                     : nullptr;
  if (limite == nullptr) return std::nullopt;
  const std::string queda = ComoQueda(campo, valor);
  if (libNalda::prVal(queda) == libNalda::prVal(valor)) return std::nullopt;
  return "El campo «" + std::string(campo.nombre) + "» " + limite + ": se guardó " + queda + " en lugar de " +
         texto::Recorta(valor) + ".";
}

std::vector<std::string> ReglasAjustes::Distintos(const Ajustes& a, const Ajustes& b) {
  std::vector<std::string> distintos;
  for (const Ajustes::Campo& c : Ajustes::Campos()) {
    if (c.forma == Ajustes::Forma::SoloLectura) continue;
    if (ComoQueda(c, a.*c.miembro) != ComoQueda(c, b.*c.miembro)) distintos.emplace_back(c.clave);
  }
  return distintos;
}

}  // namespace travesa
