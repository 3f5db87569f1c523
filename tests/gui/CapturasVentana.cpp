// Pictures of the main window's pages, taken from the real windows over a
// prepared program folder on a running display with its window manager
// (scripts/capturas-ventana runs it under Xvfb and openbox over the demo data),
// each window as the screen shows it, with the frame the manager gives it:
//   capturas_ventana PROGRAM_FOLDER RUN_PAGE.png CONFIGURATION_PAGE.png
//                    [READ_RUN.png SUMMARY.png DEVICE_FILES SITE_FOLDER
//                     [PAYMENTS.png [HISTORY.png SETTLEMENT.png SETTLEMENT.pdf SALES_DAY]]]
// With the next four, the files the phones would leave (DEVICE_FILES) are
// copied into the FTP folder on disk (SITE_FOLDER) once the window is up, a
// read run is made from the window, and the run page is taken with its
// summary, and the summary's table alone. With PAYMENTS.png, the payments
// review window over the payment files waiting on the FTP site, which are
// then applied. With the last four, the page «Historial» of today, and the
// page «Liquidación del día» of the chosen seller's SALES_DAY (yyyy-mm-dd),
// whose «Guardar PDF» writes SETTLEMENT.pdf.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
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
#include "gui/PaginaLiquidacion.h"
#include "gui/frmInicial.h"
#include "gui/frmLeerPagos.h"
#include "ledger/HistorialSqlite.h"
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

// "Aplicar pagos" answered Yes; the review window is pictured, and its
// payments applied (Yes to the confirmation).
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
    revision->findChild<QPushButton*>(QStringLiteral("cmdAplicar"))->click();
  });
  reloj.start(50);
  ventana.findChild<QPushButton*>(QStringLiteral("cmdPagos"))->click();
  return guardada;
}

// The ledger's pages: today's runs, then the chosen seller's settlement of
// the sales' day, and its PDF as «Guardar PDF» writes it.
bool GuardaHistorial(QWidget& ventana, const QString& historial, const QString& liquidacion, const QString& pdf,
                     const QDate& dia) {
  ventana.findChild<QPushButton*>(QStringLiteral("cmdHistorial"))->click();
  if (!Guarda(ventana, historial)) return false;
  ventana.findChild<QPushButton*>(QStringLiteral("cmdRegresarHistorial"))->click();
  ventana.findChild<QPushButton*>(QStringLiteral("cmdLiquidacion"))->click();
  ventana.findChild<QDateEdit*>(QStringLiteral("dtpDiaLiquidacion"))->setDate(dia);
  if (!Guarda(ventana, liquidacion)) return false;
  auto* pagina = ventana.findChild<travesa::PaginaLiquidacion*>(QStringLiteral("Liquidacion"));
  pagina->setPideArchivo([&pdf](const QString&) { return pdf; });
  ventana.findChild<QPushButton*>(QStringLiteral("cmdGuardarPdf"))->click();
  return QFileInfo::exists(pdf);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace travesa;
  QApplication app(argc, argv);
  if (argc != 4 && argc != 8 && argc != 9 && argc != 13) {
    std::cerr << "Uso: capturas_ventana CARPETA_DEL_PROGRAMA EJECUCION.png CONFIGURACION.png"
                 " [LECTURA.png RESUMEN.png ARCHIVOS_DE_TELEFONOS CARPETA_DEL_SITIO"
                 " [PAGOS.png [HISTORIAL.png LIQUIDACION.png LIQUIDACION.pdf DIA_DE_VENTAS]]]\n";
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
  const QString pagos = argc >= 9 ? ruta(8) : QString();
  const QString historial = argc == 13 ? ruta(9) : QString();
  const QString liquidacion = argc == 13 ? ruta(10) : QString();
  const QString pdf = argc == 13 ? ruta(11) : QString();
  const QDate dia = argc == 13 ? QDate::fromString(QString::fromLatin1(argv[12]), Qt::ISODate) : QDate();
  OperadorVentana operador;
  Programa programa(argv[1], operador);
  try {
    if (!programa.Inicia()) return 4;
    InstalaHistorial(programa);
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
  if (!GuardaRevision(ventana, piloto, pagos)) return 1;
  if (historial.isEmpty()) return 0;
  return GuardaHistorial(ventana, historial, liquidacion, pdf, dia) ? 0 : 1;
}
