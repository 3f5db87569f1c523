#include "cli/ComandoLiquidacion.h"

#include <iostream>

#include "cli/DiaDeLaOrden.h"
#include "ledger/HistorialSqlite.h"
#include "ledger/Liquidacion.h"
#include "shell/Dialogos.h"
#include "shell/Programa.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {

EscritorDePdf ComandoLiquidacion::escritorDePdf = nullptr;

int ComandoLiquidacion::Ejecuta(Programa& programa, const Orden& orden) {
  if (orden.vendedor.empty()) throw ErrorTravesa("Indique el vendedor con «--vendedor CLAVE».");
  const std::string dia = DiaDeLaOrden(orden);
  BaseSqlite& historial = BaseDelHistorial(programa);
  Operador& op = programa.operador();
  if (orden.cerrar) {
    if (op.Mensaje(CalculoDeLiquidacion::PreguntaDeCierre(orden.vendedor, dia), Botones::kSiNo | Botones::kPregunta,
                   "Cerrar liquidación") != Botones::kRespSi)
      return Salida::kFallo;
    CalculoDeLiquidacion::Cierra(historial, orden.vendedor, dia, programa.usuario());
  }
  const Liquidacion l = CalculoDeLiquidacion::Calcula(historial, &programa.principal(), orden.vendedor, dia);
  std::cout << (orden.json ? CalculoDeLiquidacion::Json(l) : CalculoDeLiquidacion::Texto(l));
  if (orden.pdf.empty()) return Salida::kExito;
  if (escritorDePdf == nullptr) throw ErrorTravesa("Este ejecutable se compiló sin ventana y no puede escribir PDF.");
  escritorDePdf(l, orden.pdf);
  std::cout << "Liquidación guardada en «" << orden.pdf << "».\n";
  return Salida::kExito;
}

}  // namespace travesa
