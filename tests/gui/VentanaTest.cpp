// The window helpers: the collapse to a bar and back, dragging, the
// description window that remembers its place, the logo menu, and closing.
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QToolButton>

#include "Escena.h"
#include "gui/frmDescripcion.h"
#include "shell/host/libNalda.h"

namespace travesa {

using prueba::Escena;

namespace {

frmDescripcion* Descripcion() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<frmDescripcion*>(w); d != nullptr && d->isVisible()) return d;
  return nullptr;
}

void Raton(QWidget& w, QEvent::Type tipo, QPoint global, Qt::MouseButtons botones) {
  const QPoint local = w.mapFromGlobal(global);
  QMouseEvent e(tipo, local, global, tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, botones,
                Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}

}  // namespace

class VentanaTest : public QObject {
  Q_OBJECT

 private slots:
  void EncogerYRestaurarDevuelveLaGeometria();
  void LaDescripcionRecuerdaSuLugar();
  void CerrarSiemprePreguntaYMinimizarDejaLaBarra();
  void LasCajasSalenAlCentroConSuTituloEntero();
  void ConSinLoginCierraSinPreguntar();
  void DobleClicAbreElIni();
  void LaVentanaPrincipalRecuerdaSuLugar();
};

void VentanaTest::EncogerYRestaurarDevuelveLaGeometria() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  frmInicial& v = e.ventana();
  v.resize(820, 560);
  v.move(110, 70);
  const QRect antes = v.geometry();
  const QPoint lugar = v.pos();

  e.Busca<QToolButton>("MinimizarVentana")->click();
  auto* barra = e.Busca<QPushButton>("RestaurarForma");
  QVERIFY(barra->isVisible());
  QCOMPARE(barra->text(), QStringLiteral("   Travesa   v 6.19.0"));
  QCOMPARE(v.height(), barra->height());
  QVERIFY(v.width() < antes.width());
  QCOMPARE(v.x(), 13);

  // Dragged by its bar, and the drag does not restore it.
  const QPoint desde = barra->mapToGlobal(barra->rect().center());
  Raton(*barra, QEvent::MouseButtonPress, desde, Qt::LeftButton);
  Raton(*barra, QEvent::MouseMove, desde + QPoint(40, -25), Qt::LeftButton);
  Raton(*barra, QEvent::MouseButtonRelease, desde + QPoint(40, -25), Qt::NoButton);
  QCOMPARE(v.x(), 13 + 40);
  QVERIFY(barra->isVisible());

  barra->click();
  QVERIFY(!barra->isVisible());
  QCOMPARE(v.geometry(), antes);
  QCOMPARE(v.pos(), lugar);
}

void VentanaTest::LaDescripcionRecuerdaSuLugar() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  QTest::keyClick(&e.ventana(), Qt::Key_F1);
  frmDescripcion* d = Descripcion();
  QVERIFY(d != nullptr);
  QCOMPARE(d->windowTitle(), QStringLiteral("Descripción del programa"));
  // First time: the top left corner and the design size.
  QCOMPARE(d->pos(), QPoint(0, 0));
  QCOMPARE(d->size(), QSize(520, 380));
  d->move(150, 120);
  d->resize(600, 400);
  d->close();
  QTRY_VERIFY(Descripcion() == nullptr);
  const auto ini = e.inst().ini();
  QCOMPARE(libNalda::LeeIni("frmDescripcion", "Ventana", ini), "Descripción del programa");
  QCOMPARE(libNalda::LeeIni("frmDescripcion", "Linea", ini), "1800");
  QCOMPARE(libNalda::LeeIni("frmDescripcion", "Columna", ini), "2250");
  QCOMPARE(libNalda::LeeIni("frmDescripcion", "Ancho", ini), "9000");
  QCOMPARE(libNalda::LeeIni("frmDescripcion", "Alto", ini), "6000");

  // Opened again from the logo's menu, where it was left.
  e.Busca<QToolButton>("imgLogoVentana")->click();
  auto* menu = e.ventana().findChild<QMenu*>(QStringLiteral("Uno"));
  QTRY_VERIFY(menu->isVisible());
  QCOMPARE(menu->actions().size(), 2);
  QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Descripción del programa"));
  QCOMPARE(menu->actions()[1]->text(), QStringLiteral("Editar archivo INI de configuración"));
  menu->actions()[0]->trigger();
  menu->close();
  d = Descripcion();
  QVERIFY(d != nullptr);
  QCOMPARE(d->pos(), QPoint(150, 120));
  QCOMPARE(d->size(), QSize(600, 400));
}

// The window has no frame of the system, so every close request is one to
// close the program and asks: the window manager's (which is how Alt+F4
// arrives under one), the header's "×". A minimise asked by the window
// manager collapses the window to its bar, which stays on screen.
void VentanaTest::CerrarSiemprePreguntaYMinimizarDejaLaBarra() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  frmInicial& v = e.ventana();
  QVERIFY(v.windowFlags() & Qt::FramelessWindowHint);
  QCloseEvent desdeElSistema;
  QSpontaneKeyEvent::setSpontaneous(&desdeElSistema);
  static_cast<QObject&>(v).event(&desdeElSistema);
  QVERIFY(!desdeElSistema.isAccepted());
  QVERIFY(v.isVisible());
  QVERIFY(!v.isMinimized());
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Finalizar"));
  QCOMPARE(e.piloto().cajas[0].texto, QStringLiteral("¿Desea cerrar este programa?"));
  QVERIFY(e.piloto().cajas[0].noPorOmision);

  v.move(60, 40);
  const QRect antes = v.geometry();
  v.showMinimized();
  auto* barra = e.Busca<QPushButton>("RestaurarForma");
  QTRY_VERIFY(barra->isVisible());
  QVERIFY(!v.isMinimized());
  QVERIFY(v.isVisible());
  barra->click();
  QCOMPARE(v.geometry(), antes);

  // The header's close asks, No first; No keeps the program.
  v.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&v));
  e.Busca<QToolButton>("CerrarVentana")->click();
  QVERIFY(v.isVisible());
  QCOMPARE(e.piloto().cajas.size(), 2);
  QCOMPARE(e.piloto().cajas[1].titulo, QStringLiteral("Finalizar"));

  // Off screen nothing gives the activation back once a box has closed.
  v.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&v));
  QTest::keyClick(&v, Qt::Key_F1);
  QVERIFY(Descripcion() != nullptr);
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  QVERIFY(v.close());
  QVERIFY(!v.isVisible());
  // The other windows go with it.
  QTRY_VERIFY(Descripcion() == nullptr);
}

// A box stands over the middle of the main window, and is wide enough for its
// title ("Fin del proceso" over the short "Pagos aplicados").
void VentanaTest::LasCajasSalenAlCentroConSuTituloEntero() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  frmInicial& v = e.ventana();
  v.move(120, 90);
  v.resize(820, 560);
  e.operador().Mensaje("Pagos aplicados", Botones::kInformacion, "Fin del proceso");
  QCOMPARE(e.piloto().cajas.size(), 1);
  const QRect caja = e.piloto().cajas[0].lugar;
  QVERIFY2((caja.center() - v.frameGeometry().center()).manhattanLength() <= 4,
           qPrintable(QStringLiteral("caja en %1,%2").arg(caja.center().x()).arg(caja.center().y())));
  QFont negrita = QApplication::font();
  negrita.setBold(true);
  QVERIFY(caja.width() >= QFontMetrics(negrita).horizontalAdvance(QStringLiteral("Fin del proceso")) + 100);
}

void VentanaTest::ConSinLoginCierraSinPreguntar() {
  Escena e;
  e.piloto().entradas.push_back(prueba::Piloto::Teclea(QStringLiteral("admin"), QStringLiteral("admin")));
  QVERIFY(e.Abre({.sinLogin = true, .intervalo = Escena::kSinTicReal}));
  QVERIFY(e.ventana().close());
  QVERIFY(e.piloto().cajas.isEmpty());
}

void VentanaTest::DobleClicAbreElIni() {
  // Without a display there is no program to open it with: the operator is
  // told where the file is.
  const QByteArray pantalla = qgetenv("DISPLAY");
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  QTest::mouseDClick(&e.ventana(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
  if (!pantalla.isEmpty()) qputenv("DISPLAY", pantalla);
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Editar INI"));
  QVERIFY(e.piloto().cajas[0].texto.endsWith(QString::fromStdString(e.inst().ini().string())));
}

// Closed somewhere, the main window opens there at the next start.
void VentanaTest::LaVentanaPrincipalRecuerdaSuLugar() {
  Escena e;
  e.piloto().entradas.push_back(prueba::Piloto::Teclea(QStringLiteral("admin"), QStringLiteral("admin")));
  QVERIFY(e.Abre({.sinLogin = true, .intervalo = Escena::kSinTicReal}));
  e.ventana().move(150, 90);
  e.ventana().resize(900, 700);
  QVERIFY(e.ventana().close());
  const auto ini = e.inst().ini();
  QCOMPARE(libNalda::LeeIni("frmInicial", "Linea", ini), "1350");
  QCOMPARE(libNalda::LeeIni("frmInicial", "Columna", ini), "2250");
  QCOMPARE(libNalda::LeeIni("frmInicial", "Ancho", ini), "13500");
  QCOMPARE(libNalda::LeeIni("frmInicial", "Alto", ini), "10500");
  frmInicial otra(e.programa(), e.operador(), {.sinLogin = true, .intervalo = Escena::kSinTicReal});
  QCOMPARE(otra.pos(), QPoint(150, 90));
  QCOMPARE(otra.size(), QSize(900, 700));
}

}  // namespace travesa

QTEST_MAIN(travesa::VentanaTest)
#include "VentanaTest.moc"
