#pragma once
// INI access, number reading and SQL dates.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace travesa {

class libNalda {
 public:
  static std::string LeeIni(std::string_view seccion, std::string_view clave, const std::filesystem::path& archivo);
  static void EscribeIni(std::string_view seccion, std::string_view clave, std::string_view valor,
                         const std::filesystem::path& archivo);
  // The leading number of a text: "1,234.50" is 1234.5, "-3" is -3, "2.5abc" is 2.5,
  // text without a leading number is 0. Thousands separators are skipped.
  static double prVal(std::string_view texto);
  static std::string FechaSQL(std::chrono::year_month_day fecha);
  // The local time now, written with a strftime format.
  static std::string Ahora(const char* formato);
};

}  // namespace travesa
