// "Generar archivos" from the window and the timer of automatic publishing,
// against the real database and FTP site.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "Escena.h"
#include "shell/host/Utilerias.h"
#include "shell/host/libNalda.h"

namespace travesa {

using prueba::Escena;

class PublicacionTest : public QObject {
  Q_OBJECT

 private slots:
  void GenerarArchivosConConfirmacionAvisoYSello();
  void ElTemporizadorPublicaAlTic300YNuncaEnLaConfiguracion();
  void LaListaDeVendedoresSeRecuerdaYLaPreguntaLaNombra();
  void UnaSubidaFallidaDiceElMotivo();
};

namespace {

// What the run page showed each time the job reported progress.
struct Vistazo {
  QString aviso;
  bool avisoVisible = false;
  bool barraVisible = false;
  int barra = 0;
  bool paginasHabilitadas = true;
  bool relojDeEspera = false;
};

}  // namespace

void PublicacionTest::GenerarArchivosConConfirmacionAvisoYSello() {
  Escena e;
  const std::filesystem::path sitio = e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  QSignalSpy publicadas(&e.ventana(), &frmInicial::PublicacionTerminada);

  // Answered No: nothing runs.
  e.Busca<QPushButton>("cmdGenerar")->click();
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Generar archivos"));
  QCOMPARE(e.piloto().cajas[0].texto, QStringLiteral("¿Desea generar los archivos XML según los datos indicados?"));
  QCOMPARE(e.piloto().cajas[0].icono, QMessageBox::Question);
  QVERIFY(e.piloto().cajas[0].noPorOmision);
  QCOMPARE(publicadas.count(), 0);
  QVERIFY(!std::filesystem::exists(sitio / "vendedores.xml"));

  QList<Vistazo> vistos;
  auto mira = [&] {
    vistos.append(
        {e.Busca<QLabel>("lblAviso")->text(), e.Busca<QLabel>("lblAviso")->isVisibleTo(&e.ventana()),
         e.Busca<QProgressBar>("barAviso")->isVisibleTo(&e.ventana()), e.Busca<QProgressBar>("barAviso")->value(),
         e.Busca<QTabWidget>("stbTabs")->isEnabled(),
         QApplication::overrideCursor() != nullptr && QApplication::overrideCursor()->shape() == Qt::WaitCursor});
  };
  // Connected after the window's own, so the page has already changed.
  connect(&e.operador(), &OperadorVentana::AvisoCambiado, this, mira);
  connect(&e.operador(), &OperadorVentana::ProgresoCambiado, this, mira);
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdGenerar")->click();

  QCOMPARE(publicadas.count(), 1);
  QVERIFY(publicadas.first().first().toBool());
  QCOMPARE(e.piloto().cajas.size(), 3);
  QCOMPARE(e.piloto().cajas[2].titulo, QStringLiteral("Atención"));
  QCOMPARE(e.piloto().cajas[2].texto, QStringLiteral("Archivos generados y grabados en el sitio web"));
  // Said once the window is usable again.
  QVERIFY(!e.piloto().cajas[2].ventanaOcupada);
  for (const char* archivo : {"vendedores.xml", "productos.xml", "clientes.xml", "cxcs.xml", "configuracion.xml"})
    QVERIFY2(std::filesystem::exists(sitio / archivo), archivo);

  // The label showed the rows (the first of each file at least: it changes a
  // few times a second) and the transfers, the bar moved, the window stayed
  // disabled under the busy pointer.
  QVERIFY(!vistos.isEmpty());
  bool filas = false, transferencia = false, barraEnMarcha = false;
  for (const Vistazo& v : vistos) {
    QVERIFY(!v.paginasHabilitadas);
    QVERIFY(v.relojDeEspera);
    QCOMPARE(v.avisoVisible, !v.aviso.isEmpty());
    if (v.aviso == QStringLiteral("V01, Juan Carlos Méndez Ruiz")) filas = true;
    if (v.aviso == QStringLiteral("De 'vendedores.xml': bytes copiados 436 de 436")) transferencia = true;
    if (v.barraVisible && v.barra > 0) barraEnMarcha = true;
  }
  QVERIFY(filas);
  QVERIFY(transferencia);
  QVERIFY(barraEnMarcha);
  // While it connected, it said where.
  const QString conectando = QStringLiteral("Conectando con «") +
                             QString::fromStdString(e.programa().ajustes().ftpSitio) + QStringLiteral("»…");
  QVERIFY(std::any_of(vistos.begin(), vistos.end(), [&](const Vistazo& v) { return v.aviso == conectando; }));

  QVERIFY(!e.Busca<QLabel>("lblAviso")->isVisibleTo(&e.ventana()));
  QVERIFY(!e.Busca<QProgressBar>("barAviso")->isVisibleTo(&e.ventana()));
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isEnabled());
  QCOMPARE(QApplication::overrideCursor(), nullptr);
  const std::string sello = libNalda::LeeIni("Configuración", "Última subida de archivos", e.inst().ini());
  QCOMPARE(e.Busca<QLabel>("lblUltSubida")->text(),
           QStringLiteral("Última vez que se subieron archivos: ") + QString::fromStdString(sello));
  // Automatic publishing is off: no next-run estimate.
  QVERIFY(!e.Busca<QLabel>("lblActProgramada")->isVisibleTo(&e.ventana()));
}

void PublicacionTest::ElTemporizadorPublicaAlTic300YNuncaEnLaConfiguracion() {
  Escena e;
  e.SitioDePrueba();
  e.Ini("Configuración", "Generar automaticamente archivos en la nube", "S");
  e.Ini("Configuración", "Minutos para generar archivos", "5");
  QVERIFY(e.EntraComoAdmin());
  frmInicial& v = e.ventana();
  // Automatic publishing publishes once at the first display, silently.
  QCOMPARE(e.publicaciones(), 1);
  QCOMPARE(e.publicacionesCompletas(), 1);
  QVERIFY(e.piloto().cajas.isEmpty());
  QVERIFY(e.Busca<QLabel>("lblActProgramada")->isVisibleTo(&v));
  // The next run in the same form as the last one: "09/dic/2026 - 07:15:25".
  const QRegularExpression sello(QStringLiteral("\\d\\d/[a-z]{3}/\\d{4} - \\d\\d:\\d\\d:\\d\\d$"));
  QVERIFY(e.Busca<QLabel>("lblActProgramada")->text().startsWith(QStringLiteral("Próxima actualización estimada: ")));
  QVERIFY2(sello.match(e.Busca<QLabel>("lblActProgramada")->text()).hasMatch(),
           qPrintable(e.Busca<QLabel>("lblActProgramada")->text()));
  QVERIFY(sello.match(e.Busca<QLabel>("lblUltSubida")->text()).hasMatch());
  QVERIFY(v.TemporizadorActivo());

  for (int tic = 1; tic < 300; ++tic) v.Tic();
  QCOMPARE(e.publicaciones(), 1);
  v.Tic();
  QCOMPARE(e.publicaciones(), 2);
  QVERIFY(v.TemporizadorActivo());

  // The configuration page stops the timer: no tick counts there.
  e.Busca<QPushButton>("cmdConfigurar")->click();
  QVERIFY(!v.TemporizadorActivo());
  for (int tic = 0; tic < 600; ++tic) v.Tic();
  QCOMPARE(e.publicaciones(), 2);
  e.Busca<QPushButton>("cmdRegresar")->click();
  QVERIFY(v.TemporizadorActivo());
  for (int tic = 1; tic < 300; ++tic) v.Tic();
  QCOMPARE(e.publicaciones(), 2);
  v.Tic();
  QCOMPARE(e.publicaciones(), 3);
  QCOMPARE(e.publicacionesCompletas(), 3);
  QVERIFY(e.piloto().cajas.isEmpty());
}

// The seller list holds only its sellers, with their names: a code that is
// not one of them would publish an empty customers file, so none can be
// typed; typing a code's first letters finds it. The question says that the
// customers file will hold only that seller's customers, the run page says
// it for automatic publishing too, and the choice is there at the next start.
void PublicacionTest::LaListaDeVendedoresSeRecuerdaYLaPreguntaLaNombra() {
  Escena e;
  const std::filesystem::path sitio = e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  auto* vendedores = e.Busca<QComboBox>("dtcVendedores");
  QVERIFY(!vendedores->isEditable());
  vendedores->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(vendedores, QStringLiteral("zzz"));
  QCOMPARE(vendedores->currentIndex(), 0);
  QVERIFY(!e.Busca<QLabel>("lblAlcance")->isVisibleTo(&e.ventana()));
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  QTest::keyClicks(vendedores, QStringLiteral("v01"));
  QCOMPARE(vendedores->currentData().toString(), QStringLiteral("V01"));
  QVERIFY(e.Busca<QLabel>("lblAlcance")->isVisibleTo(&e.ventana()));

  QStringList titulos;
  connect(&e.operador(), &OperadorVentana::AvisoCambiado, this,
          [&] { titulos << e.Busca<QLabel>("lblTrabajo")->text(); });
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdGenerar")->click();
  QCOMPARE(e.piloto().cajas[0].texto,
           QStringLiteral("¿Desea generar los archivos XML según los datos indicados?\n\nVendedor: V01 (Juan Carlos "
                          "Méndez Ruiz). El archivo de clientes tendrá solo los clientes de este vendedor."));
  QCOMPARE(e.publicacionesCompletas(), 1);
  QVERIFY(std::filesystem::exists(sitio / "clientes.xml"));
  QVERIFY(!titulos.isEmpty());
  QCOMPARE(titulos.first(),
           QStringLiteral("Generando los archivos del catálogo para el vendedor V01 (Juan Carlos Méndez Ruiz)"));
  QCOMPARE(libNalda::LeeIni("frmInicial", "Vendedor", e.inst().ini()), std::string("V01"));

  frmInicial otra(e.programa(), e.operador(), {.sinLogin = true, .intervalo = Escena::kSinTicReal});
  QCOMPARE(otra.findChild<QComboBox*>(QStringLiteral("dtcVendedores"))->currentData().toString(),
           QStringLiteral("V01"));
}

// A folder that does not exist on the site: the window says why, as the
// command line does, and the log keeps it.
void PublicacionTest::UnaSubidaFallidaDiceElMotivo() {
  Escena e;
  e.SitioDePrueba();
  e.Ini("FTP", "Carpeta", Utilerias(e.inst().programa()).Encripta(e.CarpetaFTP() + "/noexiste"));
  QVERIFY(e.EntraComoAdmin());
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdGenerar")->click();
  QCOMPARE(e.publicaciones(), 1);
  QCOMPARE(e.publicacionesCompletas(), 0);
  QCOMPARE(e.piloto().cajas.size(), 2);
  const prueba::Piloto::Caja& caja = e.piloto().cajas[1];
  QCOMPARE(caja.titulo, QStringLiteral("Generar archivos"));
  QCOMPARE(caja.icono, QMessageBox::Critical);
  QVERIFY2(caja.texto.startsWith(QStringLiteral("Los archivos no se subieron completos al sitio: ")) &&
               caja.texto.size() > 50,
           qPrintable(caja.texto));
  QVERIFY(!caja.ventanaOcupada);
  const std::string bitacora = prueba::LeeArchivo(e.inst().programa() / "travesa.log");
  QVERIFY2(bitacora.find("La publicación no se completó: ") != std::string::npos, bitacora.c_str());
  QCOMPARE(libNalda::LeeIni("Configuración", "Última subida de archivos", e.inst().ini()),
           std::string("No se han subido los archivos."));
}

}  // namespace travesa

QTEST_MAIN(travesa::PublicacionTest)
#include "PublicacionTest.moc"
