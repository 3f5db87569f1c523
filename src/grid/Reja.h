#pragma once
// The grid as the editing controller (EdicionGrid) sees it: cells addressed
// as a flex grid does, row 0 being the titles and rows 1 to Renglones() - 1
// the data; the current cell; and one floating editor over a cell. The
// desktop program adapts its table widget to it (gui/RejaQt); the tests of
// the rules use a plain one.
#include <string>
#include <string_view>

namespace travesa {

// The list of a combo editor, as the LlenarCombos call-back fills it.
class ListaDeOpciones {
 public:
  virtual ~ListaDeOpciones() = default;
  virtual void Limpia() = 0;
  // `dato` is the value a data combo keeps beside the text it shows.
  virtual void Agrega(std::string_view texto, std::string_view dato = {}) = 0;
  virtual int Cuantas() const = 0;
  virtual std::string Opcion(int i) const = 0;
};

// What the controller asks of an editor it opens.
struct AperturaDeEditor {
  int tipo = 0;  // TipoDeEditor
  int renglon = 0, columna = 0;
  std::string texto;
  bool seleccionaTodo = false;  // otherwise the caret goes to the end
  int longitud = 0;             // most characters; 0: no limit
  std::string mascara;
  int desplazamientoX = 0, desplazamientoY = 0;  // FactorHorizontal/Vertical, twips
};

class Reja {
 public:
  virtual ~Reja() = default;

  // Rows, the titles' row included: 1 means no data row.
  virtual int Renglones() const = 0;
  // Cuts or grows to n rows (at least 1); new rows are blank.
  virtual void FijaRenglones(int n) = 0;
  virtual void QuitaRenglon(int renglon) = 0;
  virtual int Columnas() const = 0;
  virtual std::string Texto(int renglon, int columna) const = 0;
  virtual void FijaTexto(int renglon, int columna, std::string_view texto) = 0;
  // The current cell; row 0 when there is none.
  virtual int Renglon() const = 0;
  virtual int Columna() const = 0;
  virtual void VeA(int renglon, int columna) = 0;
  // A row of height 0 cannot be edited.
  virtual bool RenglonOculto(int renglon) const = 0;
  // The look of a check-mark cell; 0 points: the grid's own size.
  virtual void FuenteDeMarca(int renglon, int columna, float puntos) = 0;
  // A row (re)numbered or added: painted in the grid's row colours.
  virtual void PintaRenglon(int renglon) { (void)renglon; }

  // The floating editor: shown over the cell with the focus.
  virtual void AbreEditor(const AperturaDeEditor& apertura) = 0;
  virtual std::string TextoEditor() const = 0;
  virtual void FijaTextoEditor(std::string_view texto) = 0;
  // Hidden; the focus back to the grid when asked (not when it left the
  // editor for another control).
  virtual void CierraEditor(bool enfocarReja) = 0;
  // Back into the editor, after a value it holds was refused.
  virtual void EnfocaEditor() = 0;
  virtual void EnfocaReja() = 0;
  // The list of the combo editor of that kind (2 or 4).
  virtual ListaDeOpciones& Lista(int tipo) = 0;
};

}  // namespace travesa
