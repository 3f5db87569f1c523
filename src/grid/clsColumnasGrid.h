#pragma once
// One editable column of an editable grid (EdicionGrid): which grid column,
// which editor, which keys it takes, how its value is written, and the
// owner's call-backs at each moment of an edit.
#include <cstdint>
#include <string>

#include "grid/LlamadaGrid.h"

namespace travesa {

// The editors a column can have (TipoControl).
namespace TipoDeEditor {
inline constexpr int kTexto = 0;      // text box txtCelda
inline constexpr int kMascara = 1;    // masked box mkeCelda (a date: its value must be one)
inline constexpr int kCombo = 2;      // combo box cmbCelda
inline constexpr int kMarca = 3;      // check mark drawn in the cell, no editor
inline constexpr int kDataCombo = 4;  // data combo dcmCelda (items carry a value)
}  // namespace TipoDeEditor

struct clsColumnasGrid {
  std::uint8_t Columna = 0;  // grid column number
  std::int16_t TipoControl = TipoDeEditor::kTexto;
  // Key template: "!" upper case, "¡" lower case, "9" number, "T" time; for a
  // check mark, "1" makes a blank cell marked on its first toggle.
  std::string Plantilla;
  std::int16_t Longitud = 0;  // most characters of the text editor; 0: no limit
  // Applied to the value written into the cell ("#,0.00", "dd/mmm/yyyy"...);
  // empty: the value as typed.
  std::string Formato;
  std::string Mascara;                 // input mask of the masked box ("##/##/####")
  LlamadaGrid<FnValidador> Validador;  // empty: every value is valid
  LlamadaGrid<FnValor> ShiftF1;        // look-up run by Shift+F1
  LlamadaGrid<FnLlenarCombo> LlenarCombos;
  float TamañoFuenteCheckBox = 0;        // points of the check mark; 0: the grid's size
  LlamadaGrid<FnCelda> DespuesDeEditar;  // run once a value was written
};

}  // namespace travesa
