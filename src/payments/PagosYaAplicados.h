#pragma once
// Which reviewed payments anexopagosctes already holds, asked again under the
// run's lock: another desk that held the same file may have applied them
// while this one waited, beside other payments of the customer than this desk
// holds, so the customer's statement entry alone cannot tell.
//
// A payment is applied when an annex row names its document (the receivable's
// Numero, in the column of the receivable's kind) with its date, its "hh:mm"
// and its whole amount; for a receivable gone since the review (settled,
// perhaps by this very payment), an annex row of the customer's statement.
// Payments are asked a block at a time: two queries for the block, and one
// more for each payment whose receivable is gone.
#include <vector>

namespace travesa {

class Conexion;
struct PagoAAplicar;

class PagosYaAplicados {
 public:
  // `cantidades` are the payments' amounts in cents, as they would be staged.
  static std::vector<bool> Busca(Conexion& cn, const std::vector<PagoAAplicar>& pagos,
                                 const std::vector<double>& cantidades);
};

}  // namespace travesa
