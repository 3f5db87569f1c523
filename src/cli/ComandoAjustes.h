#pragma once
// `travesa ajustes`: prints every setting as campo=valor (secrets masked); with
// campo=valor arguments checks them all, then stores them as the settings page
// stores them.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoAjustes {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
