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

std::string ConSeparadores(const std::string& digitos) {
  std::string out;
  out.reserve(digitos.size() + digitos.size() / 3);
  for (std::size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) out += ',';
    out += digitos[i];
  }
  return out;
}

}  // namespace

std::string FechaCorta(std::chrono::year_month_day fecha) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02u/%s/%04d", static_cast<unsigned>(fecha.day()),
                kMeses[static_cast<unsigned>(fecha.month()) - 1], static_cast<int>(fecha.year()));
  return buf;
}

std::string SelloSubida(Reloj::time_point momento) {
  const std::tm tm = Local(momento);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d/%s/%04d - %02d:%02d:%02d", tm.tm_mday, kMeses[tm.tm_mon],
                tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

std::string FechaHoraGeneral(Reloj::time_point momento) {
  const std::tm tm = Local(momento);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", tm.tm_mday, tm.tm_mon + 1,
                tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

std::string Miles(long long n) {
  const bool negativo = n < 0;
  const std::string cuerpo = ConSeparadores(std::to_string(negativo ? -n : n));
  return negativo ? "-" + cuerpo : cuerpo;
}

std::string Moneda(double n) {
  if (!std::isfinite(n)) return "0.00";
  // Rounded on the shortest decimal text of the number, so 2.675 gives 2.68 as
  // the operator reads it, and 0.1 + 0.2 gives 0.30.
  char buf[400];
  const auto [fin, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(n), std::chars_format::fixed);
  const std::string texto = ec == std::errc() ? std::string(buf, fin) : "0";
  const std::size_t punto = texto.find('.');
  std::string enteros = texto.substr(0, punto);
  std::string fraccion = punto == std::string::npos ? "" : texto.substr(punto + 1);
  fraccion.resize(std::max<std::size_t>(fraccion.size(), 3), '0');
  long long centavos = std::stoll(enteros.substr(enteros.size() > 15 ? enteros.size() - 15 : 0)) * 100 +
                       (fraccion[0] - '0') * 10 + (fraccion[1] - '0');
  if (fraccion[2] >= '5') ++centavos;
  char resto[8];
  std::snprintf(resto, sizeof resto, ".%02lld", centavos % 100);
  const std::string cuerpo = ConSeparadores(std::to_string(centavos / 100)) + resto;
  return n < 0 && centavos != 0 ? "-" + cuerpo : cuerpo;
}

}  // namespace travesa::formatos
