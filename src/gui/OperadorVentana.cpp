#include "gui/OperadorVentana.h"

#include <QApplication>
#include <QThread>

#include "gui/CajaDeMensaje.h"
#include "gui/TextoQt.h"

namespace travesa {

OperadorVentana::OperadorVentana(QObject* padre) : QObject(padre) {}

bool OperadorVentana::EnHiloDeVentana() const { return QThread::currentThread() == thread(); }

int OperadorVentana::EnHiloDeVentana(const std::function<int()>& accion) {
  if (EnHiloDeVentana()) return accion();
  int resultado = 0;
  QMetaObject::invokeMethod(this, accion, Qt::BlockingQueuedConnection, &resultado);
  return resultado;
}

int OperadorVentana::Mensaje(std::string_view texto, int botones, std::string_view titulo) {
  const std::string t(texto);
  const std::string ti(titulo);
  return EnHiloDeVentana([this, &t, botones, &ti] { return CajaDeMensaje::Muestra(ventana_, t, botones, ti); });
}

// Start-up and the login speak before the main window is of any use: their
// boxes stand on their own.
int OperadorVentana::MensajeSimple(std::string_view texto, int botones, std::string_view titulo) {
  const std::string t(texto);
  const std::string ti(titulo);
  return EnHiloDeVentana([&t, botones, &ti] { return CajaDeMensaje::Muestra(nullptr, t, botones, ti); });
}

void OperadorVentana::Aviso(std::string_view texto) {
  const QString t = textoqt::AQt(texto);
  if (EnHiloDeVentana()) {
    emit AvisoCambiado(t);
    return;
  }
  std::lock_guard<std::mutex> bloqueo(pendientes_);
  aviso_ = t;
  if (avisoEnCamino_) return;
  avisoEnCamino_ = true;
  QMetaObject::invokeMethod(this, &OperadorVentana::EntregaAviso, Qt::QueuedConnection);
}

void OperadorVentana::EntregaAviso() {
  QString t;
  {
    std::lock_guard<std::mutex> bloqueo(pendientes_);
    t = aviso_;
    avisoEnCamino_ = false;
  }
  emit AvisoCambiado(t);
}

void OperadorVentana::Progreso(long long actual, long long total) {
  if (EnHiloDeVentana()) {
    emit ProgresoCambiado(actual, total);
    return;
  }
  std::lock_guard<std::mutex> bloqueo(pendientes_);
  actual_ = actual;
  total_ = total;
  if (progresoEnCamino_) return;
  progresoEnCamino_ = true;
  QMetaObject::invokeMethod(this, &OperadorVentana::EntregaProgreso, Qt::QueuedConnection);
}

void OperadorVentana::EntregaProgreso() {
  qint64 actual = 0;
  qint64 total = 0;
  {
    std::lock_guard<std::mutex> bloqueo(pendientes_);
    actual = actual_;
    total = total_;
    progresoEnCamino_ = false;
  }
  emit ProgresoCambiado(actual, total);
}

// A job off the window's thread needs no yielding: the window keeps running.
void OperadorVentana::Ceder() {
  if (EnHiloDeVentana()) QCoreApplication::processEvents();
}

void OperadorVentana::Pitido() {
  QMetaObject::invokeMethod(this, [] { QApplication::beep(); }, Qt::AutoConnection);
}

}  // namespace travesa
