#include "grid/TeclasGrid.h"

#include "shell/host/Texto.h"

namespace travesa::teclas {

std::string Utf8(char32_t c) {
  std::string s;
  if (c != 0) texto::AgregaUtf8(s, c);
  return s;
}

std::string SinUltimo(std::string_view texto) {
  if (texto.empty()) return {};
  std::size_t fin = texto.size() - 1;
  while (fin > 0 && (static_cast<unsigned char>(texto[fin]) & 0xC0) == 0x80) --fin;
  return std::string(texto.substr(0, fin));
}

}  // namespace travesa::teclas
