#include "ftp/PatronFTP.h"

#include <string>

#include "shell/host/Texto.h"

namespace travesa {
namespace {

// Code points of a UTF-8 text; a byte that starts no valid sequence stands for itself.
std::u32string Caracteres(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t largo = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (largo == 1 || i + largo > s.size()) {
      out += static_cast<char32_t>(b);
      ++i;
      continue;
    }
    char32_t c = b & (0x7F >> largo);
    for (std::size_t k = 1; k < largo; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out += c;
    i += largo;
  }
  return out;
}

// Classic wildcard walk with one back-tracking point: linear in practice.
bool Compara(const std::u32string& p, const std::u32string& n) {
  std::size_t ip = 0, in = 0;
  std::size_t estrella = std::u32string::npos, marca = 0;
  while (in < n.size()) {
    if (ip < p.size() && (p[ip] == U'?' || p[ip] == n[in])) {
      ++ip;
      ++in;
    } else if (ip < p.size() && p[ip] == U'*') {
      estrella = ip++;
      marca = in;
    } else if (estrella != std::u32string::npos) {
      ip = estrella + 1;
      in = ++marca;
    } else {
      return false;
    }
  }
  while (ip < p.size() && p[ip] == U'*') ++ip;
  return ip == p.size();
}

}  // namespace

bool PatronFTP::Coincide(std::string_view patron, std::string_view nombre) {
  if (patron.empty() || patron == "*.*") return true;
  return Compara(Caracteres(texto::Minusculas(patron)), Caracteres(texto::Minusculas(nombre)));
}

}  // namespace travesa
