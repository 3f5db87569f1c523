#pragma once
// What the last read run did, under the commands until the next run: the
// counts, a sortable table with one row per sale (posted, posted to a
// customer Norvento does not have, or not posted, the last two in colours
// that stand out), the totals by document kind and by day, the customers and
// the transfer, and «Copiar», which puts the summary's text on the clipboard.
#include <QWidget>

#include "sales/LecturaDeArchivos.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace travesa {

class TablaDeResumen : public QWidget {
  Q_OBJECT

 public:
  enum Columna : int {
    kEstado,
    kFecha,
    kDocumento,
    kSerie,
    kFolio,
    kCliente,
    kNombre,
    kTotal,
    kArchivo,
    kMotivo,
    kColumnas
  };

  explicit TablaDeResumen(QWidget* padre);

  void Muestra(const ResumenLectura& resumen);
  // Hidden, with nothing in it.
  void Limpia();
  // The text «Copiar» puts on the clipboard.
  QString Texto() const { return texto_; }

 private:
  void AgregaPosteadas(const ResultadoVentas& v);
  void AgregaFallidas(const ResultadoVentas& v);
  void Copia();

  QLabel* lblCuentas_;
  QTableWidget* tblVentas_;
  QLabel* lblTotales_;
  QLabel* lblOtros_;
  QPushButton* cmdCopiar_;
  QString texto_;
};

}  // namespace travesa
