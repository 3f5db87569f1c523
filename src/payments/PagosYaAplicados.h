#pragma once
// Which payments anexopagosctes already holds. A payment is applied when an
// annex row names its document (the receivable's Numero, in the column of the
// receivable's kind) with its date, its "hh:mm" and its whole amount.
//
// The annex rows of every document asked for are read with one query, so a
// block of payments costs one round trip however many it holds.
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "payments/DocumentoDePago.h"

namespace travesa {

class Conexion;
struct PagoAAplicar;

class PagosYaAplicados {
 public:
  using Documento = std::pair<DocumentoDePago, long long>;  // kind, number

  PagosYaAplicados(Conexion& cn, const std::vector<Documento>& documentos);

  // `hora` counts by its "hh:mm"; `monto` by its whole part.
  bool Aplicado(const Documento& documento, const std::string& fecha, const std::string& hora, double monto) const;

  // The reviewed payments applied since the review, asked again under the
  // run's lock: another desk that held the same file may have applied them
  // while this one waited, beside other payments of the customer than this
  // desk holds, so the customer's statement entry alone cannot tell. For a
  // receivable gone since the review (settled, perhaps by this very payment),
  // an annex row of the customer's statement counts. `cantidades` are the
  // amounts in cents, as they would be staged.
  static std::vector<bool> Busca(Conexion& cn, const std::vector<PagoAAplicar>& pagos,
                                 const std::vector<double>& cantidades);

 private:
  // Document column, number, date, "hh:mm", whole amount.
  using Huella = std::tuple<std::string, long long, std::string, std::string, long long>;
  std::set<Huella> huellas_;
};

}  // namespace travesa
