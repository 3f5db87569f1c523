#pragma once
// `travesa estado`: each seller's last file, publish and read run; exit 1
// when a seller is flagged, so a timer or a monitoring check can alert.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoEstado {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
