#pragma once
// "Aplicación de pagos": the downloaded payments of the chosen seller in an
// editable grid, with the seller and when each payment was collected. Only
// "A pagar" can be edited (a number from 0 to the row's balance; 0 leaves the
// payment out), numbered rows can be deleted, and "Aplicar pagos" posts what
// the grid holds; the totals always add the rows shown. Tab leaves the grid,
// Esc outside an edit closes the window, every button has its Alt letter.
// Closing without applying asks first; the payments then wait for the next
// review (see RevisionDePagos).
#include <QDialog>
#include <memory>
#include <string_view>
#include <vector>

#include "grid/ObjetoDeMetodos.h"
#include "payments/RevisionDePagos.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace travesa {

class BitacoraDeArchivos;
class RejaEditable;

class frmLeerPagos : public QDialog {
  Q_OBJECT

 public:
  // Reads the waiting payment files of the seller (every seller's when it is
  // empty) into the grid; the log is closed after.
  frmLeerPagos(Programa& programa, Operador& operador, BitacoraDeArchivos& bitacora, std::string_view vendedor,
               QWidget* padre = nullptr);
  ~frmLeerPagos() override;

  // False when the files held no payment to apply: the window is not shown then.
  bool HayPagos() const;

  // The call-backs the grid names.
  bool Validar(const std::string& stTexto, int renglon, int columna);
  void Totaliza(int renglon, int columna);

  // The grid's data rows as the review's rows.
  std::vector<RevisionDePagos::Renglon> Renglones() const;

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void PreparaReja();
  void Llena();
  // Both totals, from the grid's rows.
  void Totales();
  void cmdAplicar();

  RevisionDePagos revision_;
  Operador& operador_;
  QTableWidget* mhgReja_;
  QPushButton* cmdAplicar_;
  QPushButton* cmdCerrar_;
  QLabel* Label1_;
  QLabel* Label2_;
  QLabel* lblSuma_[2];
  std::unique_ptr<RejaEditable> reja_;
  ObjetoDeMetodos metodos_;
  bool primeraActivacion_ = true;
};

}  // namespace travesa
