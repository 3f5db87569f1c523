#pragma once
// A table widget seen as the editable grid's Reja: row 0 is the table's
// column titles and grid row r is table row r - 1; the floating editors
// (txtCelda text, mkeCelda masked, cmbCelda combo, dcmCelda data combo) are
// made inside the table on first use. It hands the table's keys, double
// clicks and the editors' keys and focus losses to the controller.
//
// The table is made read-only: every change goes through the controller.
// Widths are given in twips (15 to a pixel); a width of 0 hides the column.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <map>
#include <memory>

#include "grid/Reja.h"

class QKeyEvent;

namespace travesa {

class EdicionGrid;
class ListaCombo;
class Operador;

class RejaQt : public QObject, public Reja {
  Q_OBJECT

 public:
  RejaQt(QTableWidget* tabla, Operador& operador);
  ~RejaQt() override;

  // Where the events go; nullptr stops them.
  void Controlador(EdicionGrid* edicion) { edicion_ = edicion; }

  // A column's title, width in twips (0 hides it) and the alignment of its
  // cells, also of the cells made later.
  void Columna(int columna, const QString& titulo, int anchoTwips, Qt::Alignment alineacion);
  QTableWidget* tabla() const { return tabla_; }
  // The editor of that kind, if it was made already.
  QWidget* Editor(int tipo) const;

  static constexpr int kTwipsPorPixel = 15;

  // Reja
  int Renglones() const override;
  void FijaRenglones(int n) override;
  void QuitaRenglon(int renglon) override;
  int Columnas() const override;
  std::string Texto(int renglon, int columna) const override;
  void FijaTexto(int renglon, int columna, std::string_view texto) override;
  int Renglon() const override;
  int Columna() const override;
  void VeA(int renglon, int columna) override;
  bool RenglonOculto(int renglon) const override;
  void FuenteDeMarca(int renglon, int columna, float puntos) override;
  void AbreEditor(const AperturaDeEditor& apertura) override;
  std::string TextoEditor() const override;
  void FijaTextoEditor(std::string_view texto) override;
  void CierraEditor(bool enfocarReja) override;
  void EnfocaEditor() override;
  void EnfocaReja() override;
  ListaDeOpciones& Lista(int tipo) override;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QWidget* HazEditor(int tipo);
  QTableWidgetItem* Celda(int renglon, int columna);
  bool TeclaEnReja(QKeyEvent& tecla);
  bool TeclaEnEditor(QKeyEvent& tecla);
  void Coloca(QWidget& editor, const AperturaDeEditor& a);
  // Runs a controller step; a failure inside a call-back is shown, never
  // thrown through the window system.
  template <typename F>
  void Protegido(F&& paso);

  QPointer<QTableWidget> tabla_;
  Operador& op_;
  EdicionGrid* edicion_ = nullptr;
  std::map<int, Qt::Alignment> alineaciones_;
  std::map<int, QPointer<QWidget>> editores_;
  std::map<int, std::unique_ptr<ListaCombo>> listas_;
  QPointer<QWidget> abierto_;
  bool saliendo_ = false;  // inside a focus loss of the editor
};

}  // namespace travesa
