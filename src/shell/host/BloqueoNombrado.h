#pragma once
// A named database lock (GET_LOCK) held for a whole run, so a second desk's run
// on the same database waits for the first instead of using its staging table.
#include <atomic>
#include <string>
#include <string_view>

namespace travesa {

class Conexion;

class BloqueoNombrado {
 public:
  // Waits up to `segundos`; throws ErrorTravesa with a clear message (`ocupado`
  // when given) when the lock is still held by another run. With
  // `interrupcion`, the wait also ends, with that message, once the flag turns true.
  BloqueoNombrado(Conexion& cn, std::string_view nombre, int segundos, std::string_view ocupado = {},
                  const std::atomic<bool>* interrupcion = nullptr);
  ~BloqueoNombrado();
  BloqueoNombrado(const BloqueoNombrado&) = delete;
  BloqueoNombrado& operator=(const BloqueoNombrado&) = delete;

 private:
  bool Toma(int segundos);

  Conexion& cn_;
  std::string nombre_;
};

}  // namespace travesa
