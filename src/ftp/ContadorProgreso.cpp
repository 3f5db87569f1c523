#include "ftp/ContadorProgreso.h"

#include <algorithm>

namespace travesa {

ContadorProgreso::ContadorProgreso(std::int64_t total, Evento evento, std::chrono::milliseconds intervalo)
    : total_(total), evento_(std::move(evento)), intervalo_(intervalo) {}

void ContadorProgreso::Avanza(std::int64_t bytes) {
  movidos_ += bytes;
  // Never past the full chunks of the announced length, whatever arrives.
  const std::int64_t trozos = std::min(movidos_, total_) / kTrozo;
  if (trozosAvisados_ >= trozos) return;
  if (intervalo_.count() == 0) {
    while (trozosAvisados_ < trozos) Avisa(++trozosAvisados_ * kTrozo);
    return;
  }
  // With an interval only the last chunk completed can be shown, and only
  // when the previous event is old enough: one clock read per buffer, not
  // one per chunk.
  trozosAvisados_ = trozos;
  const auto ahora = std::chrono::steady_clock::now();
  if (ahora - ultimo_ < intervalo_) return;
  ultimo_ = ahora;
  Avisa(trozos * kTrozo);
}

void ContadorProgreso::Termina() { Avisa(total_); }

void ContadorProgreso::Avisa(std::int64_t actual) {
  if (evento_) evento_(actual, total_);
}

}  // namespace travesa
