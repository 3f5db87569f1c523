#include "cli/ComandoLeer.h"

#include <cstdlib>

#include "sales/DescargaDeVentas.h"
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
  const ResultadoVentas r =
      DescargaDeVentas::EjecutaDescarga(programa, programa.operador(), programa.ajustes(), SegundosDeEspera());
  DescargaDeVentas::Avisa(programa.operador(), programa.carpeta(), r);
  return r.Completo() ? Salida::kExito : Salida::kFallo;
}

}  // namespace travesa
