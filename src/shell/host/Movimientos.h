#pragma once
// Folios, warehouse history and customer statements.
#include <string_view>

namespace travesa {

class Conexion;
class RecordSet;

class Movimientos {
 public:
  // The next number of the counter `contador` in sistema, already reserved and
  // never used yet in tabla.columna. Drawn atomically: two connections never get
  // the same number. A missing counter is created.
  static long long Foliar(Conexion& cn, std::string_view contador, std::string_view tabla,
                          std::string_view columna);
  // Records the product's stock movement for the seller and lowers its stock by
  // the quantity. `producto` is positioned on the product's row.
  static void GrabaHistAlmacen(std::string_view vendedor, const RecordSet& producto, Conexion& cn,
                               int tipo, double cantidad, std::string_view fecha,
                               std::string_view referencia, std::string_view cliente,
                               std::string_view nombreCliente);
  // Recomputes the running balance of the customer of the statement entry
  // idMovimiento, and the customer's row in the balances table.
  static void CalculaEdoCta(long long idMovimiento, Conexion& cn, std::string_view tablaEdoCta,
                            std::string_view tablaSaldos);
};

}  // namespace travesa
