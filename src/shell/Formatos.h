#pragma once
// The program's text forms of dates and numbers (Spanish month abbreviations).
#include <chrono>
#include <string>
#include <string_view>

namespace travesa::formatos {

using Reloj = std::chrono::system_clock;

// "08/dic/2026"
std::string FechaCorta(std::chrono::year_month_day fecha);
// "08/dic/2026 - 14:05:09", local time
std::string SelloSubida(Reloj::time_point momento);
// "###,###,##0": 1275 is "1,275", 0 is "0"
std::string Miles(long long n);
// "#,0.00": 1234.5 is "1,234.50", halves away from zero
std::string Moneda(double n);
// A number with `decimales` places, halves away from zero, with thousands
// commas when asked: Numero(1234.5, 2, true) is "1,234.50".
std::string Numero(double n, int decimales, bool miles);
// Whole-number digits with thousands commas: "1234567" is "1,234,567".
std::string ConSeparadores(std::string_view digitos);

}  // namespace travesa::formatos
