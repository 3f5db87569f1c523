// Pictures of the main window's two pages, taken from the real windows over a
// prepared program folder on a running display (scripts/capturas-ventana runs
// it under Xvfb over the demo data):
//   capturas_ventana PROGRAM_FOLDER RUN_PAGE.png CONFIGURATION_PAGE.png
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include <iostream>

#include "Piloto.h"
#include "gui/OperadorVentana.h"
#include "gui/frmInicial.h"
#include "shell/Programa.h"
#include "shell/host/ErrorTravesa.h"

namespace {

constexpr int kPausaMs = 400;

void Espera(int ms) {
  QEventLoop pausa;
  QTimer::singleShot(ms, &pausa, &QEventLoop::quit);
  pausa.exec();
}

bool Guarda(QWidget& ventana, const QString& archivo) {
  Espera(kPausaMs);
  if (ventana.grab().save(archivo, "PNG")) return true;
  std::cerr << "No se pudo guardar " << archivo.toStdString() << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace travesa;
  QApplication app(argc, argv);
  if (argc != 4) {
    std::cerr << "Uso: capturas_ventana CARPETA_DEL_PROGRAMA EJECUCION.png CONFIGURACION.png\n";
    return 2;
  }
  // Start-up moves to the program folder: the pictures' paths are taken first.
  const QString ejecucion = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
  const QString configuracion = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
  OperadorVentana operador;
  Programa programa(argv[1], operador);
  try {
    if (!programa.Inicia()) return 4;
  } catch (const ErrorTravesa& e) {
    std::cerr << e.what() << "\n";
    return 4;
  }
  prueba::Piloto piloto;
  piloto.entradas.push_back(prueba::Piloto::Teclea(QStringLiteral("admin"), QStringLiteral("admin")));
  frmInicial ventana(programa, operador, {.sinLogin = true});
  bool acceso = false;
  QEventLoop primeraVista;
  QObject::connect(&ventana, &frmInicial::PrimeraVistaTerminada, &primeraVista, [&](bool ok) {
    acceso = ok;
    primeraVista.quit();
  });
  ventana.move(0, 0);
  ventana.show();
  primeraVista.exec();
  if (!acceso) return 3;
  // A scheduled run may still be on its way at the first display.
  while (!ventana.findChild<QWidget*>(QStringLiteral("stbTabs"))->isEnabled()) Espera(50);
  auto* vendedores = ventana.findChild<QComboBox*>(QStringLiteral("dtcVendedores"));
  vendedores->setCurrentIndex(vendedores->findText(QStringLiteral("V02")));
  if (!Guarda(ventana, ejecucion)) return 1;
  ventana.findChild<QPushButton*>(QStringLiteral("cmdConfigurar"))->click();
  if (!Guarda(ventana, configuracion)) return 1;
  return 0;
}
