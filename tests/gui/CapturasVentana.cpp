// Pictures of the main window's two pages, taken from the real windows over a
// prepared program folder on a running display with its window manager
// (scripts/capturas-ventana runs it under Xvfb and openbox over the demo data),
// each window as the screen shows it, with the frame the manager gives it:
//   capturas_ventana PROGRAM_FOLDER RUN_PAGE.png CONFIGURATION_PAGE.png
//                    [READ_RUN.png SUMMARY.png DEVICE_FILES SITE_FOLDER [PAYMENTS.png]]
// With the next four, the files the phones would leave (DEVICE_FILES) are
// copied into the FTP folder on disk (SITE_FOLDER) once the window is up, a
// read run is made from the window, and the run page is taken with its
// summary, and the summary's table alone. With the last, the payments review
// window over the payment files waiting on the FTP site.
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <iostream>

#include "Piloto.h"
#include "gui/OperadorVentana.h"
#include "gui/frmInicial.h"
#include "gui/frmLeerPagos.h"
#include "shell/Programa.h"
#include "shell/host/ErrorTravesa.h"

namespace {

constexpr int kPausaMs = 400;

void Espera(int ms) {
  QEventLoop pausa;
  QTimer::singleShot(ms, &pausa, &QEventLoop::quit);
  pausa.exec();
}

// A window as the screen shows it: the manager's frame from the screen, the
// window's own pixels from the window (a grab of the screen may miss them
// under Xvfb). A part of a window, as the window draws it.
QPixmap Imagen(QWidget& w) {
  if (!w.isWindow()) return w.grab();
  const QRect marco = w.frameGeometry();
  QPixmap imagen = w.screen()->grabWindow(0, marco.x(), marco.y(), marco.width(), marco.height());
  QPainter pintor(&imagen);
  pintor.drawPixmap(w.geometry().topLeft() - marco.topLeft(), w.grab());
  return imagen;
}

bool Guarda(QWidget& ventana, const QString& archivo) {
  Espera(kPausaMs);
  if (Imagen(ventana).save(archivo, "PNG")) return true;
  std::cerr << "No se pudo guardar " << archivo.toStdString() << "\n";
  return false;
}

// "Aplicar pagos" answered Yes; the review window is pictured and closed
// without applying (Yes to its close question).
bool GuardaRevision(QWidget& ventana, travesa::prueba::Piloto& piloto, const QString& archivo) {
  ventana.findChild<QPushButton*>(QStringLiteral("cmdRegresar"))->click();
  piloto.respuestas = {QMessageBox::Yes, QMessageBox::Yes};
  bool guardada = false;
  QTimer reloj;
  QObject::connect(&reloj, &QTimer::timeout, [&] {
    auto* revision = qobject_cast<travesa::frmLeerPagos*>(QApplication::activeModalWidget());
    if (revision == nullptr) return;
    reloj.stop();
    guardada = Guarda(*revision, archivo);
    revision->close();
  });
  reloj.start(50);
  ventana.findChild<QPushButton*>(QStringLiteral("cmdPagos"))->click();
  return guardada;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace travesa;
  QApplication app(argc, argv);
  if (argc != 4 && argc != 8 && argc != 9) {
    std::cerr << "Uso: capturas_ventana CARPETA_DEL_PROGRAMA EJECUCION.png CONFIGURACION.png"
                 " [LECTURA.png RESUMEN.png ARCHIVOS_DE_TELEFONOS CARPETA_DEL_SITIO [PAGOS.png]]\n";
    return 2;
  }
  // Start-up moves to the program folder: the pictures' paths are taken first.
  const QString ejecucion = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
  const QString configuracion = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
  const auto ruta = [&](int i) { return QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath(); };
  const QString lectura = argc >= 8 ? ruta(4) : QString();
  const QString resumen = argc >= 8 ? ruta(5) : QString();
  const std::filesystem::path telefonos = argc >= 8 ? std::filesystem::absolute(argv[6]) : std::filesystem::path();
  const std::filesystem::path sitio = argc >= 8 ? std::filesystem::absolute(argv[7]) : std::filesystem::path();
  const QString pagos = argc == 9 ? ruta(8) : QString();
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
  ventana.move(24, 24);
  ventana.show();
  primeraVista.exec();
  if (!acceso) return 3;
  // A scheduled run may still be on its way at the first display.
  while (!ventana.findChild<QWidget*>(QStringLiteral("stbTabs"))->isEnabled()) Espera(50);
  auto* vendedores = ventana.findChild<QComboBox*>(QStringLiteral("dtcVendedores"));
  vendedores->setCurrentIndex(vendedores->findData(QStringLiteral("V02")));
  if (!Guarda(ventana, ejecucion)) return 1;
  ventana.findChild<QPushButton*>(QStringLiteral("cmdConfigurar"))->click();
  if (!Guarda(ventana, configuracion)) return 1;
  if (lectura.isEmpty()) return 0;
  ventana.findChild<QPushButton*>(QStringLiteral("cmdRegresar"))->click();
  for (const auto& archivo : std::filesystem::directory_iterator(telefonos))
    std::filesystem::copy_file(archivo.path(), sitio / archivo.path().filename(),
                               std::filesystem::copy_options::overwrite_existing);
  // Yes to the read run and to the transfer.
  piloto.respuestas = {QMessageBox::Yes, QMessageBox::Yes};
  ventana.resize(1180, 760);
  ventana.findChild<QPushButton*>(QStringLiteral("cmdLeer"))->click();
  if (!Guarda(ventana, lectura)) return 1;
  if (!Guarda(*ventana.findChild<QWidget*>(QStringLiteral("TablaDeResumen")), resumen)) return 1;
  if (pagos.isEmpty()) return 0;
  return GuardaRevision(ventana, piloto, pagos) ? 0 : 1;
}
