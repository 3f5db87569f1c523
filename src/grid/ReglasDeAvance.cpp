#include "grid/ReglasDeAvance.h"

#include <algorithm>

namespace travesa {

ReglasDeAvance::Destino ReglasDeAvance::Siguiente(const std::vector<clsColumnasGrid>& columnas, int renglon,
                                                  int columna, int ultimoRenglon, bool agregarRenglones) {
  if (columnas.empty()) return {Paso::Queda, renglon, columna, false};
  int ultima = 0;
  for (const auto& c : columnas) ultima = std::max<int>(ultima, c.Columna);
  if (columna < ultima) {
    for (const auto& c : columnas)
      if (c.Columna > columna) return {Paso::OtraColumna, renglon, c.Columna, true};
  }
  const int primera = columnas.front().Columna;
  if (renglon < ultimoRenglon)
    return {Paso::RenglonAbajo, renglon + 1, primera, renglon + 1 == ultimoRenglon && agregarRenglones};
  if (agregarRenglones) return {Paso::RenglonNuevo, ultimoRenglon + 1, primera, true};
  return {Paso::Queda, renglon, primera, false};
}

}  // namespace travesa
