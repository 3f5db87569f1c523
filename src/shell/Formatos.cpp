#include "shell/Formatos.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace travesa::formatos {
namespace {

constexpr std::array<const char*, 12> kMeses = {"ene", "feb", "mar", "abr", "may", "jun",
                                                "jul", "ago", "sep", "oct", "nov", "dic"};

std::tm Local(Reloj::time_point momento) {
  const std::time_t t = Reloj::to_time_t(momento);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

// Digits of a whole number plus one: "199" gives "200".
std::string MasUno(std::string digitos) {
  for (std::size_t i = digitos.size(); i-- > 0;) {
    if (digitos[i] != '9') {
      ++digitos[i];
      return digitos;
    }
    digitos[i] = '0';
  }
  return "1" + digitos;
}

}  // namespace

std::string ConSeparadores(std::string_view digitos) {
  std::string out;
  out.reserve(digitos.size() + digitos.size() / 3);
  for (std::size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) out += ',';
    out += digitos[i];
  }
  return out;
}

std::string FechaCorta(std::chrono::year_month_day fecha) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02u/%s/%04d", static_cast<unsigned>(fecha.day()),
                kMeses[static_cast<unsigned>(fecha.month()) - 1], static_cast<int>(fecha.year()));
  return buf;
}

std::string SelloSubida(Reloj::time_point momento) {
  const std::tm tm = Local(momento);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d/%s/%04d - %02d:%02d:%02d", tm.tm_mday, kMeses[tm.tm_mon], tm.tm_year + 1900,
                tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

std::string Miles(long long n) {
  const bool negativo = n < 0;
  const std::string cuerpo = ConSeparadores(std::to_string(negativo ? -n : n));
  return negativo ? "-" + cuerpo : cuerpo;
}

std::string Moneda(double n) { return Numero(n, 2, true); }

std::string Numero(double n, int decimales, bool miles) {
  if (!std::isfinite(n)) n = 0;
  decimales = std::max(decimales, 0);
  // Rounded on the shortest decimal text of the number, so 2.675 gives 2.68
  // as the operator reads it, and 0.1 + 0.2 gives 0.30.
  char buf[400];
  const auto [fin, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(n), std::chars_format::fixed);
  const std::string texto = ec == std::errc() ? std::string(buf, fin) : "0";
  const std::size_t punto = texto.find('.');
  std::string fraccion = punto == std::string::npos ? "" : texto.substr(punto + 1);
  fraccion.resize(std::max<std::size_t>(fraccion.size(), decimales + 1), '0');
  std::string digitos = texto.substr(0, punto) + fraccion.substr(0, decimales);
  if (fraccion[decimales] >= '5') digitos = MasUno(digitos);
  const std::string enteros = digitos.substr(0, digitos.size() - decimales);
  const std::string cuerpo =
      (miles ? ConSeparadores(enteros) : enteros) + (decimales > 0 ? "." + digitos.substr(enteros.size()) : "");
  const bool cero = digitos.find_first_not_of('0') == std::string::npos;
  return n < 0 && !cero ? "-" + cuerpo : cuerpo;
}

}  // namespace travesa::formatos
