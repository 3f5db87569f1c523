#pragma once
// The sellers at a glance, on the run page: for each, the last file of its
// phones, the last catalogue published for it, its files kept on the site and
// its payment files waiting for review. A seller with no file for the hours
// the INI file says (a day unless told) stands out in colour and says so. Taken from the ledger after each job;
// hidden while the program has no ledger.
#include <QWidget>

#include "ledger/ConsultaDelHistorial.h"

class QLabel;
class QTableWidget;

namespace travesa {

class Programa;

class TablaDeEstado : public QWidget {
  Q_OBJECT

 public:
  enum Columna : int { kVendedor, kNombre, kUltimoArchivo, kPublicado, kEnSitio, kPagos, kAviso, kColumnas };

  explicit TablaDeEstado(QWidget* padre);

  void Actualiza(Programa& programa);
  // `horas`: without a file for that long, a seller is flagged.
  void Muestra(const std::vector<ConsultaDelHistorial::EstadoDeVendedor>& estado, int horas);

 private:
  QLabel* lblEstado_;
  QTableWidget* tblEstado_;
};

}  // namespace travesa
