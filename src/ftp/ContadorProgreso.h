#pragma once
// The progress events of a chunked transfer. The file is counted in chunks of
// 255 bytes: one event after each full chunk (255, 510, ...) and a last one
// with the whole length once the transfer is complete, so 600 bytes give 255,
// 510 and 600 of 600, and an empty file gives only 0 of 0. The network itself
// moves large buffers; this class turns the bytes moved into those events.
// With a minimum interval, chunk events that would come closer together than
// that are left out (the screen could not show them); the final event never is.
#include <chrono>
#include <cstdint>
#include <functional>

namespace travesa {

class ContadorProgreso {
 public:
  using Evento = std::function<void(std::int64_t lCurrentBytes, std::int64_t lTotalBytes)>;
  static constexpr std::int64_t kTrozo = 255;

  ContadorProgreso(std::int64_t total, Evento evento, std::chrono::milliseconds intervalo = {});

  // `bytes` more have moved. Raises the events of the chunks they complete.
  void Avanza(std::int64_t bytes);
  // The whole file has moved: the final event.
  void Termina();

  std::int64_t movidos() const { return movidos_; }
  std::int64_t total() const { return total_; }
  // True while the bytes moved lie within the full chunks (false in the last piece).
  bool EnTrozosCompletos() const { return movidos_ < (total_ / kTrozo) * kTrozo; }

 private:
  void Avisa(std::int64_t actual);

  std::int64_t total_;
  Evento evento_;
  std::chrono::milliseconds intervalo_;
  std::int64_t movidos_ = 0;
  std::int64_t trozosAvisados_ = 0;
  std::chrono::steady_clock::time_point ultimo_{};
};

}  // namespace travesa
