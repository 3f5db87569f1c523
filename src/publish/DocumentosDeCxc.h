#pragma once
// The documents behind the open receivables, fetched in a few queries (one per
// document table) instead of one lookup per receivable, and answered the way
// the one-by-one lookups would answer.
#include <map>
#include <optional>
#include <string>

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

  // Reads the charges and the invoices, layaways and remissions that some
  // receivable names.
  void Carga(BasesDD& bd, Conexion& cn);

  // The date of the first charge statement row with that folio.
  std::optional<std::string> FechaDeCargo(const std::string& folio) const;
  // tabla: "facturas", "apartados" or "remisiones".
  std::optional<Documento> Busca(const std::string& tabla, const std::string& id) const;

 private:
  std::map<std::string, std::string> cargos_;
  std::map<std::string, std::map<std::string, Documento>> tablas_;
};

}  // namespace travesa
