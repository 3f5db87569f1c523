#pragma once
// Runs one headless command: start-up, login with the command's right, the job,
// and the exit status.
#include "cli/LineaDeComandos.h"
#include "shell/Operador.h"

namespace travesa {

class Programa;

class Comandos {
 public:
  // argv[0] locates the default program folder.
  static int Ejecuta(const Orden& orden, Operador& operador, const char* argv0);

 private:
  static int ConAcceso(const DefComando& comando, const Orden& orden, Operador& operador, Programa& programa);
};

}  // namespace travesa
