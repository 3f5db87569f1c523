#include "shell/host/BloqueoNombrado.h"

#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {

BloqueoNombrado::BloqueoNombrado(Conexion& cn, std::string_view nombre, int segundos)
    : cn_(cn), nombre_(nombre) {
  const Valor r = cn_.Escalar(
      cn_.Prepara("SELECT GET_LOCK(?, ?)", {Valor(nombre_), Valor(segundos)}));
  if (r.Entero() != 1) {
    throw ErrorTravesa("Otro equipo está procesando los mismos datos («" + nombre_ +
                       "»). Espere a que termine e inténtelo de nuevo.");
  }
}

BloqueoNombrado::~BloqueoNombrado() {
  try {
    cn_.Escalar(cn_.Prepara("SELECT RELEASE_LOCK(?)", {Valor(nombre_)}));
  } catch (...) {
    // The server frees the lock with the connection anyway.
  }
}

}  // namespace travesa
