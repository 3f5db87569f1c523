#pragma once
// A table for the terminal: columns padded to their widest cell (counted in
// characters, not bytes), numbers to the right.
#include <string>
#include <vector>

namespace travesa {

class TablaAlineada {
 public:
  enum class Alineacion { Izquierda, Derecha };
  struct Columna {
    std::string titulo;
    Alineacion alineacion = Alineacion::Izquierda;
  };

  explicit TablaAlineada(std::vector<Columna> columnas);
  // A row with one cell a column (missing cells are empty; line breaks in a
  // cell are shown as blanks).
  void Agrega(std::vector<std::string> celdas);
  bool Vacia() const { return filas_.empty(); }
  // The titles, a rule, and the rows, each line indented by `sangria` blanks
  // and ended by "\n".
  std::string Texto(int sangria = 2) const;

 private:
  std::vector<Columna> columnas_;
  std::vector<std::vector<std::string>> filas_;
};

}  // namespace travesa
