#pragma once
// The page «Historial»: the runs of a day as the ledger keeps them, for every
// seller or one, and only what holds a text in a file name, a folio or a
// customer when one is typed. A tree: each run (when, what, its result, who
// ran it), its files and what became of them, and each file's documents and
// the sales of it that were not posted; a payments run also has its payments
// and what was decided of each.
#include <QWidget>
#include <vector>

#include "ledger/ConsultaDelHistorial.h"
#include "shell/Programa.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace travesa {

class CampoDeDia;
class ComboDeVendedores;

class PaginaHistorial : public QWidget {
  Q_OBJECT

 public:
  enum Columna : int { kQue, kVendedor, kCliente, kTotal, kResultado, kDetalle, kColumnas };

  PaginaHistorial(Programa& programa, QWidget* padre);

  // Opening the page: today, the sellers of Norvento with the one chosen on
  // the run page, no search.
  void Abre(const QString& vendedor);
  // The runs of the chosen day, seller and search.
  void Muestra();

 signals:
  void Regresar();

 private:
  QWidget* CreaFiltros();
  void AgregaCorrida(const ConsultaDelHistorial::Corrida& c);
  void AgregaArchivo(QTreeWidgetItem* corrida, const ConsultaDelHistorial::ArchivoDeCorrida& a);
  void AgregaPago(QTreeWidgetItem* corrida, const ConsultaDelHistorial::PagoDeCorrida& p);

  Programa& programa_;
  CampoDeDia* dtpDia_;
  ComboDeVendedores* cmbVendedor_;
  QLineEdit* txtBuscar_;
  QPushButton* cmdMostrar_;
  QLabel* lblCuentas_;
  QTreeWidget* arbCorridas_;
  QPushButton* cmdRegresar_;
};

}  // namespace travesa
