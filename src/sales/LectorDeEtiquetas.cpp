#include "sales/LectorDeEtiquetas.h"

#include <cstdint>
#include <fstream>
#include <sstream>

#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr std::string_view kClave = "<clave>";

// "#209" or "#xD1" as a character XML may carry; nothing for anything else.
std::optional<std::uint32_t> Numerica(std::string_view nombre) {
  if (nombre.size() < 2 || nombre[0] != '#') return std::nullopt;
  const bool hex = nombre[1] == 'x' || nombre[1] == 'X';
  const std::string_view cifras = nombre.substr(hex ? 2 : 1);
  if (cifras.empty() || cifras.size() > 8) return std::nullopt;
  std::uint32_t c = 0;
  for (char d : cifras) {
    int v = -1;
    if (d >= '0' && d <= '9')
      v = d - '0';
    else if (hex && d >= 'a' && d <= 'f')
      v = d - 'a' + 10;
    else if (hex && d >= 'A' && d <= 'F')
      v = d - 'A' + 10;
    if (v < 0) return std::nullopt;
    c = c * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
  }
  const bool valido = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
                      (c >= 0x10000 && c <= 0x10FFFF);
  if (!valido) return std::nullopt;
  return c;
}

}  // namespace

std::string LectorDeEtiquetas::LeeArchivo(const std::filesystem::path& archivo) {
  std::ifstream entrada(archivo, std::ios::binary);
  if (!entrada) throw ErrorTravesa("No se pudo leer el archivo «" + archivo.string() + "».");
  std::ostringstream s;
  s << entrada.rdbuf();
  return s.str();
}

LectorDeEtiquetas::LectorDeEtiquetas(std::string_view contenido) : texto_(texto::AUtf8(contenido)) {}

bool LectorDeEtiquetas::Siguiente() {
  const std::size_t clave = texto_.find(kClave, siguiente_);
  if (clave == std::string::npos) return false;
  inicio_ = clave;
  posicion_ = clave;
  siguiente_ = clave + kClave.size();
  const std::size_t otra = texto_.find(kClave, siguiente_);
  fin_ = otra == std::string::npos ? texto_.size() : otra;
  ++numero_;
  return true;
}

std::optional<std::string> LectorDeEtiquetas::Lee(std::string_view etiqueta) {
  const std::string abre = "<" + std::string(etiqueta) + ">";
  const std::string cierra = "</" + std::string(etiqueta) + ">";
  const std::size_t a = texto_.find(abre, posicion_);
  if (a == std::string::npos || a >= fin_) return std::nullopt;
  const std::size_t desde = a + abre.size();
  const std::size_t c = texto_.find(cierra, desde);
  if (c == std::string::npos || c + cierra.size() > fin_) throw TagIncompleto{cierra};
  posicion_ = c + cierra.size();
  return texto_.substr(desde, c - desde);
}

std::string LectorDeEtiquetas::DecodificaXML(std::string_view texto) {
  std::string salida;
  salida.reserve(texto.size());
  std::size_t i = 0;
  while (i < texto.size()) {
    if (texto[i] != '&') {
      salida += texto[i++];
      continue;
    }
    const std::size_t fin = texto.find(';', i + 1);
    const std::string_view nombre =
        fin == std::string_view::npos || fin - i > 12 ? std::string_view{} : texto.substr(i + 1, fin - i - 1);
    std::optional<std::uint32_t> c;
    if (nombre == "quot")
      c = '"';
    else if (nombre == "amp")
      c = '&';
    else if (nombre == "lt")
      c = '<';
    else if (nombre == "gt")
      c = '>';
    else if (nombre == "apos")
      c = '\'';
    else
      c = Numerica(nombre);
    if (!c) {
      salida += texto[i++];
      continue;
    }
    texto::AgregaUtf8(salida, *c);
    i = fin + 1;
  }
  return salida;
}

}  // namespace travesa
