#include "sales/DocumentoDeVenta.h"

#include "sales/ContextoDePosteo.h"
#include "sales/Folios.h"
#include "sales/ProductosDeLaVenta.h"
#include "sales/SalidaDeAlmacen.h"
#include "sales/VentaPreparada.h"
#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/FilasPorClave.h"
#include "shell/host/Lote.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr const char* kDispositivoConLlave = "bajaventaslini0";
constexpr std::size_t kLargoOtraLlave = 50;

}  // namespace

std::string DocumentoDeVenta::ConsultaYaExiste(Conexion& cn, std::string_view tabla, const VentaPreparada& v) {
  const LineaDeVenta& venta = v.venta();
  return cn.Prepara("SELECT 1 FROM " + IdentificadorSeguro(tabla) +
                        " WHERE Fecha = ? AND LEFT(Hora, 8) = ? AND Cliente = ? AND Vendedor = ? LIMIT 1",
                    {Valor(venta.fecha), Valor(venta.hora.substr(0, 8)), Valor(venta.cliente), Valor(venta.vendedor)});
}

long DocumentoDeVenta::Folio(const ContextoDePosteo& c, std::string_view prefijo, std::string_view tabla) {
  std::string maestra(tabla);
  std::string llave = "Factura";
  return Folios::Foliar_(c.cn, std::string(prefijo) + c.serie, maestra, llave);
}

DocumentoDeVenta::Campos DocumentoDeVenta::Cabecera(const ContextoDePosteo& c, const VentaPreparada& v, long folio,
                                                    const std::string& vence) {
  const LineaDeVenta& venta = v.venta();
  Campos k;
  k.Agrega("Factura", Valor(folio));
  k.Agrega("Serie", Valor(c.serie));
  k.Agrega("Fecha", Valor(venta.fecha));
  k.Agrega("Vence", Valor(vence));
  k.Agrega("Hora", Valor(venta.hora.substr(0, 8)));
  k.Agrega("Vendedor", Valor(venta.vendedor));
  return k;
}

void DocumentoDeVenta::Cliente(Campos& k, const VentaPreparada& v) {
  const LineaDeVenta& venta = v.venta();
  k.Agrega("Cliente", Valor(venta.cliente));
  k.Agrega("Usuario", Valor(venta.vendedor));
  k.Agrega("SubTotal", Valor(v.total));
  k.Agrega("Nombre", Valor(v.nombre));
  k.Agrega("nota", Valor(venta.nota));
  if (v.Dispositivo() == kDispositivoConLlave)
    k.Agrega("OtraLlave", Valor(texto::Izquierda(venta.nota, kLargoOtraLlave)));
  for (const auto& [columna, valor] : v.datosCliente) k.Agrega(columna, Valor(valor));
}

DocumentoDeVenta::Campos DocumentoDeVenta::Linea(long long id, int partida, const LineaDeVenta& l,
                                                 const RecordSet* producto) {
  Campos k;
  k.Agrega("Id", Valor(id));
  k.Agrega("Partida", Valor(partida));
  k.Agrega("Producto", Valor(l.producto));
  k.Agrega("Cantidad", Valor(l.cantidad));
  k.Agrega("Pedido", Valor(l.cantidad));
  k.Agrega("PrecioBruto", Valor(l.precio));
  k.Agrega("PrecioNeto", Valor(l.precio));
  k.Agrega("NumeroDePrecio", Valor(l.numPrecio));
  if (producto == nullptr) return k;
  k.Agrega("Descripcion", Valor(producto->Fields("Descrip").Texto()));
  k.Agrega("IVA", Valor(producto->Fields("IVA").Numero()));
  k.Agrega("ImpuestoAd", Valor(producto->Fields("ImpuestoAd").Numero()));
  k.Agrega("Bultos", Valor(ContextoDePosteo::Bultos(l, *producto)));
  return k;
}

void DocumentoDeVenta::GrabaLineasYSalida(Lote& lote, const VentaPreparada& v, std::string_view tablaDetalle,
                                          const std::string& referencia, const HazLinea& linea) {
  ProductosDeLaVenta productos = v.productos != nullptr
                                     ? ProductosDeLaVenta(*v.productos, v.primeraLinea, v.lineas.size())
                                     : ProductosDeLaVenta(lote.cn(), v.lineas);
  SalidaDeAlmacen salida(v.venta().vendedor, v.venta().cliente, v.nombre);
  std::vector<Campos> lineas;
  for (std::size_t i = 0; i < v.lineas.size(); ++i) {
    const LineaDeVenta& l = v.lineas[i];
    const int partida = static_cast<int>(i) + 1;
    const RecordSet* p = productos.De(i);
    lineas.push_back(linea(partida, l, p));
    if (p != nullptr) salida.Agrega(*p, l.cantidad, l.fecha, referencia + std::to_string(partida));
  }
  InsertaLineas(lote, tablaDetalle, lineas);
  salida.Graba(lote);
}

void DocumentoDeVenta::InsertaLineas(Lote& lote, std::string_view tablaDetalle, const std::vector<Campos>& lineas) {
  std::size_t inicio = 0;
  while (inicio < lineas.size()) {
    std::size_t fin = inicio + 1;
    while (fin < lineas.size() && lineas[fin].columnas == lineas[inicio].columnas) ++fin;
    std::vector<std::vector<Valor>> filas;
    for (std::size_t i = inicio; i < fin; ++i) filas.push_back(lineas[i].valores);
    lote.InsertaFilas(tablaDetalle, lineas[inicio].columnas, filas);
    inicio = fin;
  }
}

void DocumentoDeVenta::LimpiaLineas(Lote& lote, std::string_view tablaDetalle, long long id) {
  lote.Execute("DELETE FROM " + IdentificadorSeguro(tablaDetalle) + " WHERE Id = " + std::to_string(id));
}

}  // namespace travesa
