#pragma once
// The stock that leaves the warehouse with one sale: each product's stock is
// lowered by its line's quantity, and the warehouse history gets one row per
// line with the stock the product was left with.
//
// The sale's stock goes down with one statement that also keeps, in a
// session variable per line, the stock it left; one statement then writes all the
// history rows from those variables. The values are the server's own, so two
// lines of one product, or another desk selling it meanwhile, give the same
// history as reading the stock back after each line.
#include <string>
#include <vector>

namespace travesa {

class Conexion;
class Lote;
class RecordSet;

class SalidaDeAlmacen {
 public:
  SalidaDeAlmacen(std::string vendedor, std::string cliente, std::string nombreCliente);

  // A line of the product (the current row of `producto`).
  void Agrega(const RecordSet& producto, double cantidad, std::string fecha, std::string referencia);
  void Graba(Lote& lote);

 private:
  struct Salida {
    std::string clave;
    double cantidad = 0;
    std::string fecha;
    std::string referencia;
  };

  std::string Existencias(Conexion& cn) const;

  std::string vendedor_;
  std::string cliente_;
  std::string nombreCliente_;
  std::vector<Salida> salidas_;
};

}  // namespace travesa
