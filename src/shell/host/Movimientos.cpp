#include "shell/host/Movimientos.h"

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/Contadores.h"
#include "shell/host/LlaveUnica.h"
#include "shell/host/Lote.h"

namespace travesa {

namespace {

// The counter's `cuantos` next numbers: from one more than what it holds or
// than the highest number used in tabla.columna, whichever is further; the
// draw gives the last of them.
Contadores::Avance Avance(const Movimientos::Contador& c, long cuantos) {
  const std::string usado =
      "(SELECT COALESCE(MAX(" + IdentificadorSeguro(c.columna) + "),0) FROM " + IdentificadorSeguro(c.tabla) + ")";
  const std::string actual = "CAST(IF(TRIM(Contenido) REGEXP '^-?[0-9]+$', TRIM(Contenido), '0') AS SIGNED)";
  const std::string mas = " + " + std::to_string(cuantos);
  return {std::string(c.contador), "GREATEST(" + actual + ", " + usado + ")" + mas, usado + mas};
}

}  // namespace

long long Movimientos::Foliar(Conexion& cn, std::string_view contador, std::string_view tabla,
                              std::string_view columna) {
  return Foliar(cn, {{contador, tabla, columna}}).front();
}

// A counter asked for more than once is drawn once for all its numbers:
// nothing is written to tabla.columna between them, so they are the numbers
// the draws one after another would give.
std::vector<long long> Movimientos::Foliar(Conexion& cn, const std::vector<Contador>& contadores) {
  std::vector<std::size_t> dibujoDe;
  std::vector<long> cuantos;
  std::vector<Contadores::Avance> avances;
  std::vector<const Contador*> distintos;
  for (const Contador& c : contadores) {
    std::size_t k = 0;
    while (k < distintos.size() && !(distintos[k]->contador == c.contador && distintos[k]->tabla == c.tabla &&
                                     distintos[k]->columna == c.columna))
      ++k;
    if (k == distintos.size()) {
      distintos.push_back(&c);
      cuantos.push_back(0);
    }
    ++cuantos[k];
    dibujoDe.push_back(k);
  }
  for (std::size_t k = 0; k < distintos.size(); ++k) avances.push_back(Avance(*distintos[k], cuantos[k]));
  const std::vector<long long> ultimos = Contadores::Avanza(cn, avances);
  std::vector<long> dados(distintos.size(), 0);
  std::vector<long long> numeros;
  for (const std::size_t k : dibujoDe) numeros.push_back(ultimos[k] - cuantos[k] + 1 + dados[k]++);
  return numeros;
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
               " ORDER BY AutoInc DESC LIMIT 1), @travesa_corrido = 0, @travesa_filas = 0, @travesa_cargos = 0, "
               "@travesa_abonos = 0, @travesa_saldo = 0, @travesa_ultimo = NULL");
  // The running balance in date order, with a variable instead of a window
  // function: MySQL 5.5 to 5.7 and MariaDB before 10.2 have none. The same
  // walk adds up the customer's totals (CONCAT_WS evaluates every argument
  // and its length times 0 adds nothing); the last date met in that order
  // is the latest.
  lote.Execute("UPDATE " + edo + " SET Saldo = (@travesa_corrido := @travesa_corrido + CantidadCargo - CantidadPago) " +
               "+ 0 * LENGTH(CONCAT_WS(',', @travesa_filas := @travesa_filas + 1, " +
               "@travesa_cargos := @travesa_cargos + COALESCE(CantidadCargo, 0), " +
               "@travesa_abonos := @travesa_abonos + COALESCE(CantidadPago, 0), " +
               "@travesa_saldo := @travesa_saldo + COALESCE(CantidadCargo - CantidadPago, 0), " +
               "@travesa_ultimo := COALESCE(Fecha, @travesa_ultimo))) " +
               "WHERE Clave = @travesa_cliente ORDER BY Fecha, Hora, AutoInc");
  const std::string totales =
      "SELECT @travesa_cliente, @travesa_cargos, @travesa_abonos, @travesa_saldo, @travesa_ultimo FROM DUAL "
      "WHERE @travesa_filas > 0";
  const std::string columnas = " (Clave, Cargos, Abonos, Saldo, UltimoMovimiento) ";
  const std::string asigna =
      "Cargos = @travesa_cargos, Abonos = @travesa_abonos, Saldo = @travesa_saldo, "
      "UltimoMovimiento = @travesa_ultimo";
  if (LlaveUnica::Tiene(lote.cn(), tablaSaldos, "Clave")) {
    lote.Execute("INSERT INTO " + saldos + columnas + totales + " ON DUPLICATE KEY UPDATE " + asigna);
    return;
  }
  // Without a key on Clave the balances row is updated, then added when missing.
  lote.Execute("UPDATE " + saldos + " SET " + asigna + " WHERE Clave = @travesa_cliente AND @travesa_filas > 0");
  lote.Execute("INSERT INTO " + saldos + columnas + totales + " AND NOT EXISTS (SELECT 1 FROM " + saldos +
               " s WHERE s.Clave = @travesa_cliente)");
}

}  // namespace travesa
