#include "shell/host/Movimientos.h"

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/Lote.h"

namespace travesa {

namespace {

// The counter row is locked by the statement itself: a second connection waits
// and then reads the number this one stored.
std::string Avance(Conexion& cn, const Movimientos::Contador& c) {
  const std::string usado = "(SELECT COALESCE(MAX(" + IdentificadorSeguro(c.columna) + "),0) FROM " +
                            IdentificadorSeguro(c.tabla) + ")";
  const std::string actual = "CAST(IF(TRIM(Contenido) REGEXP '^-?[0-9]+$', TRIM(Contenido), '0') AS SIGNED)";
  return cn.Prepara("INSERT INTO sistema (Dato, Contenido) VALUES (?, LAST_INSERT_ID(" + usado +
                        " + 1)) ON DUPLICATE KEY UPDATE Contenido = LAST_INSERT_ID(GREATEST(" + actual + ", " +
                        usado + ") + 1)",
                    {Valor(c.contador)});
}

}  // namespace

long long Movimientos::Foliar(Conexion& cn, std::string_view contador, std::string_view tabla,
                              std::string_view columna) {
  return Foliar(cn, {{contador, tabla, columna}}).front();
}

std::vector<long long> Movimientos::Foliar(Conexion& cn, const std::vector<Contador>& contadores) {
  std::vector<std::string> sentencias;
  for (const Contador& c : contadores) sentencias.push_back(Avance(cn, c));
  const std::vector<unsigned long long> ids = cn.EjecutaJuntas(sentencias);
  return {ids.begin(), ids.end()};
}

void Movimientos::CalculaEdoCta(long long idMovimiento, Conexion& cn, std::string_view tablaEdoCta,
                                std::string_view tablaSaldos) {
  Lote lote(cn);
  CalculaEdoCta(idMovimiento, lote, tablaEdoCta, tablaSaldos);
  lote.Envia();
}

void Movimientos::CalculaEdoCta(long long idMovimiento, Lote& lote, std::string_view tablaEdoCta,
                                std::string_view tablaSaldos) {
  const std::string edo = IdentificadorSeguro(tablaEdoCta);
  const std::string saldos = IdentificadorSeguro(tablaSaldos);
  // No entry with that Id: the variable is NULL and nothing changes.
  lote.Execute("SET @travesa_cliente = (SELECT Clave FROM " + edo + " WHERE Id = " + std::to_string(idMovimiento) +
               " ORDER BY AutoInc DESC LIMIT 1)");
  lote.Execute("UPDATE " + edo + " e JOIN (SELECT AutoInc, SUM(CantidadCargo - CantidadPago) OVER " +
               "(ORDER BY Fecha, Hora, AutoInc) AS Corrido FROM " + edo + " WHERE Clave = @travesa_cliente" +
               ") t ON e.AutoInc = t.AutoInc SET e.Saldo = t.Corrido");
  lote.Execute("INSERT INTO " + saldos + " (Clave, Cargos, Abonos, Saldo, UltimoMovimiento) " +
               "SELECT Clave, SUM(CantidadCargo), SUM(CantidadPago), SUM(CantidadCargo - CantidadPago), " +
               "MAX(Fecha) FROM " + edo + " WHERE Clave = @travesa_cliente GROUP BY Clave " +
               "ON DUPLICATE KEY UPDATE Cargos = VALUES(Cargos), Abonos = VALUES(Abonos), " +
               "Saldo = VALUES(Saldo), UltimoMovimiento = VALUES(UltimoMovimiento)");
}

}  // namespace travesa
