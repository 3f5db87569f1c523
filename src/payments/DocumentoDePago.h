#pragma once
// The document a receivable stands for, by its kind (cxc.Tipo): the column of
// anexopagosctes that holds its number, the word the review shows, and the
// table whose balance a payment lowers.
#include <string_view>

namespace travesa {

struct DocumentoDePago {
  std::string_view columna;  // "Factura", "Remision", "Apartado" or "Cargo"
  std::string_view nombre;   // "Factura", "Remisión", "Apartado" or "Cargo"
  std::string_view tabla;    // "facturas", "remisiones", "apartados"; empty for a cargo

  // "F", "R", "A"; anything else is a cargo.
  static DocumentoDePago DeTipo(std::string_view tipo);
  bool EsCargo() const { return tabla.empty(); }
};

}  // namespace travesa
