#pragma once
// Folios and customer statements.
#include <string_view>
#include <vector>

namespace travesa {

class Conexion;
class Lote;

class Movimientos {
 public:
  // The next number of the counter `contador` in sistema, already reserved and
  // never used yet in tabla.columna. Drawn atomically: two connections never get
  // the same number. A missing counter is created.
  static long long Foliar(Conexion& cn, std::string_view contador, std::string_view tabla, std::string_view columna);
  // Several numbers at once, in order, as many calls to Foliar would give
  // them; in one round trip when the connection allows several statements.
  struct Contador {
    std::string_view contador, tabla, columna;
  };
  static std::vector<long long> Foliar(Conexion& cn, const std::vector<Contador>& contadores);
  // Recomputes the running balance of the customer of the statement entry
  // idMovimiento, and the customer's row in the balances table.
  static void CalculaEdoCta(long long idMovimiento, Conexion& cn, std::string_view tablaEdoCta,
                            std::string_view tablaSaldos);
  // The same, as writes of a lote: the server finds the customer when the
  // lote is sent, after the lote's earlier writes.
  static void CalculaEdoCta(long long idMovimiento, Lote& lote, std::string_view tablaEdoCta,
                            std::string_view tablaSaldos);
};

}  // namespace travesa
