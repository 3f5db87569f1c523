#pragma once
// The formats a grid column writes its values in, after the program's number
// and date pictures: "#,0.00" gives 1,234.50, "0.000" 3.142, "dd/mmm/yyyy"
// 08/dic/2026, "hh:nn" 13:45, and the names "Standard", "Fixed",
// "Short Date", "Short Time", "Long Time". A value that is not what the
// format needs (a word under a number format, a blank) is written as typed.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace travesa {

class FormatoCelda {
 public:
  struct FechaHora {
    std::chrono::year_month_day fecha{std::chrono::year{1899}, std::chrono::month{12}, std::chrono::day{30}};
    int hora = 0, minuto = 0, segundo = 0;
  };

  // The text in the format; the text as typed when the format is empty or
  // the text does not fit it.
  static std::string Aplica(std::string_view texto, std::string_view formato);

  // The whole text as a number: optional sign, digits with thousands
  // commas, a decimal point. Blanks around are allowed; anything else is not
  // a number.
  static std::optional<double> LeeNumero(std::string_view texto);
  // A date, a date and time, or a time of day: "2026-12-08", "08/12/2026",
  // "8/12/26", "08/dic/2026", "Dec 8 2026", each optionally followed by
  // "13:45[:09]"; or "13:45[:09]" alone. Only real calendar dates.
  static std::optional<FechaHora> LeeFecha(std::string_view texto);
  static bool EsFecha(std::string_view texto) { return LeeFecha(texto).has_value(); }
};

}  // namespace travesa
