#include "ftp/ContadorProgreso.h"

#include <algorithm>

namespace travesa {

ContadorProgreso::ContadorProgreso(std::int64_t total, Evento evento, std::chrono::milliseconds intervalo)
    : total_(total), evento_(std::move(evento)), intervalo_(intervalo) {}

void ContadorProgreso::Avanza(std::int64_t bytes) {
  movidos_ += bytes;
  // Never past the full chunks of the announced length, whatever arrives.
  const std::int64_t trozos = std::min(movidos_, total_) / kTrozo;
  while (trozosAvisados_ < trozos) {
    ++trozosAvisados_;
    const auto ahora = std::chrono::steady_clock::now();
    const bool ultimoTrozo = trozosAvisados_ == trozos;
    if (intervalo_.count() > 0 && !ultimoTrozo) continue;
    if (intervalo_.count() > 0 && ahora - ultimo_ < intervalo_) continue;
    ultimo_ = ahora;
    Avisa(trozosAvisados_ * kTrozo);
  }
}

void ContadorProgreso::Termina() { Avisa(total_); }

void ContadorProgreso::Avisa(std::int64_t actual) {
  if (evento_) evento_(actual, total_);
}

}  // namespace travesa
