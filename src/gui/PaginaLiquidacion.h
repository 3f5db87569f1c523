#pragma once
// The page «Liquidación del día»: one seller's settlement of a day, shown as
// the document that is printed (DocumentoDeLiquidacion), with «Imprimir»
// (the system's print dialog), «Guardar PDF» (a file chosen by the operator)
// and «Cerrar liquidación», which asks and then marks the day as settled:
// what arrives for it later is shown as late.
#include <QWidget>
#include <functional>
#include <vector>

#include "ledger/Liquidacion.h"
#include "shell/Programa.h"

class QLabel;
class QPrinter;
class QPushButton;
class QTextBrowser;

namespace travesa {

class CampoDeDia;
class ComboDeVendedores;

class PaginaLiquidacion : public QWidget {
  Q_OBJECT

 public:
  // The file to write (the suggested name given); empty when the operator
  // gave none.
  using PideArchivo = std::function<QString(const QString& sugerido)>;
  // Prepares the printer; false when the operator did not print.
  using PideImpresora = std::function<bool(QPrinter& impresora)>;

  PaginaLiquidacion(Programa& programa, QWidget* padre);

  // Opening the page: today and the seller chosen on the run page (the
  // first of the list when it is "(todos)").
  void Abre(const QString& vendedor);
  // The settlement of the chosen seller and day, calculated anew.
  void Muestra();
  const Liquidacion& liquidacion() const { return liquidacion_; }

  // Instead of the save and print dialogs.
  void setPideArchivo(PideArchivo pide) { pideArchivo_ = std::move(pide); }
  void setPideImpresora(PideImpresora pide) { pideImpresora_ = std::move(pide); }

 signals:
  void Regresar();

 private:
  QWidget* CreaFiltros();
  QWidget* CreaBotones();
  void Imprimir();
  void GuardarPdf();
  void CerrarLiquidacion();
  void Habilita(bool calculada);

  Programa& programa_;
  PideArchivo pideArchivo_;
  PideImpresora pideImpresora_;
  Liquidacion liquidacion_;
  CampoDeDia* dtpDia_;
  ComboDeVendedores* cmbVendedor_;
  QLabel* lblCierre_;
  QTextBrowser* txtLiquidacion_;
  QPushButton* cmdImprimir_;
  QPushButton* cmdGuardarPdf_;
  QPushButton* cmdCerrar_;
  QPushButton* cmdRegresar_;
};

}  // namespace travesa
