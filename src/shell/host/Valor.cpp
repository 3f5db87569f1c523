#include "shell/host/Valor.h"

#include <charconv>
#include <cmath>

#include "shell/host/libNalda.h"

namespace travesa {

Valor::Valor(double n) : tipo_(Tipo::Real) {
  char buf[64];
  auto [fin, ec] = std::to_chars(buf, buf + sizeof buf, n);
  texto_.assign(buf, ec == std::errc() ? fin : buf);
}

Valor Valor::DesdeBD(const char* datos, std::size_t largo, Tipo tipo) {
  Valor v;
  if (datos == nullptr) return v;
  v.tipo_ = tipo == Tipo::Nulo ? Tipo::Texto : tipo;
  v.texto_.assign(datos, largo);
  return v;
}

double Valor::Numero() const {
  if (tipo_ == Tipo::Nulo) return 0;
  return libNalda::prVal(texto_);
}

long long Valor::Entero() const {
  const double n = Numero();
  if (!std::isfinite(n)) return 0;
  return static_cast<long long>(std::llround(n));
}

}  // namespace travesa
