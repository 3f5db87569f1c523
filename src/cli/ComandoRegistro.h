#pragma once
// `travesa registro`: prints the values of the Norvento installation record
// (user and password masked) or, with nombre=valor arguments, writes them (user
// and password encrypted). It needs no database.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoRegistro {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
