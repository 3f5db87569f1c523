#pragma once
// The document a receivable stands for, by its kind (cxc.Tipo): the column of
// anexopagosctes that holds its number, the word the review shows, and the
// table whose balance a payment lowers.
#include <string>
#include <string_view>

namespace travesa {

class BasesDD;
class Conexion;
class RecordSet;

struct DocumentoDePago {
  std::string_view columna;  // "Factura", "Remision", "Apartado" or "Cargo"
  std::string_view nombre;   // "Factura", "Remisión", "Apartado" or "Cargo"
  std::string_view tabla;    // "facturas", "remisiones", "apartados"; empty for a cargo

  // "F", "R", "A"; anything else is a cargo.
  static DocumentoDePago DeTipo(std::string_view tipo);
  bool EsCargo() const { return tabla.empty(); }

  // Opens the document of number `numero` (the receivable's Numero) in rs:
  // the row of its table with that Id or, for a cargo, the statement entry with
  // that Folio. True when it exists.
  bool Abre(const BasesDD& bd, Conexion& cn, RecordSet& rs, long long numero,
            std::string_view columnas = {}) const;
  // Whether anexopagosctes already holds a payment of the document of number
  // `numero` made on `fecha` ("yyyy-mm-dd") at `hora` (its "hh:mm" counts)
  // with the same whole amount: that payment was applied before.
  bool PagoAplicado(const BasesDD& bd, Conexion& cn, long long numero, const std::string& fecha,
                    const std::string& hora, double monto) const;
};

}  // namespace travesa
