#include "ledger/Liquidacion.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "ledger/BaseSqlite.h"
#include "ledger/HistorialSqlite.h"
#include "ledger/TextoJson.h"
#include "shell/Formatos.h"
#include "shell/host/Conexion.h"
#include "shell/host/ListaDeClaves.h"
#include "shell/host/RecordSet.h"

namespace travesa {
namespace {

double Numero(const std::string& t) { return t.empty() ? 0 : std::stod(t); }

void Formas(Conexion* cn, Liquidacion& l) {
  for (std::size_t i = 0; i < l.formas.size(); ++i) l.formas[i] = "Forma de pago " + std::to_string(i + 1);
  if (cn == nullptr) return;
  const Valor nombre = cn->Escalar(cn->Prepara("SELECT Nombre FROM vendedores WHERE Clave = ?", {Valor(l.vendedor)}));
  if (!nombre.EsNulo()) l.nombre = nombre.Texto();
  RecordSet rs;
  rs.Abre(*cn, "SELECT Dato, Contenido FROM configura WHERE Dato LIKE 'FPAGO%'", "configura");
  for (; !rs.Eof(); rs.MoveNext()) {
    const std::string dato = rs.Fields(0).Texto();
    const std::string nombre = rs.Fields(1).Texto();
    if (dato.size() != 6 || dato[5] < '1' || dato[5] > '8' || nombre.empty()) continue;
    l.formas[static_cast<std::size_t>(dato[5] - '1')] = nombre;
  }
}

// A sale's payment: the amounts the phone sent per form; a cash sale that
// sent none is paid whole in cash, a credit sale that sent none is on credit.
void Ventas(BaseSqlite& h, Liquidacion& l) {
  std::map<std::string, Liquidacion::PorTipo> porTipo;
  for (const auto& f : h.Consulta("SELECT tipo, total, formapago, fp1, fp2, fp3, fp4, fp5, fp6, fp7, fp8, desconocido, "
                                  "tarde, cliente, serie, folio, archivo FROM documentos WHERE confirmado = 1 AND "
                                  "vendedor = ? AND dia = ? ORDER BY hora",
                                  {l.vendedor, l.dia})) {
    Liquidacion::PorTipo& t = porTipo[f[0]];
    t.tipo = f[0];
    ++t.cuantas;
    const double total = Numero(f[1]);
    t.total += total;
    double pagado = 0;
    for (std::size_t i = 0; i < 8; ++i) {
      const double m = Numero(f[3 + i]);
      l.pagado[i] += m;
      pagado += m;
    }
    if (pagado == 0 && f[2] == "CO") {
      l.pagado[0] += total;
      pagado = total;
    }
    if (total - pagado > 0.005) l.aCredito += total - pagado;
    const std::string documento = f[0] + " " + (f[14].empty() ? "" : f[14] + "-") + f[15];
    if (f[11] == "1")
      l.excepciones.push_back(documento + " a un cliente que no está en Norvento: " + f[13] + " (" + f[16] + ")");
    if (f[12] == "1") {
      ++l.tardias;
      l.excepciones.push_back(documento + " llegó después del cierre (" + f[16] + ")");
    }
  }
  for (auto& [tipo, t] : porTipo) l.ventas.push_back(t);
}

void Productos(BaseSqlite& h, Liquidacion& l) {
  for (const auto& f : h.Consulta("SELECT r.producto, SUM(r.cantidad) FROM renglones r JOIN documentos d ON "
                                  "d.id = r.documento WHERE d.confirmado = 1 AND d.vendedor = ? AND d.dia = ? "
                                  "GROUP BY r.producto",
                                  {l.vendedor, l.dia}))
    l.productos[f[0]].vendido = Numero(f[1]);
  for (const auto& f : h.Consulta("SELECT folio FROM traspasos WHERE dia = ? AND (vendedor = ? OR vendedor = '') "
                                  "ORDER BY folio",
                                  {l.dia, l.vendedor}))
    l.traspasos.push_back(static_cast<long>(Numero(f[0])));
  for (const auto& f : h.Consulta("SELECT s.producto, SUM(s.cantidad) FROM sobrantes s JOIN traspasos t ON "
                                  "t.id = s.traspaso WHERE t.dia = ? AND (t.vendedor = ? OR t.vendedor = '') "
                                  "GROUP BY s.producto",
                                  {l.dia, l.vendedor}))
    l.productos[f[0]].sobrante = Numero(f[1]);
}

// The descriptions of the day's products, 500 codes a query (a seller's day
// holds thousands).
void Descripciones(Conexion* cn, Liquidacion& l) {
  if (cn == nullptr) return;
  constexpr std::size_t kPorConsulta = 500;
  std::vector<std::string> claves;
  for (const auto& [clave, p] : l.productos) claves.push_back(clave);
  for (std::size_t i = 0; i < claves.size(); i += kPorConsulta) {
    const std::vector<std::string> bloque(
        claves.begin() + static_cast<std::ptrdiff_t>(i),
        claves.begin() + static_cast<std::ptrdiff_t>(std::min(i + kPorConsulta, claves.size())));
    const ListaDeClaves lista("Clave", bloque);
    RecordSet rs;
    rs.Abre(*cn,
            cn->Prepara("SELECT " + lista.Posicion() + ", Descrip FROM productos WHERE " + lista.Filtro(),
                        lista.Valores(2)),
            "productos");
    for (; !rs.Eof(); rs.MoveNext())
      if (const std::string* clave = lista.Clave(rs.Fields(0).Entero()))
        l.productos[*clave].descripcion = rs.Fields(1).Texto();
  }
}

// The last decision on each payment counts: a payment left waiting and
// applied in a later run is applied.
void Cobros(BaseSqlite& h, Liquidacion& l) {
  for (const auto& f :
       h.Consulta("SELECT p.decision, p.monto FROM pagos p WHERE p.vendedor = ? AND p.dia = ? AND "
                  "p.id = (SELECT MAX(x.id) FROM pagos x WHERE x.vendedor = p.vendedor AND "
                  "x.dia = p.dia AND x.cxc = p.cxc AND x.cliente = p.cliente AND x.archivo = p.archivo)",
                  {l.vendedor, l.dia})) {
    if (f[0] == "aplicado") l.cobrosAplicados += Numero(f[1]);
    if (f[0] == "en espera") l.cobrosEnEspera += Numero(f[1]);
  }
}

void Excepciones(BaseSqlite& h, Liquidacion& l) {
  for (const auto& f : h.Consulta("SELECT archivo, hora, cliente, motivo FROM fallas WHERE vendedor = ? AND dia = ?",
                                  {l.vendedor, l.dia}))
    l.excepciones.push_back("Venta que no se grabó: " + f[0] + ", " + f[1] + ", cliente " + f[2] + ": " + f[3]);
  // The last word on each of the seller's files.
  for (const auto& f : h.Consulta("SELECT a.nombre, a.destino FROM archivos a WHERE a.vendedor = ? AND "
                                  "a.id = (SELECT MAX(x.id) FROM archivos x WHERE x.nombre = a.nombre) AND "
                                  "substr(a.momento, 1, 10) >= ? AND a.destino NOT LIKE 'grabado%'",
                                  {l.vendedor, l.dia}))
    l.excepciones.push_back("Archivo " + f[0] + ": " + f[1]);
  for (const auto& f : h.Consulta("SELECT COUNT(*) FROM rechazos r WHERE EXISTS (SELECT 1 FROM archivos a WHERE "
                                  "a.nombre = r.archivo AND a.corrida = r.corrida AND a.vendedor = ? AND "
                                  "substr(a.momento, 1, 10) >= ?)",
                                  {l.vendedor, l.dia}))
    if (Numero(f[0]) > 0) l.excepciones.push_back("Renglones rechazados: " + f[0]);
  if (l.cobrosEnEspera > 0)
    l.excepciones.push_back("Pagos en espera de revisión: " + formatos::Moneda(l.cobrosEnEspera));
}

std::string Renglon(const std::string& concepto, double monto) {
  std::string t = "  " + concepto;
  if (t.size() < 40) t.append(40 - t.size(), ' ');
  std::string m = formatos::Moneda(monto);
  if (m.size() < 14) m.insert(0, 14 - m.size(), ' ');
  return t + m + "\n";
}

std::string Cantidad(double c) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.2f", c);
  return texto;
}

}  // namespace

double Liquidacion::Total() const {
  return std::accumulate(ventas.begin(), ventas.end(), 0.0, [](double s, const PorTipo& t) { return s + t.total; });
}

Liquidacion CalculoDeLiquidacion::Calcula(BaseSqlite& h, Conexion* cn, const std::string& vendedor,
                                          const std::string& dia) {
  Liquidacion l;
  l.vendedor = vendedor;
  l.dia = dia;
  Formas(cn, l);
  Ventas(h, l);
  Productos(h, l);
  Descripciones(cn, l);
  Cobros(h, l);
  Excepciones(h, l);
  const auto cierre =
      h.Consulta("SELECT momento, COALESCE(usuario, '') FROM cierres WHERE vendedor = ? AND dia = ?", {vendedor, dia});
  if (!cierre.empty()) {
    l.cerrada = cierre.front()[0];
    l.cerradaPor = cierre.front()[1];
  }
  return l;
}

std::string CalculoDeLiquidacion::Texto(const Liquidacion& l) {
  std::string t = "Liquidación del día " + l.dia + ", vendedor " + l.vendedor +
                  (l.nombre.empty() ? "" : " (" + l.nombre + ")") + "\n";
  t += l.cerrada.empty() ? "Abierta\n" : "Cerrada el " + l.cerrada + "\n";
  t += "\nVentas\n";
  for (const auto& v : l.ventas) t += Renglon(v.tipo + " (" + std::to_string(v.cuantas) + ")", v.total);
  t += Renglon("Total vendido", l.Total());
  t += "\nPagado con la venta\n";
  for (std::size_t i = 0; i < l.formas.size(); ++i)
    if (l.pagado[i] != 0) t += Renglon(l.formas[i], l.pagado[i]);
  t += Renglon("A crédito", l.aCredito);
  t += "\nCobros en la ruta\n";
  t += Renglon("Aplicados", l.cobrosAplicados);
  t += Renglon("En espera de revisión", l.cobrosEnEspera);
  t += "\nPor entregar\n";
  t += Renglon("Efectivo por entregar", l.EfectivoPorEntregar());
  for (std::size_t i = 1; i < l.formas.size(); ++i)
    if (l.pagado[i] != 0) t += Renglon(l.formas[i], l.pagado[i]);
  t += "\nProductos (vendido / sobrante)\n";
  for (const auto& [clave, p] : l.productos)
    t += "  " + clave + (p.descripcion.empty() ? "" : " " + p.descripcion) + ": " + Cantidad(p.vendido) + " / " +
         Cantidad(p.sobrante) + "\n";
  if (!l.traspasos.empty()) {
    t += "  Traspasos:";
    for (long f : l.traspasos) t += " " + std::to_string(f);
    t += "\n";
  }
  t += "\nExcepciones\n";
  if (l.excepciones.empty()) t += "  ninguna\n";
  for (const auto& e : l.excepciones) t += "  " + e + "\n";
  return t;
}

std::string CalculoDeLiquidacion::Json(const Liquidacion& l) {
  std::string ventas, formas, productos, excepciones, traspasos;
  for (const auto& v : l.ventas)
    ventas += std::string(ventas.empty() ? "" : ", ") + "{\"tipo\": " + TextoJson(v.tipo) +
              ", \"cuantas\": " + std::to_string(v.cuantas) + ", \"total\": " + Cantidad(v.total) + "}";
  for (std::size_t i = 0; i < l.formas.size(); ++i)
    formas += std::string(i ? ", " : "") + "{\"forma\": " + TextoJson(l.formas[i]) +
              ", \"monto\": " + Cantidad(l.pagado[i]) + "}";
  for (const auto& [clave, p] : l.productos)
    productos += std::string(productos.empty() ? "" : ", ") + TextoJson(clave) +
                 ": {\"vendido\": " + Cantidad(p.vendido) + ", \"sobrante\": " + Cantidad(p.sobrante) + "}";
  for (const auto& e : l.excepciones) excepciones += std::string(excepciones.empty() ? "" : ", ") + TextoJson(e);
  for (long f : l.traspasos) traspasos += std::string(traspasos.empty() ? "" : ", ") + std::to_string(f);
  return "{\"vendedor\": " + TextoJson(l.vendedor) + ", \"dia\": " + TextoJson(l.dia) +
         ", \"cerrada\": " + TextoJson(l.cerrada) + ",\n \"ventas\": [" + ventas +
         "], \"total\": " + Cantidad(l.Total()) + ",\n \"pagado\": [" + formas +
         "],\n \"a_credito\": " + Cantidad(l.aCredito) + ", \"cobros_aplicados\": " + Cantidad(l.cobrosAplicados) +
         ", \"cobros_en_espera\": " + Cantidad(l.cobrosEnEspera) +
         ", \"efectivo_por_entregar\": " + Cantidad(l.EfectivoPorEntregar()) + ",\n \"productos\": {" + productos +
         "}, \"traspasos\": [" + traspasos + "], \"tardias\": " + std::to_string(l.tardias) + ",\n \"excepciones\": [" +
         excepciones + "]}\n";
}

std::string CalculoDeLiquidacion::PreguntaDeCierre(const std::string& vendedor, const std::string& dia) {
  return "¿Cerrar la liquidación del " + dia + " del vendedor " + vendedor +
         "? Lo que llegue después se señalará como llegado tras el cierre.";
}

void CalculoDeLiquidacion::Cierra(BaseSqlite& h, const std::string& vendedor, const std::string& dia,
                                  const std::string& usuario) {
  h.Ejecuta("INSERT OR REPLACE INTO cierres (vendedor, dia, momento, usuario) VALUES (?, ?, ?, ?)",
            {vendedor, dia, AhoraLocal(), usuario});
}

}  // namespace travesa
