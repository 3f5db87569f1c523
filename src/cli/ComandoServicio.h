#pragma once
// `travesa servicio [--vendedor CLAVE]`: automatic publishing without a window.
// Publishes at start and then every «Minutos» minutes, counted as the desktop
// timer counts them, while «Automatico» is "S"; a failed run is reported and
// the next one awaited; after each publish, a line per seller tells its last
// file and what waits. SIGTERM or SIGINT end it at once: a transfer in
// progress is broken off, its temporary file never takes the published name.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoServicio {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);

 private:
  static void Publica(Programa& programa, const Orden& orden);
  static void Estado(Programa& programa);
};

}  // namespace travesa
