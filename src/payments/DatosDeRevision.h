#pragma once
// What the review shows of a block of payments, read with a few queries for
// the whole block instead of four for each payment: each receivable, whether
// the payment was already applied, its document's date and number, and its
// customer's name.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "payments/LectorDePagos.h"
#include "payments/PagosYaAplicados.h"
#include "payments/RevisionDePagos.h"
#include "shell/host/RecordSet.h"

namespace travesa {

class Conexion;

class DatosDeRevision {
 public:
  DatosDeRevision(Conexion& cn, const std::vector<RegistroDePago>& pagos);

  // The row of payment `i` without its amount, date and time; nothing when
  // its receivable no longer exists or the payment was already applied.
  std::optional<RevisionDePagos::Renglon> Renglon(std::size_t i);

 private:
  void LeeDocumentos(Conexion& cn);
  void LeeNombres(Conexion& cn);
  PagosYaAplicados::Documento DocumentoDe(std::size_t fila);

  const std::vector<RegistroDePago>& pagos_;
  RecordSet cxcs_;
  std::map<long, std::size_t> filaDeCxc_;
  std::optional<PagosYaAplicados> aplicados_;
  std::map<std::pair<std::string, long long>, std::pair<std::string, std::string>> documentos_;  // date, number
  std::set<long long> cargos_;
  std::map<std::string, std::string> nombres_;
};

}  // namespace travesa
