#pragma once
// `travesa leer`: the read run from a terminal. For now it runs the sales
// import and posting and prints the final message; exit 1 when a sale could
// not be posted or the site could not be reached.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoLeer {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
