#include "shell/host/Texto.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace travesa::texto {
namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned positions.
constexpr std::array<char32_t, 32> kCp1252Alto = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                  0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string CambiaCaso(std::string_view s, bool aMayusculas) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += static_cast<char>(aMayusculas ? std::toupper(b) : std::tolower(b));
      continue;
    }
    // Two-byte sequences C3 80..C3 BF hold U+00C0..U+00FF; the Latin-1 letters
    // pair lower 0xE0..0xFE with upper 0xC0..0xDE (but the signs 0xF7, 0xD7).
    if (b == 0xC3 && i + 1 < s.size()) {
      unsigned char b2 = static_cast<unsigned char>(s[i + 1]);
      const unsigned cp = 0xC0u + (b2 & 0x3F);
      if (aMayusculas && cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) b2 -= 0x20;
      if (!aMayusculas && cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) b2 += 0x20;
      out += static_cast<char>(b);
      out += static_cast<char>(b2);
      ++i;
      continue;
    }
    out += static_cast<char>(b);
  }
  return out;
}

}  // namespace

std::size_t LargoUtf8(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b = byte(i);
  if (b < 0x80) return 1;
  if (b < 0xC2 || b > 0xF4) return 0;
  const std::size_t largo = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  if (i + largo > s.size()) return 0;
  for (std::size_t k = 1; k < largo; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  const unsigned char segundo = byte(i + 1);
  if (b == 0xE0 && segundo < 0xA0) return 0;  // overlong
  if (b == 0xED && segundo > 0x9F) return 0;  // surrogate
  if (b == 0xF0 && segundo < 0x90) return 0;  // overlong
  if (b == 0xF4 && segundo > 0x8F) return 0;  // above U+10FFFF
  return largo;
}

bool EsUtf8Valido(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t largo = LargoUtf8(s, i);
    if (largo == 0) return false;
    i += largo;
  }
  return true;
}

void AgregaUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string HexMinusculas(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    hex += kHex[b >> 4];
    hex += kHex[b & 0x0F];
  }
  return hex;
}

std::string DeWindows1252(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (const char ch : s) {
    const unsigned char b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else if (b < 0xA0) {
      const char32_t c = kCp1252Alto[b - 0x80];
      AgregaUtf8(out, c == 0 ? char32_t{0xFFFD} : c);
    } else {
      AgregaUtf8(out, b);
    }
  }
  return out;
}

std::optional<std::string> AWindows1252(std::string_view s) {
  if (!EsUtf8Valido(s)) return std::nullopt;
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    char32_t cp = n == 0 ? b : n == 1 ? (b & 0x1F) : n == 2 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; k <= n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += n + 1;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    const auto hallado = std::find(kCp1252Alto.begin(), kCp1252Alto.end(), cp);
    if (cp == 0 || hallado == kCp1252Alto.end()) return std::nullopt;
    out += static_cast<char>(0x80 + (hallado - kCp1252Alto.begin()));
  }
  return out;
}

std::string ParaJuegoDeCaracteres(std::string_view s, std::string_view juego) {
  // latin1 on the server is Windows-1252.
  const auto cabe = [&](char32_t cp) {
    if (juego == "latin1")
      return cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF) ||
             (cp != 0 && std::find(kCp1252Alto.begin(), kCp1252Alto.end(), cp) != kCp1252Alto.end());
    if (juego == "ascii") return cp < 0x80;
    if (juego == "utf8" || juego == "utf8mb3") return cp <= 0xFFFF;
    return true;
  };
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t largo = LargoUtf8(s, i);
    if (largo == 0) {  // not UTF-8: the server says what it does with it
      out += s[i++];
      continue;
    }
    const auto b = static_cast<unsigned char>(s[i]);
    char32_t cp = largo == 1 ? b : largo == 2 ? (b & 0x1F) : largo == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; k < largo; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    if (cabe(cp))
      out.append(s.substr(i, largo));
    else
      out += '?';
    i += largo;
  }
  return out;
}

std::string AUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t bien = 0;  // where the run of valid UTF-8 not yet copied starts
  std::size_t i = 0;
  while (i < s.size()) {
    const std::size_t largo = LargoUtf8(s, i);
    if (largo > 0) {
      i += largo;
      continue;
    }
    out.append(s.substr(bien, i - bien));
    out += DeWindows1252(s.substr(i, 1));
    bien = ++i;
  }
  out.append(s.substr(bien));
  return out;
}

std::string Recorta(std::string_view s) {
  const auto esBlanco = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t a = 0, b = s.size();
  while (a < b && esBlanco(s[a])) ++a;
  while (b > a && esBlanco(s[b - 1])) --b;
  return std::string(s.substr(a, b - a));
}

std::string Mayusculas(std::string_view s) { return CambiaCaso(s, true); }
std::string Minusculas(std::string_view s) { return CambiaCaso(s, false); }

// Mayusculas(a) == Mayusculas(b), byte by byte without building either: it
// is asked for every column looked up by name.
bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto latina = [](unsigned char b2) {
    const unsigned cp = 0xC0u + (b2 & 0x3F);
    return cp >= 0xE0 && cp <= 0xFE && cp != 0xF7 ? static_cast<unsigned char>(b2 - 0x20) : b2;
  };
  for (std::size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x < 0x80 || y < 0x80) {
      if (std::toupper(x) != std::toupper(y)) return false;
    } else if (x == 0xC3 && y == 0xC3 && i + 1 < a.size()) {
      if (latina(static_cast<unsigned char>(a[i + 1])) != latina(static_cast<unsigned char>(b[i + 1]))) return false;
      ++i;
    } else if (x != y) {
      return false;
    }
  }
  return true;
}

std::string Reemplaza(std::string_view s, std::string_view de, std::string_view a) {
  if (de.empty()) return std::string(s);
  std::string out;
  std::size_t pos = 0;
  while (true) {
    const std::size_t hallado = s.find(de, pos);
    if (hallado == std::string_view::npos) break;
    out.append(s.substr(pos, hallado - pos));
    out.append(a);
    pos = hallado + de.size();
  }
  out.append(s.substr(pos));
  return out;
}

bool EmpiezaCon(std::string_view s, std::string_view prefijo) { return s.substr(0, prefijo.size()) == prefijo; }

bool TerminaCon(std::string_view s, std::string_view sufijo) {
  return s.size() >= sufijo.size() && s.substr(s.size() - sufijo.size()) == sufijo;
}

std::string Izquierda(std::string_view s, std::size_t n) {
  std::size_t i = 0, cuenta = 0;
  while (i < s.size() && cuenta < n) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    ++cuenta;
  }
  return std::string(s.substr(0, i));
}

std::size_t Largo(std::string_view s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string ListaDeNumeros(const std::set<long long>& numeros) {
  std::string s;
  for (const long long n : numeros) s += (s.empty() ? "" : ",") + std::to_string(n);
  return s;
}

}  // namespace travesa::texto
