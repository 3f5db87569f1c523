#include "sales/VentasEnEspera.h"

#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Subconsultas.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr const char* kColumnas =
    "Fecha, Hora, Vendedor, Cliente, Producto, Cantidad, Precio, Importe, FormaPAgo, NumPrecio, nota, Id, "
    "FormaDePago1, FormaDePago2, FormaDePago3, FormaDePago4, FormaDePago5, FormaDePago6, FormaDePago7, "
    "FormaDePago8, Archivo";
constexpr std::size_t kValoresPorLinea = 21;

}  // namespace

void VentasEnEspera::Borra() { cn_.Execute(kBorrar); }

unsigned VentasEnEspera::Ancho(std::string_view tabla, std::string_view columna, unsigned porOmision) {
  const Valor v = cn_.Escalar(
      cn_.Prepara("SELECT CHARACTER_MAXIMUM_LENGTH FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() "
                  "AND TABLE_NAME = ? AND COLUMN_NAME = ?",
                  {Valor(tabla), Valor(columna)}));
  const long long n = v.Entero();
  return n > 0 && n < 10000 ? static_cast<unsigned>(n) : porOmision;
}

void VentasEnEspera::Crea(std::string_view tablaDocumento, std::string_view tablaDetalle) {
  const std::string vendedor = std::to_string(Ancho(tablaDocumento, "Vendedor", 10));
  const std::string cliente = std::to_string(Ancho(tablaDocumento, "Cliente", 20));
  const std::string producto = std::to_string(Ancho(tablaDetalle, "Producto", 15));
  // Quantities, prices and amounts are kept in double precision: they feed
  // money columns. Renglon keeps the order of the lines as read, Archivo the
  // file each line came from.
  cn_.Execute(
      "CREATE TABLE IF NOT EXISTS tmpventassql("
      "Fecha date default '0000-00-00',"
      "Hora varchar(8) default '00:00:00',"
      "FormaPago varchar(10),"
      "Vendedor varchar(" +
      vendedor +
      ") default '',"
      "Cliente varchar(" +
      cliente +
      ") default '',"
      "Producto varchar(" +
      producto +
      ") default '',"
      "Cantidad double default 0,"
      "Precio double default 0,"
      "Importe double default 0,"
      "Id integer unsigned,"
      "NumPrecio tinyint unsigned default 1,"
      "Nota varchar(100) default '',"
      "FormaDePago1 double default 0,"
      "FormaDePago2 double default 0,"
      "FormaDePago3 double default 0,"
      "FormaDePago4 double default 0,"
      "FormaDePago5 double default 0,"
      "FormaDePago6 double default 0,"
      "FormaDePago7 double default 0,"
      "FormaDePago8 double default 0,"
      "Archivo varchar(255) default '',"
      "Renglon integer unsigned not null auto_increment,"
      "Key (Fecha,Hora,Vendedor,Cliente), Key (Id), Primary Key (Renglon)"
      ") DEFAULT CHARSET=utf8mb4");
}

std::string VentasEnEspera::ConsultaYaEsta(const LineaDeVenta& l) {
  return cn_.Prepara(
      "SELECT Id FROM tmpventassql WHERE Fecha = ? AND Hora = ? AND Vendedor = ? AND Cliente = ? LIMIT 1",
      {Valor(l.fecha), Valor(l.hora), Valor(l.vendedor), Valor(l.cliente)});
}

std::vector<std::optional<unsigned>> VentasEnEspera::YaEstan(const std::vector<const LineaDeVenta*>& primeras) {
  std::vector<std::string> consultas;
  for (const LineaDeVenta* l : primeras) consultas.push_back(ConsultaYaEsta(*l));
  std::vector<std::optional<unsigned>> ids;
  for (const Valor& id : Subconsultas::Valores(cn_, consultas))
    ids.push_back(id.EsNulo() ? std::nullopt : std::optional<unsigned>(static_cast<unsigned>(id.Entero())));
  return ids;
}

void VentasEnEspera::Agrega(unsigned id, const std::vector<LineaDeVenta>& lineas) {
  if (lineas.empty()) return;
  AgregaVarias({{id, &lineas}});
}

void VentasEnEspera::AgregaVarias(const std::vector<std::pair<unsigned, const std::vector<LineaDeVenta>*>>& ventas) {
  std::string sql = std::string("INSERT INTO tmpventassql (") + kColumnas + ") VALUES ";
  std::vector<Valor> valores;
  bool primera = true;
  for (const auto& [id, lineas] : ventas) {
    for (const LineaDeVenta& l : *lineas) {
      sql += primera ? "(" : ",(";
      primera = false;
      for (std::size_t k = 0; k < kValoresPorLinea; ++k) sql += k ? ",?" : "?";
      sql += ")";
      for (const Valor& v :
           {Valor(l.fecha), Valor(l.hora), Valor(l.vendedor), Valor(l.cliente), Valor(l.producto), Valor(l.cantidad),
            Valor(l.precio), Valor(l.importe), Valor(l.formaPago), Valor(l.numPrecio), Valor(l.nota), Valor(id)})
        valores.push_back(v);
      for (const double f : l.formasDePago) valores.emplace_back(f);
      valores.emplace_back(l.archivo);
    }
  }
  if (primera) return;
  cn_.Execute(cn_.Prepara(sql, valores));
}

void VentasEnEspera::Quita(const std::vector<unsigned>& ids) {
  if (ids.empty()) return;
  cn_.Execute("DELETE FROM tmpventassql WHERE Id IN (" + texto::ListaDeNumeros({ids.begin(), ids.end()}) + ")");
}

std::vector<unsigned> VentasEnEspera::Ids() {
  RecordSet rs;
  rs.Abre(cn_, "SELECT Id FROM tmpventassql GROUP BY Id ORDER BY Id", "tmpventassql");
  std::vector<unsigned> ids;
  for (; !rs.Eof(); rs.MoveNext()) ids.push_back(static_cast<unsigned>(rs.Fields(0).Entero()));
  return ids;
}

std::map<unsigned, std::vector<LineaDeVenta>> VentasEnEspera::Lineas(unsigned desde, unsigned hasta) {
  RecordSet rs;
  rs.Abre(cn_,
          "SELECT * FROM tmpventassql WHERE Id BETWEEN " + std::to_string(desde) + " AND " + std::to_string(hasta) +
              " ORDER BY Id, Renglon",
          "tmpventassql");
  std::map<unsigned, std::vector<LineaDeVenta>> ventas;
  for (; !rs.Eof(); rs.MoveNext()) {
    LineaDeVenta l;
    l.fecha = rs.Fields("Fecha").Texto();
    l.hora = rs.Fields("Hora").Texto();
    l.vendedor = rs.Fields("Vendedor").Texto();
    l.cliente = rs.Fields("Cliente").Texto();
    l.producto = rs.Fields("Producto").Texto();
    l.cantidad = rs.Fields("Cantidad").Numero();
    l.precio = rs.Fields("Precio").Numero();
    l.importe = rs.Fields("Importe").Numero();
    l.formaPago = rs.Fields("FormaPago").Texto();
    l.numPrecio = static_cast<int>(rs.Fields("NumPrecio").Entero());
    l.nota = rs.Fields("Nota").Texto();
    for (std::size_t k = 0; k < 8; ++k) l.formasDePago[k] = rs.Fields("FormaDePago" + std::to_string(k + 1)).Numero();
    l.archivo = rs.Fields("Archivo").Texto();
    ventas[static_cast<unsigned>(rs.Fields("Id").Entero())].push_back(std::move(l));
  }
  return ventas;
}

}  // namespace travesa
