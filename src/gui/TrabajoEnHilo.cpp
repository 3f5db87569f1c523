#include "gui/TrabajoEnHilo.h"

#include <QEventLoop>
#include <QThread>
#include <exception>
#include <memory>

namespace travesa {
namespace {

int trabajosEnCurso = 0;

}  // namespace

bool TrabajoEnHilo::EnCurso() { return trabajosEnCurso > 0; }

void TrabajoEnHilo::Ejecuta(const std::function<void()>& trabajo) {
  std::exception_ptr error;
  std::unique_ptr<QThread> hilo(QThread::create([&trabajo, &error] {
    try {
      trabajo();
    } catch (...) {
      error = std::current_exception();
    }
  }));
  QEventLoop espera;
  QObject::connect(hilo.get(), &QThread::finished, &espera, &QEventLoop::quit, Qt::QueuedConnection);
  ++trabajosEnCurso;
  hilo->start();
  espera.exec();
  hilo->wait();
  --trabajosEnCurso;
  if (error) std::rethrow_exception(error);
}

}  // namespace travesa
