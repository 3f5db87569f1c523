#include "cli/ComandoLeer.h"

#include <cstdlib>
#include <iostream>

#include "sales/LecturaDeArchivos.h"
#include "sales/ResumenEnTabla.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/Programa.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

// How long to wait for another desk's run; TRAVESA_ESPERA_BLOQUEO (seconds)
// shortens it for tests.
int SegundosDeEspera() {
  if (const char* v = std::getenv("TRAVESA_ESPERA_BLOQUEO")) {
    const double n = libNalda::prVal(v);
    if (n >= 0 && n < 3600) return static_cast<int>(n);
  }
  return clsDescargarSQLs::kEsperaDelBloqueo;
}

}  // namespace

int ComandoLeer::Ejecuta(Programa& programa, const Orden& orden) {
  (void)orden;
  LecturaDeArchivos lectura(programa, programa.operador(), SegundosDeEspera());
  const ResumenLectura r = lectura.Leer(programa.ajustes());
  if (r.conectado) std::cout << "\n" << ResumenEnTabla::Texto(r) << std::flush;
  return r.Completo() ? Salida::kExito : Salida::kFallo;
}

}  // namespace travesa
