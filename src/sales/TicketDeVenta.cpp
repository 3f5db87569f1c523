#include "sales/TicketDeVenta.h"

#include <algorithm>

#include "sales/ContextoDePosteo.h"
#include "sales/CxcDeVenta.h"
#include "sales/VentaPreparada.h"
#include "shell/host/Conexion.h"
#include "shell/host/Movimientos.h"
#include "shell/host/RecordSet.h"

namespace travesa {

bool TicketDeVenta::YaExiste(Conexion& cn, const VentaPreparada& v) {
  const LineaDeVenta& venta = v.venta();
  return !cn.Escalar(cn.Prepara("SELECT 1 FROM tickets WHERE Fecha = ? AND Hora = ? AND Cliente = ? AND "
                                "Vendedor = ? AND total = CAST(? AS DECIMAL(14,4)) LIMIT 1",
                                {Valor(venta.fecha), Valor(venta.HoraCorta()), Valor(venta.cliente),
                                 Valor(venta.vendedor), Valor(v.total)}))
              .EsNulo();
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
  cn.Execute("DELETE FROM ticketsdetalle WHERE IdTicket = " + std::to_string(id));
  int partida = 1;
  for (const LineaDeVenta& l : v.lineas) {
    RecordSet p;
    const bool existe = c.BuscaProducto(l.producto, p);
    std::vector<std::string> cl = {"Venta",    "Partida", "Fecha",          "Hora",   "Producto",
                                   "Cantidad", "Precio",  "NumeroDePrecio", "Usuario"};
    std::vector<Valor> vl = {Valor(folio),      Valor(partida),  Valor(l.fecha),     Valor(l.HoraCorta()),
                             Valor(l.producto), Valor(l.cantidad), Valor(l.precio), Valor(l.numPrecio),
                             Valor(l.vendedor)};
    if (existe) {
      cl.insert(cl.end(), {"Descrip", "CostoProm", "Precio1", "IVA", "Adicional"});
      vl.insert(vl.end(), {Valor(p.Fields("Descrip").Texto()), Valor(p.Fields("CostoProm").Numero()),
                           Valor(p.Fields("Precio1").Numero()), Valor(p.Fields("IVA").Numero()),
                           Valor(p.Fields("ImpuestoAd").Numero())});
    }
    cl.push_back("IdTicket");
    vl.emplace_back(id);
    cn.Inserta("ticketsdetalle", cl, vl);
    if (existe) {
      Movimientos::GrabaHistAlmacen(venta.vendedor, p, cn, 0, l.cantidad, l.fecha,
                                    "TICKET No. " + std::to_string(folio) + "-" + std::to_string(partida),
                                    venta.cliente, v.nombre);
    }
    ++partida;
  }
  CxcDeVenta::Graba(c, v, {"C", id, folio, "Cargo", true});
  return {"Ticket", "", folio, venta.cliente, v.nombre, v.total, venta.archivo};
}

}  // namespace travesa
