#pragma once
// The operator at the desk: message boxes over the main window, the progress
// label and bar. A job runs on a thread of its own; what it says is brought to
// the window's thread here: a message or question waits there for the answer,
// progress is handed over as signals, queued in the order the job gave it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>

#include "shell/Operador.h"

namespace travesa {

class OperadorVentana : public QObject, public Operador {
  Q_OBJECT

 public:
  explicit OperadorVentana(QObject* padre = nullptr);

  // The window the boxes belong to.
  void setVentana(QWidget* ventana) { ventana_ = ventana; }
  // While true the program's boxes are not shown (a question reads as No):
  // a job being cancelled has nothing more to ask or say.
  void Calla(bool callado) { callado_ = callado; }

  int Mensaje(std::string_view texto, int botones, std::string_view titulo) override;
  int MensajeSimple(std::string_view texto, int botones, std::string_view titulo) override;
  void Aviso(std::string_view texto) override;
  void Progreso(long long actual, long long total) override;
  void Ceder() override;
  void Pitido() override;

 signals:
  void AvisoCambiado(const QString& texto);
  void ProgresoCambiado(qint64 actual, qint64 total);

 private:
  bool EnHiloDeVentana() const;
  int EnHiloDeVentana(const std::function<int()>& accion);

  QPointer<QWidget> ventana_;
  std::atomic<bool> callado_{false};
};

}  // namespace travesa
