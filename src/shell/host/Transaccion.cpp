#include "shell/host/Transaccion.h"

#include "shell/host/Conexion.h"

namespace travesa {

Transaccion::Transaccion(Conexion& cn) : cn_(cn) { cn_.Comienza(); }

Transaccion::~Transaccion() {
  if (!terminada_) cn_.Deshace();
}

void Transaccion::Confirma() {
  cn_.Confirma();
  terminada_ = true;
}

}  // namespace travesa
