#pragma once
// `travesa pagos [--vendedor CLAVE] [--aplicar] [--monto IDCXC=VALOR ...]`:
// downloads the payment files, prints the review rows with their totals and,
// with --aplicar and after its question, applies them. Exit 1 as well when a
// file could not come down (it stays on the site for the next run).
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoPagos {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
