#include "grid/TeclasGrid.h"

namespace travesa::teclas {

std::string Utf8(char32_t c) {
  std::string s;
  if (c == 0) return s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string SinUltimo(std::string_view texto) {
  if (texto.empty()) return {};
  std::size_t fin = texto.size() - 1;
  while (fin > 0 && (static_cast<unsigned char>(texto[fin]) & 0xC0) == 0x80) --fin;
  return std::string(texto.substr(0, fin));
}

}  // namespace travesa::teclas
