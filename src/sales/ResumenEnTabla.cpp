#include "sales/ResumenEnTabla.h"

#include <chrono>
#include <cmath>
#include <cstdio>

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

// The count lines, each in one place for the text and the window.
std::string LineaGrabados(const ResultadoVentas& v) { return Cuenta("Documentos grabados", v.posteadas.size()); }
std::string LineaDesconocidos(const ResultadoVentas& v) {
  const std::size_t n = v.ADesconocidos();
  return n == 0 ? std::string() : Cuenta("Ventas grabadas a clientes que no existen en Norvento", n, "ninguna");
}
std::string LineaYaGrabadas(const ResultadoVentas& v) {
  return Cuenta("Ventas ya grabadas antes (omitidas)", static_cast<std::size_t>(v.yaPosteadas), "ninguna");
}
std::string LineaFallidas(const ResultadoVentas& v) {
  return Cuenta("Ventas que no se grabaron", v.fallidas.size(), "ninguna");
}
std::string LineaRechazadas(const ResultadoVentas& v) {
  if (v.lineasRechazadas.empty()) return {};
  return "Líneas rechazadas (ver la bitácora): " + std::to_string(v.lineasRechazadas.size()) + "\n";
}

// Posted to clients that `clientes` does not hold: their documents carry no name.
std::string Desconocidos(const ResultadoVentas& v) {
  if (v.ADesconocidos() == 0) return {};
  std::string t = LineaDesconocidos(v);
  TablaAlineada tabla({{"Documento"}, {"Serie"}, {"Folio", Alin::Derecha}, {"Cliente"}, {"Archivo"}});
  for (const VentaPosteada& p : v.posteadas)
    if (p.clienteDesconocido) tabla.Agrega({p.tipo, p.serie, std::to_string(p.folio), p.cliente, p.archivo});
  return t + tabla.Texto();
}

// Each document's total in whole cents, added by the name `clave` gives it.
template <typename Clave>
std::vector<ResumenEnTabla::Total> Suma(const ResultadoVentas& v, Clave clave) {
  std::vector<ResumenEnTabla::Total> totales;
  for (const VentaPosteada& p : v.posteadas) {
    const std::string nombre = clave(p);
    auto it = totales.begin();
    while (it != totales.end() && it->nombre != nombre) ++it;
    if (it == totales.end()) it = totales.insert(totales.end(), ResumenEnTabla::Total{nombre});
    ++it->documentos;
    it->centavos += std::llround(p.total * 100);
  }
  return totales;
}

std::string LineaDeTotal(std::string_view titulo, const ResumenEnTabla::Total& t) {
  return std::string(titulo) + t.nombre + ": " + std::to_string(t.documentos) +
         (t.documentos == 1 ? " documento, " : " documentos, ") +
         formatos::Moneda(static_cast<double>(t.centavos) / 100) + "\n";
}

std::string Documentos(const ResultadoVentas& v) {
  std::string t = LineaGrabados(v);
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
  t += ResumenEnTabla::TextoDeTotales(v);
  t += Desconocidos(v);
  t += LineaYaGrabadas(v) + LineaFallidas(v);
  TablaAlineada fallidas({{"Archivo"}, {"Fecha"}, {"Hora"}, {"Cliente"}, {"Motivo"}});
  for (const VentaFallida& f : v.fallidas)
    fallidas.Agrega({f.archivo, f.fecha, f.hora, f.cliente, PrimeraLinea(f.motivo)});
  if (!fallidas.Vacia()) t += fallidas.Texto();
  return t + LineaRechazadas(v);
}

}  // namespace

std::string ResumenEnTabla::Dia(const std::string& fecha) {
  using namespace std::chrono;
  int a = 0;
  unsigned m = 0, d = 0;
  char guion1 = 0, guion2 = 0;
  if (fecha.size() != 10 || std::sscanf(fecha.c_str(), "%4d%c%2u%c%2u", &a, &guion1, &m, &guion2, &d) != 5 ||
      guion1 != '-' || guion2 != '-')
    return fecha;
  const year_month_day dia{year{a}, month{m}, day{d}};
  return dia.ok() ? formatos::FechaCorta(dia) : fecha;
}

std::vector<ResumenEnTabla::Total> ResumenEnTabla::PorDocumento(const ResultadoVentas& v) {
  return Suma(v, [](const VentaPosteada& p) { return p.tipo; });
}

std::vector<ResumenEnTabla::Total> ResumenEnTabla::PorDia(const ResultadoVentas& v) {
  return Suma(v, [](const VentaPosteada& p) { return Dia(p.fecha); });
}

std::string ResumenEnTabla::TextoDeTotales(const ResultadoVentas& v) {
  std::string t;
  for (const Total& total : PorDocumento(v)) t += LineaDeTotal("Total de ", total);
  for (const Total& total : PorDia(v)) t += LineaDeTotal("Total del día ", total);
  return t;
}

std::string ResumenEnTabla::Cuentas(const ResultadoVentas& v) {
  return LineaGrabados(v) + LineaDesconocidos(v) + LineaYaGrabadas(v) + LineaFallidas(v) + LineaRechazadas(v);
}

std::string ResumenEnTabla::TextoDeClientes(const ResumenLectura& r) {
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
  std::string t = Documentos(r.ventas) + TextoDeClientes(r);
  for (const ResultadoTraspaso& tr : r.traspasos)
    t += (tr.guardado.empty() ? std::string() : "[" + tr.guardado + "] ") + TextoDelTraspaso(tr) + "\n";
  return t;
}

}  // namespace travesa
