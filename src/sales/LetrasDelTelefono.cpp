#include "sales/LetrasDelTelefono.h"

#include <vector>

#include "shell/host/Texto.h"

namespace travesa {
namespace {

// The two characters a UTF-8 letter becomes when its bytes are read as
// Windows-1252 (the bytes Windows leaves unassigned keep their own code).
std::string LeidoComo1252(unsigned char primero, unsigned char segundo) {
  std::string s = texto::DeWindows1252(std::string(1, static_cast<char>(primero)));
  const std::string b = texto::DeWindows1252(std::string(1, static_cast<char>(segundo)));
  if (b != "\xEF\xBF\xBD") return s + b;
  s += static_cast<char>(0xC2);
  s += static_cast<char>(segundo);
  return s;
}

struct Reparacion {
  std::string de;
  std::string a;
};

const std::vector<Reparacion>& Reparaciones() {
  // In this order: á é í ó ú ü ñ Á É Í Ó Ú Ü Ñ ¡ ¿
  static const std::vector<Reparacion> tabla = [] {
    const unsigned char letras[][2] = {
        {0xC3, 0xA1}, {0xC3, 0xA9}, {0xC3, 0xAD}, {0xC3, 0xB3}, {0xC3, 0xBA}, {0xC3, 0xBC}, {0xC3, 0xB1}, {0xC3, 0x81},
        {0xC3, 0x89}, {0xC3, 0x8D}, {0xC3, 0x93}, {0xC3, 0x9A}, {0xC3, 0x9C}, {0xC3, 0x91}, {0xC2, 0xA1}, {0xC2, 0xBF}};
    std::vector<Reparacion> t;
    for (const auto& l : letras)
      t.push_back({LeidoComo1252(l[0], l[1]), std::string{static_cast<char>(l[0]), static_cast<char>(l[1])}});
    return t;
  }();
  return tabla;
}

}  // namespace

std::string LetrasDelTelefono::Repara(std::string_view cadena) {
  std::string s(cadena);
  for (const Reparacion& r : Reparaciones()) s = texto::Reemplaza(s, r.de, r.a);
  return s;
}

}  // namespace travesa
