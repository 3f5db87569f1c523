#pragma once
// The request to stop that a signal (SIGTERM, SIGINT) brings to a headless
// run. Jobs hand the flag to their FTP client, which then ends a transfer in
// progress at once, and look at it between steps.
#include <atomic>

namespace travesa {

class Interrupcion {
 public:
  // Safe inside a signal handler.
  static void Pide() noexcept { bandera_.store(true); }
  static bool Pedida() noexcept { return bandera_.load(); }
  static void Olvida() noexcept { bandera_.store(false); }
  static const std::atomic<bool>& Bandera() noexcept { return bandera_; }

 private:
  static_assert(std::atomic<bool>::is_always_lock_free);
  static inline std::atomic<bool> bandera_{false};
};

}  // namespace travesa
