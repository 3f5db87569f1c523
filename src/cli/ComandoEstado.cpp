#include "cli/ComandoEstado.h"

#include <iostream>

#include "ledger/ConsultaDelHistorial.h"
#include "ledger/HistorialSqlite.h"
#include "shell/Programa.h"

namespace travesa {

int ComandoEstado::Ejecuta(Programa& programa, const Orden& orden) {
  const auto estado = ConsultaDelHistorial::Estado(BaseDelHistorial(programa), programa.Vendedores(),
                                                   ConsultaDelHistorial::HorasSinEnviar(programa));
  std::cout << (orden.json ? ConsultaDelHistorial::JsonDeEstado(estado) : ConsultaDelHistorial::TextoDeEstado(estado));
  for (const auto& e : estado)
    if (e.senalado) return Salida::kFallo;
  return Salida::kExito;
}

}  // namespace travesa
