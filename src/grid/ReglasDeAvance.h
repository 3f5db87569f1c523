#pragma once
// Where the editable grid goes after a value was written with Enter:
//   - to the next editable column of the row (the first descriptor, in the
//     order added, whose column is higher), editing it;
//   - from the last editable column, to the row's first editable column one
//     row down; on the last row, to a new row when rows may be added, or it
//     stays on the row's first editable column.
// Arriving on the last row with rows allowed to be added opens the editor
// there too, so typing a list runs on without a key between rows.
#include <vector>

#include "grid/clsColumnasGrid.h"

namespace travesa {

class ReglasDeAvance {
 public:
  enum class Paso { OtraColumna, RenglonAbajo, RenglonNuevo, Queda };
  struct Destino {
    Paso paso;
    int renglon;  // for RenglonNuevo: the row the new one will have
    int columna;
    bool abrirEditor;
  };
  // `ultimoRenglon` is the grid's last row (rows count less one).
  static Destino Siguiente(const std::vector<clsColumnasGrid>& columnas, int renglon, int columna, int ultimoRenglon,
                           bool agregarRenglones);
};

}  // namespace travesa
