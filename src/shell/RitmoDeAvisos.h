#pragma once
// How often a long loop changes the progress label: the first time it asks,
// then at most once an interval (a few times a second). The loop asks before
// it builds the label's text, so a row nobody will see costs one clock read.
#include <chrono>

namespace travesa {

class RitmoDeAvisos {
 public:
  using Reloj = std::chrono::steady_clock;

  explicit RitmoDeAvisos(Reloj::duration intervalo = std::chrono::milliseconds(200)) : intervalo_(intervalo) {}

  // True when the label may change now.
  bool Toca() {
    const Reloj::time_point ahora = Reloj::now();
    if (ahora < siguiente_) return false;
    siguiente_ = ahora + intervalo_;
    return true;
  }

 private:
  Reloj::duration intervalo_;
  Reloj::time_point siguiente_{};
};

}  // namespace travesa
