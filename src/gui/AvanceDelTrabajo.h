#pragma once
// The running job, under the pages: what it is doing (its title and the
// progress text the job gives), the bar of a transfer, and «Cancelar», which
// stays usable while the pages are disabled for the job. Hidden between jobs.
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace travesa {

class AvanceDelTrabajo : public QWidget {
  Q_OBJECT

 public:
  explicit AvanceDelTrabajo(QWidget* padre);

  // Shown with the job's title, no progress yet, and «Cancelar» enabled.
  void Inicia(const QString& titulo);
  void setAviso(const QString& texto);
  void setProgreso(qint64 actual, qint64 total);
  // «Cancelar» was pressed: the job is stopping.
  void Cancelando();
  void Termina();

 signals:
  void Cancelar();

 private:
  QLabel* lblTrabajo_;
  QLabel* lblAviso_;
  QProgressBar* barAviso_;
  QPushButton* cmdCancelar_;
  bool cancelando_ = false;
};

}  // namespace travesa
