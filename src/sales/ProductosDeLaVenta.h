#pragma once
// The product rows of one sale's lines, read with one query for the whole
// sale instead of one per line. The server matches the codes by its own rules
// (letter case, trailing blanks), as a lookup of each code alone would.
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "shell/host/RecordSet.h"

namespace travesa {

class Conexion;
struct LineaDeVenta;

class ProductosDeLaVenta {
 public:
  ProductosDeLaVenta(Conexion& cn, const std::vector<LineaDeVenta>& lineas);

  // The product of line `linea`, as the current row of the returned record
  // set; nullptr when its code is not in `productos`.
  const RecordSet* De(std::size_t linea);

 private:
  void LeeJuntos(Conexion& cn, const std::vector<LineaDeVenta>& lineas);
  void LeeSueltos(Conexion& cn, const std::vector<LineaDeVenta>& lineas);

  RecordSet juntos_;
  std::vector<std::optional<std::size_t>> filaDeLinea_;
  // Lines whose code the one query did not answer, read one by one.
  std::vector<std::unique_ptr<RecordSet>> sueltos_;
};

}  // namespace travesa
