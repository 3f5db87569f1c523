#pragma once
// The documents behind the open receivables, fetched in a few queries (one per
// document table) instead of one lookup per receivable, and answered the way
// the one-by-one lookups would answer. Kept by number, as the receivable's
// Numero names them.
#include <optional>
#include <string>
#include <unordered_map>

namespace travesa {

class BasesDD;
class Conexion;

class DocumentosDeCxc {
 public:
  struct Documento {
    std::string serie;
    std::string factura;
    std::string fecha;
  };
  enum class Tabla { Facturas, Apartados, Remisiones };

  // Reads the charges and the invoices, layaways and remissions that some
  // receivable names.
  void Carga(BasesDD& bd, Conexion& cn);

  // The date of the first charge statement row with that folio.
  const std::string* FechaDeCargo(long long folio) const;
  const Documento* Busca(Tabla tabla, long long id) const;

 private:
  std::unordered_map<long long, std::string> cargos_;
  std::unordered_map<long long, Documento> tablas_[3];
};

}  // namespace travesa
