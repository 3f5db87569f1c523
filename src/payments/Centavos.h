#pragma once
// Money in whole cents: the payments are summed and compared as integers, so
// 0.1 + 0.2 is 0.30 and a typed 100.004 is the 100.00 the cell shows.
#include <cmath>

namespace travesa::centavos {

inline long long De(double monto) { return std::llround(monto * 100); }
inline double Monto(long long centavos) { return static_cast<double>(centavos) / 100; }
// The amount rounded to the cent.
inline double Redondea(double monto) { return Monto(De(monto)); }

}  // namespace travesa::centavos
