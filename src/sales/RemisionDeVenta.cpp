#include "sales/RemisionDeVenta.h"

#include "sales/ContextoDePosteo.h"
#include "sales/CxcDeVenta.h"
#include "sales/DocumentoDeVenta.h"
#include "sales/VentaPreparada.h"
#include "shell/host/Conexion.h"
#include "shell/host/Lote.h"
#include "shell/host/RecordSet.h"

namespace travesa {

std::string RemisionDeVenta::ConsultaYaExiste(Conexion& cn, const VentaPreparada& v) {
  return DocumentoDeVenta::ConsultaYaExiste(cn, "remisiones", v);
}

VentaPosteada RemisionDeVenta::Graba(const ContextoDePosteo& c, const VentaPreparada& v) {
  Conexion& cn = c.cn;
  const LineaDeVenta& venta = v.venta();
  const bool contado = venta.formaPago == "CO";
  const long folio = DocumentoDeVenta::Folio(c, "RE-", "remisiones");
  DocumentoDeVenta::Campos cabecera =
      DocumentoDeVenta::Cabecera(c, v, folio, contado ? venta.fecha : v.FechaMas(v.diasCredito));
  cabecera.Agrega("FormaPAgo", Valor(contado ? "E" : "C"));
  cabecera.Agrega("Saldo", Valor(contado ? 0.0 : v.total));
  DocumentoDeVenta::Cliente(cabecera, v);
  const long long id = static_cast<long long>(cn.Inserta("remisiones", cabecera.columnas, cabecera.valores));

  Lote lote(cn);
  DocumentoDeVenta::LimpiaLineas(lote, "remisionesdetalle", id);
  const std::string referencia = (c.blSinExist ? "REMISION. " : "REMISION No. ") + std::to_string(folio) + "-";
  DocumentoDeVenta::GrabaLineasYSalida(lote, v, "remisionesdetalle", referencia,
                                       [id](int partida, const LineaDeVenta& l, const RecordSet* p) {
                                         return DocumentoDeVenta::Linea(id, partida, l, p);
                                       });
  CxcDeVenta::Graba(c, v, {"R", id, folio, "Remision", false}, lote);
  lote.Envia();
  return {"Remisión", c.serie, folio, venta.cliente, v.nombre, v.total, venta.archivo, {}};
}

}  // namespace travesa
