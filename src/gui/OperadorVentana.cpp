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
  if (callado_) return 0;
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

// Emitted from a job's thread, the signals reach the window queued.
void OperadorVentana::Aviso(std::string_view texto) { emit AvisoCambiado(textoqt::AQt(texto)); }

void OperadorVentana::Progreso(long long actual, long long total) { emit ProgresoCambiado(actual, total); }

// A job off the window's thread needs no yielding: the window keeps running.
void OperadorVentana::Ceder() {
  if (EnHiloDeVentana()) QCoreApplication::processEvents();
}

void OperadorVentana::Pitido() {
  QMetaObject::invokeMethod(
      this, [] { QApplication::beep(); }, Qt::AutoConnection);
}

}  // namespace travesa
