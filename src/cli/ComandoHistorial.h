#pragma once
// `travesa historial`: the runs of a day, their files and documents.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoHistorial {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
