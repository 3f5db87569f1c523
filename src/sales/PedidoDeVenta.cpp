#include "sales/PedidoDeVenta.h"

#include "sales/ContextoDePosteo.h"
#include "sales/DocumentoDeVenta.h"
#include "sales/LibreDeProductos.h"
#include "sales/ProductosDeLaVenta.h"
#include "sales/VentaPreparada.h"
#include "shell/host/Conexion.h"
#include "shell/host/LlaveUnica.h"
#include "shell/host/Lote.h"
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

std::string Aparta(Conexion& cn, const LineaDeVenta& l) {
  return cn.Prepara("UPDATE productos SET PorVender = PorVender + ? WHERE Clave = ?",
                    {Valor(l.cantidad), Valor(l.producto)});
}

// The reserved stock of the lines whose product no other line names, in one
// statement when each code can name only one row, line by line otherwise.
void ApartaJuntas(Lote& lote, const std::vector<const LineaDeVenta*>& lineas) {
  if (lineas.empty()) return;
  Conexion& cn = lote.cn();
  if (lineas.size() == 1 || !LlaveUnica::Tiene(cn, "productos", "Clave")) {
    for (const LineaDeVenta* l : lineas) lote.Execute(Aparta(cn, *l));
    return;
  }
  std::string casos, lista;
  std::vector<Valor> valores, claves;
  for (const LineaDeVenta* l : lineas) {
    casos += " WHEN ? THEN ?";
    lista += lista.empty() ? "?" : ",?";
    valores.insert(valores.end(), {Valor(l->producto), Valor(l->cantidad)});
    claves.emplace_back(l->producto);
  }
  valores.insert(valores.end(), claves.begin(), claves.end());
  lote.Execute(cn.Prepara(
      "UPDATE productos SET PorVender = PorVender + CASE Clave" + casos + " ELSE 0 END WHERE Clave IN (" + lista + ")",
      valores));
}

std::string Clave(const RecordSet& producto) { return producto.Fields("Clave").Texto(); }
std::string Cantidad(const LineaDeVenta& l) { return Valor(l.cantidad).Texto(); }
std::string Libre(const RecordSet& producto) {
  return producto.TieneColumna("TravesaLibre") ? producto.Fields("TravesaLibre").Texto() : std::string();
}

// Whether the free stock read with the block decides every line of the sale:
// each code names one row at most, and each figure is exact to the scale.
bool DecideElBloque(const ContextoDePosteo& c, const VentaPreparada& v) {
  if (v.productos == nullptr) return false;
  if (c.blSinExist) return true;
  if (c.libre == nullptr || !LlaveUnica::Tiene(c.cn, "productos", "Clave")) return false;
  ProductosDeLaVenta productos(*v.productos, v.primeraLinea, v.lineas.size());
  for (std::size_t i = 0; i < v.lineas.size(); ++i)
    if (const RecordSet* p = productos.De(i); p && !c.libre->Sabe(Clave(*p), Libre(*p), Cantidad(v.lineas[i])))
      return false;
  return true;
}

}  // namespace

std::string PedidoDeVenta::ConsultaYaExiste(Conexion& cn, const VentaPreparada& v) {
  return DocumentoDeVenta::ConsultaYaExiste(cn, "pedidos", v);
}

VentaPosteada PedidoDeVenta::Graba(const ContextoDePosteo& c, const VentaPreparada& v) {
  Conexion& cn = c.cn;
  const long folio = DocumentoDeVenta::Folio(c, "PE-", "pedidos");
  DocumentoDeVenta::Campos cabecera = DocumentoDeVenta::Cabecera(c, v, folio, v.venta().fecha);
  DocumentoDeVenta::Cliente(cabecera, v);
  cabecera.Agrega("EstatusWMS", Valor(3));
  cabecera.Agrega("Afectada", Valor(0));
  const long long id = static_cast<long long>(cn.Inserta("pedidos", cabecera.columnas, cabecera.valores));

  Lote lote(cn);
  DocumentoDeVenta::LimpiaLineas(lote, "pedidosdetalle", id);
  // The products read with the block decide the lines when their free stock
  // is known to the scale (see LibreDeProductos). Otherwise they are read
  // with one query, which also says whether each one's free stock covers its
  // line, and a product of more than one line is asked again line by line,
  // after the lines before it took their share.
  const bool delBloque = DecideElBloque(c, v);
  ProductosDeLaVenta productos = delBloque ? ProductosDeLaVenta(*v.productos, v.primeraLinea, v.lineas.size())
                                           : ProductosDeLaVenta(cn, v.lineas, !c.blSinExist, c.columnasDeProductos);
  std::vector<DocumentoDeVenta::Campos> lineas;
  std::vector<const LineaDeVenta*> apartadas;
  for (std::size_t i = 0; i < v.lineas.size(); ++i) {
    const LineaDeVenta& l = v.lineas[i];
    const bool solo = productos.SoloDeSuLinea(i);
    RecordSet conExistencia;
    const RecordSet* p = productos.De(i);
    if (!c.blSinExist) {
      if (delBloque) {
        if (p != nullptr && !c.libre->Aparta(Clave(*p), Libre(*p), Cantidad(l))) p = nullptr;
      } else if (solo) {
        if (!productos.LibreCubre(i)) p = nullptr;
      } else {
        p = ConExistencia(cn, l, conExistencia) ? &conExistencia : nullptr;
      }
      if (p == nullptr) continue;  // not enough stock: left out of the order
      if (!delBloque && c.libre != nullptr) c.libre->Anota(Clave(*p), Cantidad(l));
    }
    lineas.push_back(DocumentoDeVenta::Linea(id, static_cast<int>(lineas.size()) + 1, l, p));
    if (p == nullptr) continue;
    if (solo) {
      apartadas.push_back(&l);
    } else if (delBloque) {
      lote.Execute(Aparta(cn, l));
    } else {
      cn.Execute(Aparta(cn, l));
    }
  }
  ApartaJuntas(lote, apartadas);
  DocumentoDeVenta::InsertaLineas(lote, "pedidosdetalle", lineas);
  lote.Envia();
  return {"Pedido", c.serie, folio, v.venta().cliente, v.nombre, v.total, v.venta().archivo, {}};
}

}  // namespace travesa
