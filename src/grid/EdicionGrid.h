#pragma once
// Makes a read-only grid editable cell by cell. The window declares its
// editable columns (AgregaColumna, one clsColumnasGrid each); the controller
// then takes the grid's keys, floats the column's editor over the cell,
// filters the keys typed (PlantillaDeTeclas), validates the value, writes it
// formatted (FormatoCelda), moves to the next editable cell (ReglasDeAvance),
// adds and deletes rows, and calls the window back at each moment.
//
// The grid's cells are the data: the controller keeps none. In the desktop
// program gui/RejaEditable wires a table widget to it; a window then only
// declares columns and call-backs:
//
//   RejaEditable reja(mhgReja, operador);         // mhgReja: a QTableWidget
//   EdicionGrid& g = reja.edicion();
//   metodos_.Validador("Validar", [this](const std::string& t, int r, int c) { return Validar(t, r, c); });
//   metodos_.Celda("Totaliza", [this](int r, int c) { Totaliza(r, c); });
//   g.ObjetoDeMetodos(metodos_);
//   g.AgregarRenglones(false);
//   g.AgregaColumna(8, TipoDeEditor::kTexto, "9", 0, "#,0.00", "", "Validar", {}, {}, 0, "Totaliza");
//
// RejaEditable hands the grid's keys and double clicks to the controller
// itself: the window need not pass its key presses to EditaCelda.
//
// Keys on the grid: a typed character, Enter, Backspace or a double click
// opens the editor of the current cell's column; Insert adds a row (or goes
// to the empty last one); Delete asks "¿Desea eliminar el renglón N?" and
// removes it; Shift+F1 runs the column's look-up; Space runs PorEspacio.
// Keys in the editor: Enter validates, writes and advances; Esc restores the
// cell; Up and Down (text and masked boxes) write and move one row; Shift+F1
// runs the look-up; leaving the editor validates and writes.
// Everything beeps and changes nothing where it cannot act.
#include <string>
#include <vector>

#include "grid/ObjetoDeMetodos.h"
#include "grid/Reja.h"
#include "grid/TeclasGrid.h"
#include "grid/clsColumnasGrid.h"
#include "shell/Operador.h"

namespace travesa {

class EdicionGrid {
 public:
  // Both must outlive the controller.
  EdicionGrid(Reja& FlexGrid, Operador& operador);
  EdicionGrid(const EdicionGrid&) = delete;
  EdicionGrid& operator=(const EdicionGrid&) = delete;

  // The owner of the call-backs named by text. Call-backs given as
  // callables need none.
  void ObjetoDeMetodos(const travesa::ObjetoDeMetodos& metodos) { metodos_ = &metodos; }

  // Properties (defaults in brackets).
  void EsEditable(bool si) { esEditable_ = si; }  // [true] false: keys and double click do nothing
  bool EsEditable() const { return esEditable_; }
  void AgregarRenglones(bool si) { agregarRenglones_ = si; }  // [true] Insert, moving past the last cell
  bool AgregarRenglones() const { return agregarRenglones_; }
  void BorrarRenglones(bool si) { borrarRenglones_ = si; }  // [true] Delete
  bool BorrarRenglones() const { return borrarRenglones_; }
  void CambioAutomatico(bool si) { cambioAutomatico_ = si; }  // [true] Enter advances
  bool CambioAutomatico() const { return cambioAutomatico_; }
  // [-1, none] while this column of a row is blank, its other columns cannot be edited.
  void ColumnaPrincipal(int columna) { columnaPrincipal_ = columna; }
  int ColumnaPrincipal() const { return columnaPrincipal_; }
  void Numerar(bool si) { numerar_ = si; }  // [false] row numbers in column 0
  bool Numerar() const { return numerar_; }
  void FactorHorizontal(int twips) { factorHorizontal_ = twips; }  // [0] editor offset
  void FactorVertical(int twips) { factorVertical_ = twips; }      // [0]
  void PorEspacio(LlamadaGrid<FnCelda> f) { porEspacio_ = std::move(f); }
  void AntesDeInsertar(LlamadaGrid<FnRenglon> f) { antesDeInsertar_ = std::move(f); }
  void SuprimeLinea(LlamadaGrid<FnRenglon> f) { suprimeLinea_ = std::move(f); }  // replaces deleting
  // The check mark of the current cell.
  bool CeldaMarcada() const;
  void CeldaMarcada(bool marcada);
  int UltimaColumna() const { return ultimaColumna_; }
  const std::vector<clsColumnasGrid>& Columnas() const { return columnas_; }
  bool Editando() const { return editando_; }

  // The texts of a check-mark cell.
  static constexpr const char* kMarcada = "☑";
  static constexpr const char* kSinMarca = "☐";

  void AgregaColumna(clsColumnasGrid columna);
  void AgregaColumna(int Columna, int TipoControl, std::string Plantilla = {}, int Longitud = 0,
                     std::string Formato = {}, std::string Mascara = {}, LlamadaGrid<FnValidador> Validador = {},
                     LlamadaGrid<FnValor> ShiftF1 = {}, LlamadaGrid<FnLlenarCombo> LlenarCombos = {},
                     float TamañoFuenteCheckBox = 0, LlamadaGrid<FnCelda> DespuesDeEditar = {});

  // A key typed on the grid, handed over by the window; it is consumed
  // (set to 0). Esc handed over this way beeps.
  void EditaCelda(char32_t& inTecla);
  void Modificar();       // as Enter on the grid: edits the cell keeping its text
  void AgregarRenglon();  // as Insert on the grid
  void BorrarReglon();    // as Delete on the grid
  // Removes the row; one blank data row always remains.
  void Borrarlo(int lnReng);

  // --- Events, from the grid adapter.
  // A character typed on the grid (Enter 13, Backspace 8, Esc 27...).
  // False when the grid is not editable, so the key is the grid's own.
  bool TeclaEscrita(char32_t tecla);
  // Insert, Delete, Shift+F1 and Space on the grid. True when consumed.
  bool TeclaEspecial(teclas::Especial tecla);
  void DobleClic();
  // From the open editor.
  void EnterEnEditor();
  void EscapeEnEditor();
  void ArribaEnEditor();
  void AbajoEnEditor();
  void ShiftF1EnEditor();
  // A character typed in the editor, through the column's template: what to
  // insert, 0 to drop it.
  char32_t TeclaEnEditor(char32_t tecla);
  // The focus left the editor for another control of the window.
  void EditorPierdeFoco();

 private:
  const clsColumnasGrid* Descriptor(int columna) const;
  bool PrincipalEnBlanco(int renglon, int columna) const;
  bool RenglonVacio(int renglon) const;
  void Abre(const clsColumnasGrid& col, int renglon, int columna, char32_t tecla, const std::string* texto);
  void Marca(const clsColumnasGrid& col, int renglon, int columna, char32_t tecla);
  bool Valida();
  bool Acepta();
  // Writes the editor's value into the cell and closes the editor.
  void Escribe(bool enfocarReja);
  void Avanza(int renglon, int columna);
  void AbreAlLlegar(int columna);
  void AgregaRenglonNuevo();
  void Suprime();
  void Inserta();
  void ShiftF1EnReja();
  void MueveEnEditor(int paso);
  void Cancela();

  // Call-backs, by name or direct; a name the owner lacks is reported.
  bool LlamaValidador(const LlamadaGrid<FnValidador>& f, const std::string& texto, int r, int c);
  void LlamaCelda(const LlamadaGrid<FnCelda>& f, int r, int c);
  void LlamaRenglon(const LlamadaGrid<FnRenglon>& f, int r);
  void LlamaLlenar(const LlamadaGrid<FnLlenarCombo>& f, ListaDeOpciones& lista, int r, int c);
  std::string LlamaValor(const LlamadaGrid<FnValor>& f);
  template <typename F>
  const std::function<F>* Resuelve(const LlamadaGrid<F>& f);

  Reja& reja_;
  Operador& op_;
  const travesa::ObjetoDeMetodos* metodos_ = nullptr;
  std::vector<clsColumnasGrid> columnas_;
  int primeraColumna_ = 0;
  int ultimaColumna_ = 0;

  bool esEditable_ = true;
  bool agregarRenglones_ = true;
  bool borrarRenglones_ = true;
  bool cambioAutomatico_ = true;
  int columnaPrincipal_ = -1;
  bool numerar_ = false;
  int factorHorizontal_ = 0;
  int factorVertical_ = 0;
  LlamadaGrid<FnCelda> porEspacio_;
  LlamadaGrid<FnRenglon> antesDeInsertar_;
  LlamadaGrid<FnRenglon> suprimeLinea_;

  // The edit in progress.
  bool editando_ = false;
  int renglonEd_ = 0;
  int columnaEd_ = 0;
  std::string textoInicial_;
  bool validando_ = false;  // a validator (and its message) is running
};

}  // namespace travesa
