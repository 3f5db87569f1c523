#pragma once
// `travesa borrar`: removes the sales files still on the site, after its
// question (copies of them stay in `respaldo/`).
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoBorrar {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
