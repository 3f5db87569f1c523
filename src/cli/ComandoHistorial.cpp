#include "cli/ComandoHistorial.h"

#include <iostream>

#include "cli/DiaDeLaOrden.h"
#include "ledger/ConsultaDelHistorial.h"
#include "ledger/HistorialSqlite.h"
#include "shell/Programa.h"

namespace travesa {

int ComandoHistorial::Ejecuta(Programa& programa, const Orden& orden) {
  const std::string dia = DiaDeLaOrden(orden);
  std::cout << ConsultaDelHistorial::Dia(BaseDelHistorial(programa), dia, orden.vendedor, orden.buscar);
  return Salida::kExito;
}

}  // namespace travesa
