// The configuration page: what Grabar stores, the fields' filters and rules,
// the series list of orders and remissions, and Probar against the FTP server.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "Escena.h"
#include "comun/Entorno.h"
#include "comun/ServidorPropio.h"
#include "shell/host/Utilerias.h"
#include "shell/host/libNalda.h"

namespace travesa {

using prueba::Escena;

namespace {

QStringList Elementos(const QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

// Types into a field as the operator does: its text selected and replaced.
void Escribe(QLineEdit* campo, const QString& texto) {
  campo->selectAll();
  QTest::keyClicks(campo, texto);
}

// Leaves the field with Enter, which moves to the next control.
void Sale(QLineEdit* campo) {
  campo->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(campo, Qt::Key_Return);
}

void AbrePagina(Escena& e) {
  e.Busca<QPushButton>("cmdConfigurar")->click();
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isTabVisible(1));
  QVERIFY(!e.Busca<QTabWidget>("stbTabs")->isTabVisible(0));
}

}  // namespace

class ConfiguracionTest : public QObject {
  Q_OBJECT

 private slots:
  void GrabarNormalizaLaCarpetaYVuelve();
  void FiltrosYReglasDeLosCampos();
  void RegresarSinGrabarVuelveALoGrabado();
  void SeriesSegunElMovimiento();
  void ProbarConCarpetaBuenaYMala();
  void AltConUnaLetraNoEscribe();
  void TabYEnterSiguenLaPaginaComoSeLee();
  void VerDatosNoMueveNadaYSeBorraAlSalir();
  void ProbarDiceQueEstaProbando();
};

void ConfiguracionTest::GrabarNormalizaLaCarpetaYVuelve() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  Escribe(e.Busca<QLineEdit>("txtConfig3"), QStringLiteral("carpeta\\sub"));
  Escribe(e.Busca<QLineEdit>("txtConfig5"), QString());
  e.Busca<QCheckBox>("chkPreciosNegociados")->click();
  e.Busca<QPushButton>("cmdGrabar")->click();

  const Utilerias u(e.inst().programa());
  QCOMPARE(u.DesEncripta(libNalda::LeeIni("FTP", "Carpeta", e.inst().ini())), std::string("carpeta/sub/"));
  QCOMPARE(e.Busca<QLineEdit>("txtConfig3")->text(), QStringLiteral("carpeta/sub/"));
  QCOMPARE(libNalda::LeeIni("Configuración", "Enviar «precios negociados» de clientes", e.inst().ini()), "S");
  // An empty transfer series is stored as "N/A" and shown empty again.
  QCOMPARE(libNalda::LeeIni("Configuración", "Serie de traspasos", e.inst().ini()), "N/A");
  QCOMPARE(e.Busca<QLineEdit>("txtConfig5")->text(), QString());
  QCOMPARE(e.programa().ajustes().FTPcarpeta, std::string("carpeta/sub/"));
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isTabVisible(0));
  QVERIFY(!e.Busca<QTabWidget>("stbTabs")->isTabVisible(1));
  // The operator is told it was saved.
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Grabar"));
  QCOMPARE(e.piloto().cajas[0].texto, QStringLiteral("La configuración se grabó."));
  QCOMPARE(e.piloto().cajas[0].icono, QMessageBox::Information);
}

void ConfiguracionTest::FiltrosYReglasDeLosCampos() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  auto* precio = e.Busca<QLineEdit>("txtConfig7");
  Escribe(precio, QStringLiteral("7"));
  Sale(precio);
  QCOMPARE(precio->text(), QStringLiteral("5"));
  Escribe(precio, QStringLiteral("x34"));
  QCOMPARE(precio->text(), QStringLiteral("3"));

  auto* minutos = e.Busca<QLineEdit>("txtTimer");
  QVERIFY(!minutos->isEnabled());
  e.Busca<QCheckBox>("chkTimer")->click();
  QVERIFY(minutos->isEnabled());
  Escribe(minutos, QStringLiteral("0"));
  Sale(minutos);
  QCOMPARE(minutos->text(), QStringLiteral("1"));
  Escribe(minutos, QStringLiteral("1234"));
  QCOMPARE(minutos->text(), QStringLiteral("12"));

  auto* carpeta = e.Busca<QLineEdit>("txtConfig3");
  Escribe(carpeta, QStringLiteral("  ruta\\de\\prueba "));
  Sale(carpeta);
  QCOMPARE(carpeta->text(), QStringLiteral("ruta/de/prueba/"));

  // Masked user and passwords until "Ver datos".
  QCOMPARE(e.Busca<QLineEdit>("txtConfig1")->echoMode(), QLineEdit::Password);
  QCOMPARE(e.Busca<QLineEdit>("txtConfig2")->echoMode(), QLineEdit::Password);
  QVERIFY(!e.Busca<QLineEdit>("txtConfig6")->isVisibleTo(&e.ventana()));
  e.Busca<QCheckBox>("chkVer")->click();
  QCOMPARE(e.Busca<QLineEdit>("txtConfig1")->echoMode(), QLineEdit::Normal);
  QCOMPARE(e.Busca<QLineEdit>("txtConfig2")->echoMode(), QLineEdit::Normal);
  QVERIFY(e.Busca<QLineEdit>("txtConfig6")->isVisibleTo(&e.ventana()));
  QCOMPARE(e.Busca<QLineEdit>("txtConfig6")->text(), QStringLiteral("MuestraCampos"));

  QVERIFY(!e.Busca<QLineEdit>("txtConfig4")->isEnabled());
  e.Busca<QCheckBox>("chkTraspaso")->click();
  QVERIFY(e.Busca<QLineEdit>("txtConfig4")->isEnabled());
  QVERIFY(e.Busca<QLineEdit>("txtConfig5")->isEnabled());
  QCOMPARE(e.Busca<QLineEdit>("txtConfig4")->text(), QStringLiteral("SUC"));

  // Regresar, once confirmed, drops what was typed and saves nothing.
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdRegresar")->click();
  QCOMPARE(libNalda::LeeIni("Configuración", "Número de precio a sugerir", e.inst().ini()), "0");
  AbrePagina(e);
  QCOMPARE(precio->text(), QStringLiteral("0"));
}

// Settings typed and not saved are never used: leaving the page without
// Grabar asks first, then shows (and the jobs use) the saved ones again.
void ConfiguracionTest::RegresarSinGrabarVuelveALoGrabado() {
  Escena e;
  e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  auto* sitio = e.Busca<QLineEdit>("txtConfig0");
  const QString guardado = sitio->text();
  // Nothing changed: no question.
  e.Busca<QPushButton>("cmdRegresar")->click();
  QVERIFY(e.piloto().cajas.isEmpty());
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isTabVisible(0));

  AbrePagina(e);
  Escribe(sitio, QStringLiteral("127.0.0.1:1"));
  e.Busca<QCheckBox>("chkPresentacion")->click();
  // No: the page stays with what was typed.
  e.Busca<QPushButton>("cmdRegresar")->click();
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Regresar"));
  QVERIFY2(e.piloto().cajas[0].texto.startsWith(QStringLiteral(
               "Hay cambios de la configuración que no se grabaron («Sitio», «Concatenar presentación a la "
               "descripción»). ¿Desea regresar sin grabarlos?")),
           qPrintable(e.piloto().cajas[0].texto));
  QVERIFY(e.piloto().cajas[0].noPorOmision);
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isTabVisible(1));
  QCOMPARE(sitio->text(), QStringLiteral("127.0.0.1:1"));
  // Yes: the saved settings are back, on the page and for the next job.
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdRegresar")->click();
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isTabVisible(0));
  QCOMPARE(sitio->text(), guardado);
  QVERIFY(!e.Busca<QCheckBox>("chkPresentacion")->isChecked());
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdLeer")->click();
  QCOMPARE(e.piloto().cajas.back().texto, QStringLiteral("Archivos descargados y grabados en las tablas de Norvento"));
  AbrePagina(e);
  QCOMPARE(sitio->text(), guardado);
}

void ConfiguracionTest::SeriesSegunElMovimiento() {
  Escena e;
  e.Ini("Configuración", "Generar tickets, pedidos o remisiones", "r");
  e.Ini("Configuración", "Serie a usar en ventas", "a");
  e.inst().base().Ejecuta("UPDATE configura SET Contenido='1' WHERE Dato='SalenTodosEnLista'");
  e.Ini("Configuración", "Solo productos de listas de precios", "S");
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  auto* serie = e.Busca<QComboBox>("cmbSerie");
  QVERIFY(e.Busca<QRadioButton>("OptMovs2")->isChecked());
  QVERIFY(serie->isVisibleTo(&e.ventana()));
  QCOMPARE(Elementos(serie), (QStringList{QStringLiteral("A"), QStringLiteral("N/A")}));
  QCOMPARE(serie->currentText(), QStringLiteral("A"));
  // With every product in the price lists the option is off and locked.
  QVERIFY(!e.Busca<QCheckBox>("chkSoloProdsLdeP")->isChecked());
  QVERIFY(!e.Busca<QCheckBox>("chkSoloProdsLdeP")->isEnabled());

  e.Busca<QRadioButton>("OptMovs0")->click();
  QVERIFY(!serie->isVisibleTo(&e.ventana()));
  // A series enabled meanwhile in the database shows when remissions are chosen again.
  e.inst().base().Ejecuta("INSERT INTO sistema (Dato, Contenido) VALUES ('RE-C','1'),('RE+A-C','1')");
  serie->setCurrentIndex(-1);
  e.Busca<QRadioButton>("OptMovs2")->click();
  QVERIFY(serie->isVisibleTo(&e.ventana()));
  QCOMPARE(Elementos(serie), (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("N/A")}));
  QCOMPARE(serie->currentText(), QStringLiteral("A"));
  QCOMPARE(QApplication::focusWidget(), serie);

  e.Busca<QRadioButton>("OptMovs1")->click();
  QCOMPARE(Elementos(serie), (QStringList{QStringLiteral("A"), QStringLiteral("N/A")}));
  serie->setCurrentIndex(1);
  e.Busca<QPushButton>("cmdGrabar")->click();
  QCOMPARE(libNalda::LeeIni("Configuración", "Generar tickets, pedidos o remisiones", e.inst().ini()), "P");
  QCOMPARE(libNalda::LeeIni("Configuración", "Serie a usar en ventas", e.inst().ini()), "N/A");
  QCOMPARE(libNalda::LeeIni("Configuración", "Solo productos de listas de precios", e.inst().ini()), "N");
  QVERIFY(e.ventana().findChild<QRadioButton*>(QStringLiteral("optPedidos"))->isChecked());
}

void ConfiguracionTest::ProbarConCarpetaBuenaYMala() {
  Escena e;
  e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  auto* carpeta = e.Busca<QLineEdit>("txtConfig3");
  const QString buena = QString::fromStdString(e.CarpetaFTP());
  QCOMPARE(carpeta->text(), buena);
  e.Busca<QPushButton>("cmdProbar")->click();
  // The field keeps what was typed: "Grabar" must not turn it into another folder.
  QCOMPARE(carpeta->text(), buena);
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("¡Bien!"));
  QVERIFY2(e.piloto().cajas[0].texto.startsWith(QStringLiteral("Prueba de conexión correcta\nSe puede escribir")),
           qPrintable(e.piloto().cajas[0].texto));
  QCOMPARE(e.piloto().cajas[0].icono, QMessageBox::Information);

  // The same folder in capitals is another folder for the server.
  Escribe(carpeta, buena.toUpper());
  e.Busca<QPushButton>("cmdProbar")->click();
  QCOMPARE(e.piloto().cajas.size(), 2);
  const prueba::Piloto::Caja& mala = e.piloto().cajas[1];
  QCOMPARE(mala.titulo, QStringLiteral("Error"));
  QCOMPARE(mala.icono, QMessageBox::Critical);
  QVERIFY2(mala.texto.startsWith(QStringLiteral("La conexión no pudo ser establecida\nRuta indicada: /") +
                                 buena.toUpper() + QStringLiteral("/\nRuta a la que conectó: /")),
           qPrintable(mala.texto));
  // Probar saves nothing.
  const Utilerias u(e.inst().programa());
  QCOMPARE(u.DesEncripta(libNalda::LeeIni("FTP", "Carpeta", e.inst().ini())), e.CarpetaFTP());
}

// Alt with a letter either runs the command it names or does nothing; it never
// types the letter into the field.
void ConfiguracionTest::AltConUnaLetraNoEscribe() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  auto* sitio = e.Busca<QLineEdit>("txtConfig0");
  Escribe(sitio, QStringLiteral("ftp.ejemplo.mx"));
  for (const Qt::Key tecla : {Qt::Key_S, Qt::Key_X, Qt::Key_1}) QTest::keyClick(sitio, tecla, Qt::AltModifier);
  QCOMPARE(sitio->text(), QStringLiteral("ftp.ejemplo.mx"));
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  QTest::keyClick(sitio, Qt::Key_R, Qt::AltModifier);  // Regresar, dropping what was typed
  QTRY_VERIFY(e.Busca<QTabWidget>("stbTabs")->isTabVisible(0));
  QCOMPARE(e.piloto().cajas.size(), 1);
  QVERIFY(!e.Busca<QTabWidget>("stbTabs")->isTabVisible(1));
}

// Tab and Enter go down the left column, then the right one, then the timer
// and the commands; Enter on a command presses it. (Tickets are chosen: no
// series list; hidden and disabled fields are passed over.)
void ConfiguracionTest::TabYEnterSiguenLaPaginaComoSeLee() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  const QStringList lectura = {"txtConfig0",
                               "txtConfig1",
                               "txtConfig2",
                               "txtConfig3",
                               "chkVer",
                               "OptMovs0",
                               "chkTraspaso",
                               "chkEnvDomics",
                               "chkPasarProds",
                               "chkPresentacion",
                               "chkPreciosNegociados",
                               "chkSoloProdsLdeP",
                               "txtConfig7",
                               "chkEtiqs0",
                               "chkEtiqs1",
                               "chkEtiqs2",
                               "chkEtiqs3",
                               "chkTimer",
                               "cmdProbar",
                               "cmdGrabar",
                               "cmdRegresar"};
  QStringList conTab;
  QWidget* enfocado = QApplication::focusWidget();
  QCOMPARE(enfocado->objectName(), QStringLiteral("txtConfig0"));
  conTab << enfocado->objectName();
  for (int i = 1; i < lectura.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    conTab << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(conTab, lectura);

  // Enter walks the same way through the text fields.
  e.Busca<QLineEdit>("txtConfig3")->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("chkVer"));
  e.Busca<QCheckBox>("chkTraspaso")->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("chkEnvDomics"));

  e.Busca<QPushButton>("cmdRegresar")->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(e.Busca<QPushButton>("cmdRegresar"), Qt::Key_Return);
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isTabVisible(0));
}

// "Ver datos" shows the row of the application password in a room kept for
// it, and is cleared when the page is left, so nothing shows in clear the
// next time.
void ConfiguracionTest::VerDatosNoMueveNadaYSeBorraAlSalir() {
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  frmInicial& v = e.ventana();
  QApplication::processEvents();
  const QSize tamano = v.size();
  const QPoint carpeta = e.Busca<QLineEdit>("txtConfig3")->mapTo(&v, QPoint(0, 0));
  const QPoint opciones = e.Busca<QCheckBox>("chkVer")->mapTo(&v, QPoint(0, 0));
  for (int vez = 0; vez < 2; ++vez) {
    e.Busca<QCheckBox>("chkVer")->click();
    QApplication::processEvents();
    QCOMPARE(v.size(), tamano);
    QCOMPARE(e.Busca<QLineEdit>("txtConfig3")->mapTo(&v, QPoint(0, 0)), carpeta);
    QCOMPARE(e.Busca<QCheckBox>("chkVer")->mapTo(&v, QPoint(0, 0)), opciones);
  }
  e.Busca<QCheckBox>("chkVer")->click();
  QCOMPARE(e.Busca<QLineEdit>("txtConfig2")->echoMode(), QLineEdit::Normal);
  e.Busca<QPushButton>("cmdRegresar")->click();
  AbrePagina(e);
  QVERIFY(!e.Busca<QCheckBox>("chkVer")->isChecked());
  QCOMPARE(e.Busca<QLineEdit>("txtConfig1")->echoMode(), QLineEdit::Password);
  QCOMPARE(e.Busca<QLineEdit>("txtConfig2")->echoMode(), QLineEdit::Password);
  QVERIFY(!e.Busca<QLineEdit>("txtConfig6")->isVisibleTo(&v));
}

// A site that does not answer keeps Probar waiting: the page says it is testing.
void ConfiguracionTest::ProbarDiceQueEstaProbando() {
  prueba::ServidorPropio mudo(1024 * 1024);
  QVERIFY(mudo.enMarcha());
  mudo.Congela();
  Escena e;
  QVERIFY(e.EntraComoAdmin());
  AbrePagina(e);
  Escribe(e.Busca<QLineEdit>("txtConfig0"), QString::fromStdString(mudo.sitio()));
  auto* probando = e.Busca<QLabel>("lblProbando");
  QString visto;
  bool paginaGris = false;
  QTimer::singleShot(500, [&] {
    visto = probando->isVisibleTo(&e.ventana()) ? probando->text() : QString();
    paginaGris = !e.Busca<QTabWidget>("stbTabs")->isEnabled();
    mudo.Mata();  // the connection breaks, Probar ends
  });
  e.Busca<QPushButton>("cmdProbar")->click();
  QVERIFY(paginaGris);
  QCOMPARE(visto, QStringLiteral("Probando la conexión con «%1»…").arg(QString::fromStdString(mudo.sitio())));
  QCOMPARE(probando->text(), QString());
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Error"));
}

}  // namespace travesa

QTEST_MAIN(travesa::ConfiguracionTest)
#include "ConfiguracionTest.moc"
