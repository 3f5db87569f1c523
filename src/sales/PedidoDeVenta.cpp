#include "sales/PedidoDeVenta.h"

#include "sales/ContextoDePosteo.h"
#include "sales/DocumentoDeVenta.h"
#include "sales/VentaPreparada.h"
#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"

namespace travesa {
namespace {

// The product when its free stock covers the quantity.
bool ConExistencia(Conexion& cn, const LineaDeVenta& l, RecordSet& producto) {
  producto.Abre(cn,
                cn.Prepara("SELECT * FROM productos WHERE Clave = ? AND (Existencia - PorVender) >= ?",
                           {Valor(l.producto), Valor(l.cantidad)}),
                "productos");
  return !producto.Eof();
}

void Aparta(Conexion& cn, const LineaDeVenta& l) {
  cn.Execute(cn.Prepara("UPDATE productos SET PorVender = PorVender + ? WHERE Clave = ?",
                        {Valor(l.cantidad), Valor(l.producto)}));
}

}  // namespace

bool PedidoDeVenta::YaExiste(Conexion& cn, const VentaPreparada& v) {
  return DocumentoDeVenta::YaExiste(cn, "pedidos", v);
}

VentaPosteada PedidoDeVenta::Graba(const ContextoDePosteo& c, const VentaPreparada& v) {
  Conexion& cn = c.cn;
  const long folio = DocumentoDeVenta::Folio(c, "PE-", "pedidos");
  DocumentoDeVenta::Campos cabecera = DocumentoDeVenta::Cabecera(c, v, folio, v.venta().fecha);
  DocumentoDeVenta::Cliente(cabecera, v);
  cabecera.Agrega("EstatusWMS", Valor(3));
  cabecera.Agrega("Afectada", Valor(0));
  const long long id = static_cast<long long>(cn.Inserta("pedidos", cabecera.columnas, cabecera.valores));

  DocumentoDeVenta::LimpiaLineas(cn, "pedidosdetalle", id);
  int partida = 1;
  for (const LineaDeVenta& l : v.lineas) {
    RecordSet p;
    const bool existe = c.blSinExist ? c.BuscaProducto(l.producto, p) : ConExistencia(cn, l, p);
    if (!c.blSinExist && !existe) continue;  // not enough stock: left out of the order
    const auto linea = DocumentoDeVenta::Linea(id, partida, l, existe ? &p : nullptr);
    cn.Inserta("pedidosdetalle", linea.columnas, linea.valores);
    if (existe) Aparta(cn, l);
    ++partida;
  }
  return {"Pedido", c.serie, folio, v.venta().cliente, v.nombre, v.total, v.venta().archivo};
}

}  // namespace travesa
