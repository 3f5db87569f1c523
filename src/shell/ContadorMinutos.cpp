#include "shell/ContadorMinutos.h"

#include "shell/host/libNalda.h"

namespace travesa {

bool ContadorMinutos::Tic(std::string_view minutosAjuste) {
  if (++segundos_ == 60) {
    segundos_ = 0;
    ++minutos_;
  }
  // The page never stores less than 1; a hand-edited 0 must not publish every second.
  double limite = libNalda::prVal(minutosAjuste);
  if (limite < 1) limite = 1;
  if (minutos_ < limite) return false;
  minutos_ = 0;
  return true;
}

void ContadorMinutos::Reinicia() {
  segundos_ = 0;
  minutos_ = 0;
}

}  // namespace travesa
