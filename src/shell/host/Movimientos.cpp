#include "shell/host/Movimientos.h"

#include <chrono>
#include <ctime>

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"

namespace travesa {
namespace {

std::string HoraActual() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[16];
  std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
  return buf;
}

}  // namespace

long long Movimientos::Foliar(Conexion& cn, std::string_view contador, std::string_view tabla,
                              std::string_view columna) {
  const std::string usado = "(SELECT COALESCE(MAX(" + IdentificadorSeguro(columna) + "),0) FROM " +
                            IdentificadorSeguro(tabla) + ")";
  const std::string actual =
      "CAST(IF(TRIM(Contenido) REGEXP '^-?[0-9]+$', TRIM(Contenido), '0') AS SIGNED)";
  // The counter row is locked by the statement itself: a second connection waits
  // and then reads the number this one stored.
  cn.Execute(cn.Prepara("INSERT INTO sistema (Dato, Contenido) VALUES (?, LAST_INSERT_ID(" + usado +
                            " + 1)) ON DUPLICATE KEY UPDATE Contenido = LAST_INSERT_ID(GREATEST(" +
                            actual + ", " + usado + ") + 1)",
                        {Valor(contador)}));
  return cn.Escalar("SELECT LAST_INSERT_ID()").Entero();
}

void Movimientos::GrabaHistAlmacen(std::string_view vendedor, const RecordSet& producto,
                                   Conexion& cn, int tipo, double cantidad, std::string_view fecha,
                                   std::string_view referencia, std::string_view cliente,
                                   std::string_view nombreCliente) {
  const std::string clave = producto.Fields("Clave").Texto();
  cn.Execute(cn.Prepara("UPDATE productos SET Existencia = Existencia - ? WHERE Clave = ?",
                        {Valor(cantidad), Valor(clave)}));
  const Valor existencia =
      cn.Escalar(cn.Prepara("SELECT Existencia FROM productos WHERE Clave = ?", {Valor(clave)}));
  cn.Inserta("histalmacen",
             {"Fecha", "Hora", "Vendedor", "Producto", "Tipo", "Cantidad", "Existencia",
              "Referencia", "Cliente", "NombreCliente"},
             {Valor(fecha), Valor(HoraActual()), Valor(vendedor), Valor(clave), Valor(tipo),
              Valor(cantidad), existencia, Valor(referencia), Valor(cliente), Valor(nombreCliente)});
}

void Movimientos::CalculaEdoCta(long long idMovimiento, Conexion& cn, std::string_view tablaEdoCta,
                                std::string_view tablaSaldos) {
  const std::string edo = IdentificadorSeguro(tablaEdoCta);
  const std::string saldos = IdentificadorSeguro(tablaSaldos);
  const Valor cliente = cn.Escalar("SELECT Clave FROM " + edo + " WHERE Id = " +
                                   std::to_string(idMovimiento) + " ORDER BY AutoInc DESC LIMIT 1");
  if (cliente.EsNulo()) return;
  const std::string lit = cn.Literal(cliente);
  cn.Execute("UPDATE " + edo + " e JOIN (SELECT AutoInc, SUM(CantidadCargo - CantidadPago) OVER " +
             "(ORDER BY Fecha, Hora, AutoInc) AS Corrido FROM " + edo + " WHERE Clave = " + lit +
             ") t ON e.AutoInc = t.AutoInc SET e.Saldo = t.Corrido");
  cn.Execute("INSERT INTO " + saldos + " (Clave, Cargos, Abonos, Saldo, UltimoMovimiento) " +
             "SELECT Clave, SUM(CantidadCargo), SUM(CantidadPago), SUM(CantidadCargo - CantidadPago), " +
             "MAX(Fecha) FROM " + edo + " WHERE Clave = " + lit + " GROUP BY Clave " +
             "ON DUPLICATE KEY UPDATE Cargos = VALUES(Cargos), Abonos = VALUES(Abonos), " +
             "Saldo = VALUES(Saldo), UltimoMovimiento = VALUES(UltimoMovimiento)");
}

}  // namespace travesa
