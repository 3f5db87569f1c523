#pragma once
// The one-second timer of automatic publishing: seconds 0 to 59 and minutes.
// When the minutes reach the setting a publish run is due and the minutes start
// again from 0; the seconds keep running. Used by the desktop timer and by the
// headless service alike.
#include <string_view>

namespace travesa {

class ContadorMinutos {
 public:
  // One tick. True when a publish run is due now.
  bool Tic(std::string_view minutosAjuste);
  void Reinicia();
  int Segundos() const { return segundos_; }
  int Minutos() const { return minutos_; }

 private:
  int segundos_ = 0;
  int minutos_ = 0;
};

}  // namespace travesa
