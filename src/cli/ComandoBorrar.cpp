#include "cli/ComandoBorrar.h"

#include "sales/BorradoDeVentas.h"
#include "shell/Programa.h"

namespace travesa {

int ComandoBorrar::Ejecuta(Programa& programa, const Orden& orden) {
  (void)orden;
  Operador& op = programa.operador();
  if (!BorradoDeVentas::Confirma(op)) {
    op.Mensaje("No se borró ningún archivo.", Botones::kSoloAceptar, "Eliminar archivos");
    return Salida::kFallo;
  }
  const auto r = BorradoDeVentas::EjecutaBorrado(programa, op, programa.ajustes());
  BorradoDeVentas::MensajeFinal(op, r);
  return r.Completo() ? Salida::kExito : Salida::kFallo;
}

}  // namespace travesa
