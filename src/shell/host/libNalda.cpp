#include "shell/host/libNalda.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "shell/host/ArchivoIni.h"

namespace travesa {

std::string libNalda::LeeIni(std::string_view seccion, std::string_view clave, const std::filesystem::path& archivo) {
  return ArchivoIni::Lee(archivo, seccion, clave);
}

void libNalda::EscribeIni(std::string_view seccion, std::string_view clave, std::string_view valor,
                          const std::filesystem::path& archivo) {
  ArchivoIni::Escribe(archivo, seccion, clave, valor);
}

double libNalda::prVal(std::string_view texto) {
  // Gathered into a clean number text and converted once, so "150.75" is the
  // same double the database and the compiler give for it.
  std::string limpio;
  std::size_t i = 0;
  while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
  if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
    if (texto[i] == '-') limpio += '-';
    ++i;
  }
  bool digitos = false, punto = false;
  for (; i < texto.size(); ++i) {
    const char c = texto[i];
    if (c >= '0' && c <= '9') {
      digitos = true;
      limpio += c;
    } else if (c == ',' && !punto) {
      continue;
    } else if (c == '.' && !punto) {
      punto = true;
      limpio += c;
    } else {
      break;
    }
  }
  if (!digitos) return 0;
  // An exponent as the database writes large doubles: 1.5e+20.
  if (i + 1 < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponente = "e";
    if (texto[j] == '-' || texto[j] == '+') exponente += texto[j++];
    const std::size_t inicio = exponente.size();
    for (; j < texto.size() && texto[j] >= '0' && texto[j] <= '9'; ++j) exponente += texto[j];
    if (exponente.size() > inicio) limpio += exponente;
  }
  double n = 0;
  const auto [fin, ec] = std::from_chars(limpio.data(), limpio.data() + limpio.size(), n);
  (void)fin;
  if (ec == std::errc::result_out_of_range) return limpio[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  return n;
}

std::string libNalda::FechaSQL(std::chrono::year_month_day fecha) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(fecha.year()), static_cast<unsigned>(fecha.month()),
                static_cast<unsigned>(fecha.day()));
  return buf;
}

std::string libNalda::Ahora(const char* formato) {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[64];
  return std::string(buf, std::strftime(buf, sizeof buf, formato, &tm));
}

}  // namespace travesa
