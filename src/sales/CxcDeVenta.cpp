#include "sales/CxcDeVenta.h"

#include <string>

#include "sales/ContextoDePosteo.h"
#include "sales/VentaPreparada.h"
#include "shell/host/Conexion.h"
#include "shell/host/Lote.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Movimientos.h"

namespace travesa {
namespace {

long long NuevoMovimiento(Conexion& cn) { return Movimientos::Foliar(cn, "Foliote", "edoctacli", "Id"); }

void Recalcula(Lote& lote, long long movimiento) {
  Movimientos::CalculaEdoCta(movimiento, lote, "edoctacli", "saldoscli");
}

}  // namespace

void CxcDeVenta::Graba(const ContextoDePosteo& c, const VentaPreparada& v, const Documento& d, Lote& lote) {
  Conexion& cn = c.cn;
  const LineaDeVenta& venta = v.venta();
  const std::string hora = venta.HoraCorta();
  const std::string folio = std::to_string(d.folio);
  const long long cargo = NuevoMovimiento(cn);
  const long long movimiento = Movimientos::Foliar(cn, "Movimiento", "edoctacli", "Folio");
  lote.Inserta("edoctacli",
               {"Id", "Folio", "Fecha", "Hora", "Clave", "CantidadCargo", "Concepto", "MontoTotal", "FechaDePago"},
             {Valor(cargo), Valor(movimiento), Valor(venta.fecha), Valor(hora), Valor(venta.cliente), Valor(v.total),
              Valor("CARGO " + c.textoDocumento + " " + folio), Valor(v.total), Valor(venta.fecha)});
  GrabaSaldoOPago(c, v, d, movimiento, lote);
  Recalcula(lote, cargo);
}

void CxcDeVenta::GrabaSaldoOPago(const ContextoDePosteo& c, const VentaPreparada& v, const Documento& d,
                                 long long movimiento, Lote& lote) {
  Conexion& cn = c.cn;
  const LineaDeVenta& venta = v.venta();
  const std::string hora = venta.HoraCorta();
  const std::string folio = std::to_string(d.folio);
  const long long numero = d.numeroEsMovimiento ? movimiento : d.id;
  if (venta.formaPago == "C") {
    lote.Inserta("cxc", {"Clave", "Vencimiento", "Tipo", "Numero", "numpago", "Saldo"},
               {Valor(venta.cliente), Valor(v.FechaMas(v.diasCredito)), Valor(d.tipo), Valor(numero), Valor(1),
                Valor(v.total)});
    return;
  }
  const int n = c.formaDePagoConfigurada;
  if (n < 0 || n > 8) {
    throw ErrorTravesa("La forma de pago de las ventas pagadas (FDPEVACDPDV = " + std::to_string(n) +
                       " en configura) no existe: debe ser de 1 a 8, o 0 para ninguna.");
  }
  const double monto = n == 0 ? 0 : venta.formasDePago[static_cast<std::size_t>(n - 1)];
  if (!(monto > 0)) return;

  // The payment covers the whole total, so the sale's receivable is settled at
  // once and, with nothing left to pay, not kept.
  const long long pago = NuevoMovimiento(cn);
  std::vector<std::string> columnas = {"Id", "Folio", "Fecha", "Hora", "Clave", "CantidadPago", "Efectivo"};
  std::vector<Valor> valores = {Valor(pago),         Valor(movimiento), Valor(venta.fecha),
                                Valor(hora),         Valor(venta.cliente), Valor(v.total),
                                Valor(venta.formasDePago[0])};
  for (std::size_t k = 2; k <= 8; ++k) {
    columnas.push_back("FPago" + std::to_string(k));
    valores.emplace_back(venta.formasDePago[k - 1]);
  }
  columnas.insert(columnas.end(), {"Concepto", "MontoTotal", "FechaDePago"});
  valores.insert(valores.end(), {Valor("PAGO " + c.textoDocumento + " " + folio), Valor(v.total), Valor(venta.fecha)});
  lote.Inserta("edoctacli", columnas, valores);
  lote.Inserta("anexopagosctes",
             {"FolioDelPago", "Cantidad", "CantidadReal", d.columnaAnexo, "FechaReal", "Hora", "FechaAplicacion",
              "SaldoAnterior"},
             {Valor(movimiento), Valor(v.total), Valor(v.total), Valor(d.id), Valor(venta.fecha), Valor(hora),
              Valor(venta.fecha), Valor(v.total)});
}

}  // namespace travesa
