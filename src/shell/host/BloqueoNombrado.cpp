#include "shell/host/BloqueoNombrado.h"

#include <chrono>

#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {

BloqueoNombrado::BloqueoNombrado(Conexion& cn, std::string_view nombre, int segundos, std::string_view ocupado,
                                 const std::atomic<bool>* interrupcion)
    : cn_(cn), nombre_(nombre) {
  bool tomado = false;
  if (interrupcion == nullptr) {
    tomado = Toma(segundos);
  } else {
    // Waited a second at a time, so that a request to stop is heard.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
    do {
      tomado = Toma(segundos > 0 ? 1 : 0);
    } while (!tomado && !interrupcion->load() && std::chrono::steady_clock::now() < limite);
  }
  if (tomado) return;
  if (!ocupado.empty()) throw ErrorTravesa(std::string(ocupado));
  throw ErrorTravesa("Otro equipo está procesando los mismos datos («" + nombre_ +
                     "»). Espere a que termine e inténtelo de nuevo.");
}

bool BloqueoNombrado::Toma(int segundos) {
  return cn_.Escalar(cn_.Prepara("SELECT GET_LOCK(?, ?)", {Valor(nombre_), Valor(segundos)})).Entero() == 1;
}

BloqueoNombrado::~BloqueoNombrado() {
  try {
    cn_.Escalar(cn_.Prepara("SELECT RELEASE_LOCK(?)", {Valor(nombre_)}));
  } catch (...) {
    // The server frees the lock with the connection anyway.
  }
}

}  // namespace travesa
