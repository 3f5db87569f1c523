#pragma once
// `travesa generar [--vendedor CLAVE]`: one publish run without its question.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoGenerar {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
