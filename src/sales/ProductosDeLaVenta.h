#pragma once
// The product rows of one sale's lines, read with one query for the whole
// sale instead of one per line. The server matches the codes by its own rules
// (letter case, trailing blanks), as a lookup of each code alone would.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "shell/host/FilasPorClave.h"

namespace travesa {

class Conexion;
struct LineaDeVenta;

class ProductosDeLaVenta {
 public:
  // With `libreCubre`, each row also tells whether its free stock
  // (Existencia - PorVender) covers the quantity of its line; meaningful only
  // for a product of a single line (see Compartido).
  // `soloEstas`: the product columns to read (all when empty).
  ProductosDeLaVenta(Conexion& cn, const std::vector<LineaDeVenta>& lineas, bool libreCubre = false,
                     const std::vector<std::string>& soloEstas = {});
  // The products read with a block of sales: the sale's `cuantas` lines are
  // the block's keys from `desde` on.
  ProductosDeLaVenta(FilasPorClave& bloque, std::size_t desde, std::size_t cuantas);

  // The product of line `linea`, as the current row of the returned record
  // set; nullptr when its code is not in `productos`.
  const RecordSet* De(std::size_t linea);
  // The line's product was read by the one query and serves no other line.
  bool SoloDeSuLinea(std::size_t linea);
  // Whether the free stock of the line's product covers its quantity (see
  // the constructor); false for a line without product.
  bool LibreCubre(std::size_t linea);

 private:
  std::unique_ptr<FilasPorClave> propias_;
  FilasPorClave& filas_;
  std::size_t desde_ = 0;
  std::size_t cuantas_ = 0;
};

}  // namespace travesa
