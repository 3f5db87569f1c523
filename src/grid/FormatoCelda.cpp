#include "grid/FormatoCelda.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "shell/Formatos.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

using namespace std::chrono;

constexpr std::array<const char*, 12> kMeses = {"ene", "feb", "mar", "abr", "may", "jun",
                                                "jul", "ago", "sep", "oct", "nov", "dic"};
constexpr std::array<const char*, 12> kMesesIngles = {"jan", "feb", "mar", "apr", "may", "jun",
                                                      "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<const char*, 12> kMesesLargos = {"enero",      "febrero", "marzo",     "abril",
                                                      "mayo",       "junio",   "julio",     "agosto",
                                                      "septiembre", "octubre", "noviembre", "diciembre"};

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// A number picture: literal text around digit places, thousands commas,
// mandatory ("0") and optional ("#") places on both sides of the point.
struct Figura {
  std::string antes, despues;
  int enterosMinimos = 0;
  int decimalesFijos = 0, decimalesOpcionales = 0;
  bool miles = false, porciento = false;
};

bool EsFiguraNumerica(std::string_view f) {
  for (const char c : f) {
    const char m = static_cast<char>(c | 0x20);
    if (m == 'd' || m == 'm' || m == 'y' || m == 'h' || m == 'n' || m == 's') return false;
  }
  return f.find_first_of("0#") != std::string_view::npos;
}

Figura LeeFigura(std::string_view f) {
  f = f.substr(0, f.find(';'));
  Figura g;
  const std::size_t primero = f.find_first_of("0#");
  const std::size_t ultimo = f.find_last_of("0#");
  g.antes = std::string(f.substr(0, primero));
  g.despues = std::string(f.substr(ultimo + 1));
  bool decimales = false;
  for (std::size_t i = primero; i <= ultimo; ++i) {
    const char c = f[i];
    if (c == '.') decimales = true;
    if (c == ',' && !decimales) g.miles = true;
    if (c == '0' && !decimales) ++g.enterosMinimos;
    if (c == '0' && decimales) ++g.decimalesFijos;
    if (c == '#' && decimales) ++g.decimalesOpcionales;
  }
  g.porciento = f.find('%') != std::string_view::npos;
  return g;
}

std::string ConFigura(double n, const Figura& g) {
  if (g.porciento) n *= 100;
  std::string texto = formatos::Numero(n, g.decimalesFijos + g.decimalesOpcionales, false);
  const bool negativo = !texto.empty() && texto[0] == '-';
  if (negativo) texto.erase(0, 1);
  const std::size_t punto = texto.find('.');
  std::string enteros = texto.substr(0, punto);
  std::string fraccion = punto == std::string::npos ? "" : texto.substr(punto + 1);
  while (fraccion.size() > static_cast<std::size_t>(g.decimalesFijos) && fraccion.back() == '0') fraccion.pop_back();
  if (enteros == "0" && g.enterosMinimos == 0) enteros.clear();
  if (enteros.size() < static_cast<std::size_t>(g.enterosMinimos))
    enteros.insert(0, g.enterosMinimos - enteros.size(), '0');
  if (g.miles) enteros = formatos::ConSeparadores(enteros);
  std::string cuerpo = enteros + (fraccion.empty() ? "" : "." + fraccion);
  return (negativo ? "-" : "") + g.antes + cuerpo + g.despues;
}

// Names the program's formats are also known by.
std::string_view FiguraConNombre(std::string_view f) {
  const std::string m = texto::Minusculas(f);
  if (m == "standard") return "#,0.00";
  if (m == "fixed") return "0.00";
  if (m == "short date") return "dd/mm/yyyy";
  if (m == "medium date") return "dd/mmm/yy";
  if (m == "short time") return "hh:nn";
  if (m == "long time" || m == "medium time") return "hh:nn:ss";
  if (m == "general date") return "dd/mm/yyyy hh:nn:ss";
  return f;
}

std::string DosDigitos(int n) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", n);
  return b;
}

// Writes the value through a date picture: d dd m mm mmm mmmm yy yyyy h hh
// n nn s ss; "mm" right after an hour is minutes; "..." and \x are literal.
std::string ConFiguraDeFecha(const FormatoCelda::FechaHora& v, std::string_view f) {
  const int dia = static_cast<int>(static_cast<unsigned>(v.fecha.day()));
  const int mes = static_cast<int>(static_cast<unsigned>(v.fecha.month()));
  const int anio = static_cast<int>(v.fecha.year());
  std::string out;
  bool trasHora = false;
  for (std::size_t i = 0; i < f.size();) {
    const char c = static_cast<char>(f[i] | 0x20);
    std::size_t n = 1;
    while (i + n < f.size() && static_cast<char>(f[i + n] | 0x20) == c) ++n;
    if (f[i] == '"') {
      const std::size_t fin = f.find('"', i + 1);
      out += f.substr(i + 1, (fin == std::string_view::npos ? f.size() : fin) - i - 1);
      i = fin == std::string_view::npos ? f.size() : fin + 1;
      continue;
    }
    if (f[i] == '\\' && i + 1 < f.size()) {
      out += f[i + 1];
      i += 2;
      continue;
    }
    if (c == 'd')
      out += n == 1 ? std::to_string(dia) : DosDigitos(dia);
    else if (c == 'm' && trasHora && n <= 2)
      out += n == 1 ? std::to_string(v.minuto) : DosDigitos(v.minuto);
    else if (c == 'm' && n >= 4)
      out += kMesesLargos[mes - 1];
    else if (c == 'm' && n == 3)
      out += kMeses[mes - 1];
    else if (c == 'm')
      out += n == 1 ? std::to_string(mes) : DosDigitos(mes);
    else if (c == 'y')
      out += n <= 2 ? DosDigitos(anio % 100) : std::to_string(anio);
    else if (c == 'h')
      out += n == 1 ? std::to_string(v.hora) : DosDigitos(v.hora);
    else if (c == 'n')
      out += n == 1 ? std::to_string(v.minuto) : DosDigitos(v.minuto);
    else if (c == 's')
      out += n == 1 ? std::to_string(v.segundo) : DosDigitos(v.segundo);
    else
      out.append(f.substr(i, n));
    if (c == 'h')
      trasHora = true;
    else if (c == 'd' || c == 'y' || c == 's' || c == 'm')
      trasHora = false;
    i += n;
  }
  return out;
}

// Pieces of a date text: runs of digits and runs of letters.
std::vector<std::string> Piezas(std::string_view s, std::size_t& finDeFecha) {
  std::vector<std::string> piezas;
  std::size_t i = 0;
  while (i < s.size() && piezas.size() < 3) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == '/' || c == '-' || c == ' ' || c == ',' || c == '.') {
      ++i;
      continue;
    }
    std::size_t j = i;
    const bool digitos = EsDigito(s[i]);
    while (j < s.size() &&
           (digitos ? EsDigito(s[j])
                    : (static_cast<unsigned char>(s[j]) >= 0x80 || ((s[j] | 0x20) >= 'a' && (s[j] | 0x20) <= 'z'))))
      ++j;
    if (j == i) break;
    piezas.emplace_back(s.substr(i, j - i));
    i = j;
  }
  finDeFecha = i;
  return piezas;
}

int MesPorNombre(const std::string& nombre) {
  const std::string m = texto::Minusculas(nombre).substr(0, 3);
  for (int i = 0; i < 12; ++i)
    if (m == kMeses[i] || m == kMesesIngles[i]) return i + 1;
  return 0;
}

bool EsNumero(const std::string& s) { return !s.empty() && EsDigito(s[0]); }

std::optional<year_month_day> Fecha(const std::vector<std::string>& p) {
  if (p.size() != 3) return std::nullopt;
  int d = 0, m = 0, a = 0;
  if (EsNumero(p[0]) && p[0].size() == 4 && EsNumero(p[1]) && EsNumero(p[2])) {
    a = std::stoi(p[0]), m = std::stoi(p[1]), d = std::stoi(p[2]);
  } else if (!EsNumero(p[0]) && EsNumero(p[1]) && EsNumero(p[2]) && p[1].size() <= 2) {
    m = MesPorNombre(p[0]), d = std::stoi(p[1]), a = std::stoi(p[2]);
  } else if (EsNumero(p[0]) && p[0].size() <= 2 && EsNumero(p[2]) && p[2].size() <= 4) {
    d = std::stoi(p[0]), a = std::stoi(p[2]);
    m = EsNumero(p[1]) ? (p[1].size() <= 2 ? std::stoi(p[1]) : 0) : MesPorNombre(p[1]);
    if (p[2].size() <= 2)
      a += a < 30 ? 2000 : 1900;
    else if (p[2].size() == 3)
      return std::nullopt;
  } else {
    return std::nullopt;
  }
  const year_month_day f{year{a}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!f.ok() || a < 100) return std::nullopt;
  return f;
}

// "13:45" or "13:45:09", with an optional " a. m."/"pm" after it.
bool LeeHora(std::string_view s, FormatoCelda::FechaHora& v) {
  std::vector<int> partes;
  std::size_t i = 0;
  while (i < s.size() && partes.size() < 3) {
    std::size_t j = i;
    while (j < s.size() && EsDigito(s[j]) && j - i < 2) ++j;
    if (j == i) return false;
    partes.push_back(std::stoi(std::string(s.substr(i, j - i))));
    i = j;
    if (i < s.size() && s[i] == ':')
      ++i;
    else
      break;
  }
  const std::string resto = texto::Minusculas(texto::Reemplaza(texto::Recorta(s.substr(i)), ".", ""));
  std::string sinBlancos;
  for (const char c : resto)
    if (c != ' ') sinBlancos += c;
  if (partes.size() < 2) return false;
  int h = partes[0];
  if (sinBlancos == "pm" && h >= 1 && h <= 11)
    h += 12;
  else if (sinBlancos == "am" && h == 12)
    h = 0;
  else if (!sinBlancos.empty() && sinBlancos != "am" && sinBlancos != "pm")
    return false;
  if ((sinBlancos == "am" || sinBlancos == "pm") && (partes[0] < 1 || partes[0] > 12)) return false;
  const int m = partes[1], seg = partes.size() > 2 ? partes[2] : 0;
  if (h > 23 || m > 59 || seg > 59) return false;
  v.hora = h, v.minuto = m, v.segundo = seg;
  return true;
}

}  // namespace

std::optional<double> FormatoCelda::LeeNumero(std::string_view texto) {
  const std::string s = texto::Recorta(texto);
  std::string limpio;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) limpio += s[i++];
  bool digitos = false, punto = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (EsDigito(c))
      digitos = true, limpio += c;
    else if (c == ',' && !punto && digitos)
      continue;
    else if (c == '.' && !punto)
      punto = true, limpio += c;
    else
      return std::nullopt;
  }
  if (!digitos) return std::nullopt;
  if (limpio[0] == '+') limpio.erase(0, 1);
  double n = 0;
  const auto [fin, ec] = std::from_chars(limpio.data(), limpio.data() + limpio.size(), n);
  if (ec != std::errc() || fin != limpio.data() + limpio.size()) return std::nullopt;
  return n;
}

std::optional<FormatoCelda::FechaHora> FormatoCelda::LeeFecha(std::string_view texto) {
  const std::string s = texto::Recorta(texto);
  FechaHora v;
  if (s.empty()) return std::nullopt;
  if (s.find(':') != std::string::npos && s.find_first_of("/-") == std::string::npos && EsDigito(s[0]) &&
      s.find(':') <= 2) {
    if (LeeHora(s, v)) return v;
    return std::nullopt;
  }
  std::size_t fin = 0;
  const auto fecha = Fecha(Piezas(s, fin));
  if (!fecha) return std::nullopt;
  v.fecha = *fecha;
  const std::string resto = texto::Recorta(std::string_view(s).substr(fin));
  if (resto.empty()) return v;
  if (!LeeHora(resto, v)) return std::nullopt;
  return v;
}

std::string FormatoCelda::Aplica(std::string_view texto, std::string_view formato) {
  const std::string_view f = FiguraConNombre(formato);
  if (f.empty()) return std::string(texto);
  if (EsFiguraNumerica(f)) {
    const auto n = LeeNumero(texto);
    return n ? ConFigura(*n, LeeFigura(f)) : std::string(texto);
  }
  const auto v = LeeFecha(texto);
  return v ? ConFiguraDeFecha(*v, f) : std::string(texto);
}

}  // namespace travesa
