#include "sales/TicketDeVenta.h"

#include <algorithm>

#include "sales/ContextoDePosteo.h"
#include "sales/CxcDeVenta.h"
#include "sales/DocumentoDeVenta.h"
#include "sales/VentaPreparada.h"
#include "shell/host/Conexion.h"
#include "shell/host/Lote.h"
#include "shell/host/Movimientos.h"
#include "shell/host/RecordSet.h"

namespace travesa {

namespace {

// A line of `ticketsdetalle`; the product's columns only when it was found.
DocumentoDeVenta::Campos Linea(long long folio, int partida, long long id, const LineaDeVenta& l, const RecordSet* p) {
  DocumentoDeVenta::Campos k;
  k.Agrega("Venta", Valor(folio));
  k.Agrega("Partida", Valor(partida));
  k.Agrega("Fecha", Valor(l.fecha));
  k.Agrega("Hora", Valor(l.HoraCorta()));
  k.Agrega("Producto", Valor(l.producto));
  k.Agrega("Cantidad", Valor(l.cantidad));
  k.Agrega("Precio", Valor(l.precio));
  k.Agrega("NumeroDePrecio", Valor(l.numPrecio));
  k.Agrega("Usuario", Valor(l.vendedor));
  if (p != nullptr) {
    k.Agrega("Descrip", Valor(p->Fields("Descrip").Texto()));
    k.Agrega("CostoProm", Valor(p->Fields("CostoProm").Numero()));
    k.Agrega("Precio1", Valor(p->Fields("Precio1").Numero()));
    k.Agrega("IVA", Valor(p->Fields("IVA").Numero()));
    k.Agrega("Adicional", Valor(p->Fields("ImpuestoAd").Numero()));
  }
  k.Agrega("IdTicket", Valor(id));
  return k;
}

}  // namespace

// The total to the cent: older installations keep it with two decimals, or
// as FLOAT, and never hold the phone's four exactly.
std::string TicketDeVenta::ConsultaYaExiste(Conexion& cn, const VentaPreparada& v) {
  const LineaDeVenta& venta = v.venta();
  return cn.Prepara(
      "SELECT 1 FROM tickets WHERE Fecha = ? AND Hora = ? AND Cliente = ? AND "
      "Vendedor = ? AND CAST(total AS DECIMAL(14,2)) = CAST(CAST(? AS DECIMAL(14,4)) AS "
      "DECIMAL(14,2)) LIMIT 1",
      {Valor(venta.fecha), Valor(venta.HoraCorta()), Valor(venta.cliente), Valor(venta.vendedor), Valor(v.total)});
}

VentaPosteada TicketDeVenta::Graba(const ContextoDePosteo& c, const VentaPreparada& v) {
  Conexion& cn = c.cn;
  const LineaDeVenta& venta = v.venta();
  const long long folio = Movimientos::Foliar(cn, "Venta", "tickets", "Venta");

  std::vector<std::string> columnas = {"Venta",   "Fecha", "Hora",     "Vendedor", "Cliente",
                                       "Usuario", "total", "Partidas", "Efectivo"};
  std::vector<Valor> valores = {Valor(folio),          Valor(venta.fecha),   Valor(venta.HoraCorta()),
                                Valor(venta.vendedor), Valor(venta.cliente), Valor(venta.vendedor),
                                Valor(v.total),        Valor(v.Partidas())};
  const auto& fp = venta.formasDePago;
  const bool sinFormas = std::all_of(fp.begin(), fp.end(), [](double m) { return m == 0; });
  if (sinFormas) {
    valores.emplace_back(v.total);
  } else {
    valores.emplace_back(fp[0]);
    columnas.push_back("TC");
    valores.emplace_back(fp[1]);
    for (std::size_t k = 3; k <= 8; ++k) {
      columnas.push_back("FPago" + std::to_string(k));
      valores.emplace_back(fp[k - 1]);
    }
  }
  const long long id = static_cast<long long>(cn.Inserta("tickets", columnas, valores));

  // Only the new ticket's own lines (there are none yet).
  Lote lote(cn);
  lote.Execute("DELETE FROM ticketsdetalle WHERE IdTicket = " + std::to_string(id));
  DocumentoDeVenta::GrabaLineasYSalida(
      lote, v, "ticketsdetalle", "TICKET No. " + std::to_string(folio) + "-",
      [&](int partida, const LineaDeVenta& l, const RecordSet* p) { return Linea(folio, partida, id, l, p); });
  CxcDeVenta::Graba(c, v, {"C", id, folio, "Cargo", true}, lote);
  lote.Envia();
  return {"Ticket", "", folio, venta.cliente, v.nombre, v.total, venta.archivo, {}};
}

}  // namespace travesa
