#pragma once
// `travesa probar`: the connection test of the settings page with the saved FTP
// settings. The slashes it adds to the folder are not saved (as on the page,
// where only Grabar saves them).
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoProbar {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
