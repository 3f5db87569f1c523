#include "sales/ResumenEnTabla.h"

#include "shell/Formatos.h"
#include "shell/TablaAlineada.h"

namespace travesa {
namespace {

using Alin = TablaAlineada::Alineacion;

std::string PrimeraLinea(const std::string& texto) { return texto.substr(0, texto.find('\n')); }

// "Título: 3", or "ninguno"/"ninguna" for none.
std::string Cuenta(std::string_view titulo, std::size_t n, std::string_view ninguno = "ninguno") {
  return std::string(titulo) + ": " + (n == 0 ? std::string(ninguno) : std::to_string(n)) + "\n";
}

// Posted to clients that `clientes` does not hold: their documents carry no name.
std::string Desconocidos(const ResultadoVentas& v) {
  const std::size_t n = v.ADesconocidos();
  if (n == 0) return {};
  std::string t = Cuenta("Ventas grabadas a clientes que no existen en Norvento", n, "ninguna");
  TablaAlineada tabla({{"Documento"}, {"Serie"}, {"Folio", Alin::Derecha}, {"Cliente"}, {"Archivo"}});
  for (const VentaPosteada& p : v.posteadas)
    if (p.clienteDesconocido) tabla.Agrega({p.tipo, p.serie, std::to_string(p.folio), p.cliente, p.archivo});
  return t + tabla.Texto();
}

std::string Documentos(const ResultadoVentas& v) {
  std::string t = Cuenta("Documentos grabados", v.posteadas.size());
  TablaAlineada tabla({{"Documento"},
                       {"Serie"},
                       {"Folio", Alin::Derecha},
                       {"Cliente"},
                       {"Nombre"},
                       {"Total", Alin::Derecha},
                       {"Archivo"}});
  for (const VentaPosteada& p : v.posteadas)
    tabla.Agrega({p.tipo, p.serie, std::to_string(p.folio), p.cliente, p.nombre, formatos::Moneda(p.total), p.archivo});
  if (!tabla.Vacia()) t += tabla.Texto();
  t += Desconocidos(v);
  t += Cuenta("Ventas ya grabadas antes (omitidas)", static_cast<std::size_t>(v.yaPosteadas), "ninguna");
  t += Cuenta("Ventas que no se grabaron", v.fallidas.size(), "ninguna");
  TablaAlineada fallidas({{"Archivo"}, {"Fecha"}, {"Hora"}, {"Cliente"}, {"Motivo"}});
  for (const VentaFallida& f : v.fallidas) fallidas.Agrega({f.archivo, f.fecha, f.hora, f.cliente, PrimeraLinea(f.motivo)});
  if (!fallidas.Vacia()) t += fallidas.Texto();
  if (!v.lineasRechazadas.empty())
    t += "Líneas rechazadas (ver la bitácora): " + std::to_string(v.lineasRechazadas.size()) + "\n";
  return t;
}

std::string Clientes(const ResumenLectura& r) {
  std::string t;
  for (const std::string& g : r.clientesGuardados) t += "Clientes leídos del archivo guardado al publicar: " + g + "\n";
  if (!r.clientesDescargados) t += "Clientes nuevos: no se pudo descargar el archivo de clientes del sitio\n";
  if (r.clientesDelCatalogo)
    t += "Clientes nuevos: el sitio tiene el catálogo publicado («clientes.xml»), no un archivo de clientes de los "
         "teléfonos; no se leyó\n";
  if (!r.clientesDescargados && r.clientesGuardados.empty()) return t;
  t += Cuenta("Clientes nuevos agregados", r.clientes.agregados.size());
  TablaAlineada agregados({{"Clave"}, {"Nombre"}});
  for (const ClienteAgregado& c : r.clientes.agregados) agregados.Agrega({c.clave, c.nombre});
  if (!agregados.Vacia()) t += agregados.Texto();
  if (r.clientes.rechazados.empty()) return t;
  t += Cuenta("Clientes omitidos (ver la bitácora)", r.clientes.rechazados.size());
  TablaAlineada omitidos({{"Clave"}, {"Motivo"}});
  for (const ClienteRechazado& c : r.clientes.rechazados) omitidos.Agrega({c.clave, PrimeraLinea(c.motivo)});
  return t + omitidos.Texto();
}

}  // namespace

std::string ResumenEnTabla::TextoDelTraspaso(const ResultadoTraspaso& tr) {
  using E = ResultadoTraspaso::Estado;
  switch (tr.estado) {
    case E::Grabado:
      return "Traspaso grabado: " + std::to_string(tr.traspaso) + ", número " +
             (tr.serie.empty() ? std::string() : tr.serie + "-") + std::to_string(tr.numTraspaso) + ", a " +
             tr.destino + ", " + std::to_string(tr.lineas) + (tr.lineas == 1 ? " renglón" : " renglones");
    case E::Declinado:
      return "Traspaso: no se registró (no se confirmó)";
    case E::SinConexion:
      return "Traspaso: no se registró, no hubo conexión con el sitio";
    case E::SinArchivo:
      return "Traspaso: no se registró, no se pudo descargar el archivo de productos";
    case E::Danado:
      return "Traspaso: no se registró, el archivo de productos está dañado: " + tr.motivo;
    case E::Repetido:
      return "Traspaso: ese archivo de productos ya se registró en el traspaso " + std::to_string(tr.traspaso);
    case E::DelCatalogo:
      return "Traspaso: no se registró, el sitio tiene el catálogo publicado («productos.xml»), no el inventario "
             "sobrante de un teléfono";
  }
  return {};
}

std::string ResumenEnTabla::Texto(const ResumenLectura& r) {
  if (!r.conectado) return "No hubo conexión con el sitio; no se leyó nada.\n";
  std::string t = Documentos(r.ventas) + Clientes(r);
  for (const ResultadoTraspaso& tr : r.traspasos)
    t += (tr.guardado.empty() ? std::string() : "[" + tr.guardado + "] ") + TextoDelTraspaso(tr) + "\n";
  return t;
}

}  // namespace travesa
