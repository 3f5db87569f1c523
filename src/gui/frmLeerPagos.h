#pragma once
// "Aplicación de pagos": the downloaded payments in an editable grid. Only
// "A pagar" can be edited (a number from 0 to the row's balance; 0 leaves the
// payment out), rows can be deleted, and "Aplicar pagos" posts what the grid
// holds. Closing without applying asks first; the payments then wait for the
// next review (see RevisionDePagos).
#include <QDialog>

#include <memory>
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
  // Reads the waiting payment files into the grid; the log is closed after.
  frmLeerPagos(Programa& programa, Operador& operador, BitacoraDeArchivos& bitacora, QWidget* padre = nullptr);
  ~frmLeerPagos() override;

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
  void cmdAplicar();

  RevisionDePagos revision_;
  Operador& operador_;
  QTableWidget* mhgReja_;
  QPushButton* cmdAplicar_;
  QLabel* Label1_;
  QLabel* Label2_;
  QLabel* lblSuma_[2];
  std::unique_ptr<RejaEditable> reja_;
  ObjetoDeMetodos metodos_;
  bool primeraActivacion_ = true;
};

}  // namespace travesa
