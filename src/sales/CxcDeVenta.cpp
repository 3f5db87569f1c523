#include "sales/CxcDeVenta.h"

#include <string>

#include "sales/ContextoDePosteo.h"
#include "sales/VentaPreparada.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Lote.h"
#include "shell/host/Movimientos.h"

namespace travesa {
namespace {

// The amount paid with the sale in the configured payment form: 0 for a
// credit sale, or when that form carries nothing.
double MontoPagado(const ContextoDePosteo& c, const LineaDeVenta& venta) {
  if (venta.formaPago == "C") return 0;
  const int n = c.formaDePagoConfigurada;
  if (n < 0 || n > 8) {
    throw ErrorTravesa("La forma de pago de las ventas pagadas (FDPEVACDPDV = " + std::to_string(n) +
                       " en configura) no existe: debe ser de 1 a 8, o 0 para ninguna.");
  }
  return n == 0 ? 0 : venta.formasDePago[static_cast<std::size_t>(n - 1)];
}

}  // namespace

void CxcDeVenta::Graba(const ContextoDePosteo& c, const VentaPreparada& v, const Documento& d, Lote& lote) {
  const LineaDeVenta& venta = v.venta();
  const bool pagada = MontoPagado(c, venta) > 0;
  // The charge's entry, the movement folio and, for a paid sale, the payment's entry.
  std::vector<Movimientos::Contador> contadores = {{"Foliote", "edoctacli", "Id"},
                                                   {"Movimiento", "edoctacli", "Folio"}};
  if (pagada) contadores.push_back({"Foliote", "edoctacli", "Id"});
  const std::vector<long long> folios = Movimientos::Foliar(c.cn, contadores);
  const long long cargo = folios[0];
  const long long movimiento = folios[1];
  lote.Inserta("edoctacli",
               {"Id", "Folio", "Fecha", "Hora", "Clave", "CantidadCargo", "Concepto", "MontoTotal", "FechaDePago"},
               {Valor(cargo), Valor(movimiento), Valor(venta.fecha), Valor(venta.HoraCorta()), Valor(venta.cliente),
                Valor(v.total), Valor("CARGO " + c.textoDocumento + " " + std::to_string(d.folio)), Valor(v.total),
                Valor(venta.fecha)});
  if (venta.formaPago == "C") {
    const long long numero = d.numeroEsMovimiento ? movimiento : d.id;
    lote.Inserta("cxc", {"Clave", "Vencimiento", "Tipo", "Numero", "numpago", "Saldo"},
                 {Valor(venta.cliente), Valor(v.FechaMas(v.diasCredito)), Valor(d.tipo), Valor(numero), Valor(1),
                  Valor(v.total)});
  } else if (pagada) {
    GrabaPago(c, v, d, movimiento, folios[2], lote);
  }
  Movimientos::CalculaEdoCta(cargo, lote, "edoctacli", "saldoscli");
}

// The payment covers the whole total, so the sale's receivable is settled at
// once and, with nothing left to pay, not kept.
void CxcDeVenta::GrabaPago(const ContextoDePosteo& c, const VentaPreparada& v, const Documento& d, long long movimiento,
                           long long pago, Lote& lote) {
  const LineaDeVenta& venta = v.venta();
  const std::string hora = venta.HoraCorta();
  const std::string folio = std::to_string(d.folio);
  std::vector<std::string> columnas = {"Id", "Folio", "Fecha", "Hora", "Clave", "CantidadPago", "Efectivo"};
  std::vector<Valor> valores = {Valor(pago),          Valor(movimiento), Valor(venta.fecha),          Valor(hora),
                                Valor(venta.cliente), Valor(v.total),    Valor(venta.formasDePago[0])};
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
