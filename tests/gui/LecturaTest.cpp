// "Leer archivos" and "Borrar archivos" from the window, against the real
// database and FTP site: rights, questions, messages over an enabled window,
// progress while files transfer, and the read run's summary.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "Escena.h"
#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"
#include "comun/ServidorPropio.h"
#include "gui/TablaDeResumen.h"
#include "shell/host/Utilerias.h"

namespace travesa {

using prueba::Escena;
using prueba::Piloto;

class LecturaTest : public QObject {
  Q_OBJECT

 private slots:
  void LosDerechosMuestranLeerYBorrar();
  void LeerArchivosMuestraSuResumen();
  void BorrarArchivosConSuPregunta();
  void CancelarDetieneUnTrabajoQueNoTieneRespuesta();
  void SinConexionDiceElServidorYElMotivo();
};

namespace {

std::string Derechos(const std::vector<int>& codigos) {
  std::string m(560, 'N');
  for (int c : codigos) m[static_cast<std::size_t>(c - 1)] = 'S';
  return m;
}

}  // namespace

void LecturaTest::LosDerechosMuestranLeerYBorrar() {
  struct Caso {
    std::vector<int> codigos;
    bool leer;
    bool borrar;
  };
  const std::vector<Caso> casos = {{{550, 552}, true, false}, {{550, 555}, false, true}};
  for (const auto& [codigos, leer, borrar] : casos) {
    Escena e;
    e.inst().AgregaUsuario(11, "lector", "552", Derechos(codigos));
    e.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("lector"), QStringLiteral("552")));
    QVERIFY(e.Abre());
    QCOMPARE(e.Busca<QPushButton>("cmdLeer")->isVisibleTo(&e.ventana()), leer);
    QCOMPARE(e.Busca<QPushButton>("cmdBorrar")->isVisibleTo(&e.ventana()), borrar);
    QVERIFY(!e.Busca<QPushButton>("cmdGenerar")->isVisibleTo(&e.ventana()));
  }
}

void LecturaTest::LeerArchivosMuestraSuResumen() {
  Escena e;
  const std::filesystem::path sitio = e.SitioDePrueba();
  prueba::EscribeArchivo(
      sitio / "clientes.xml",
      "<clientes><cliente><clave>N300</clave><nombre>Abarrotes Nuevos</nombre></cliente></clientes>");
  const prueba::VentaDeTelefono v{"Dec 8, 2026 9:30:00 AM", "V01", "C002", "CO", "", 1, {}};
  // A second sale, to a customer Norvento does not have.
  const prueba::VentaDeTelefono perdido{"Dec 8, 2026 10:05:00 AM", "V01", "Q777", "CO", "", 1, {}};
  prueba::EscribeArchivo(sitio / "ventas_tel1_V01_1.sql", prueba::ArchivoDeVentas()
                                                              .Linea(v, "ABA002", 3, 32)
                                                              .Linea(v, "ABA006", 2, 21.5)
                                                              .Linea(perdido, "ABA005", 2, 24)
                                                              .contenido());
  QVERIFY(e.EntraComoAdmin());
  QSignalSpy terminadas(&e.ventana(), &frmInicial::LecturaTerminada);
  auto* resumen = e.Busca<TablaDeResumen>("TablaDeResumen");
  QVERIFY(!resumen->isVisibleTo(&e.ventana()));

  // Answered No: nothing runs.
  e.Busca<QPushButton>("cmdLeer")->click();
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Descargar archivos"));
  QCOMPARE(e.piloto().cajas[0].texto, QStringLiteral("¿Desea leer los archivos de ventas?"));
  QVERIFY(e.piloto().cajas[0].noPorOmision);
  QCOMPARE(terminadas.count(), 0);
  QVERIFY(std::filesystem::exists(sitio / "ventas_tel1_V01_1.sql"));

  bool transferencia = false, barraEnMarcha = false, siempreOcupada = true;
  QString titulo;
  QStringList avisos;
  auto mira = [&] {
    const QString aviso = e.Busca<QLabel>("lblAviso")->text();
    titulo = e.Busca<QLabel>("lblTrabajo")->text();
    avisos << aviso;
    if (aviso.startsWith(QStringLiteral("De 'clientes.xml': bytes copiados "))) transferencia = true;
    auto* barra = e.Busca<QProgressBar>("barAviso");
    if (barra->isVisibleTo(&e.ventana()) && barra->value() > 0) barraEnMarcha = true;
    if (e.Busca<QTabWidget>("stbTabs")->isEnabled()) siempreOcupada = false;
  };
  connect(&e.operador(), &OperadorVentana::AvisoCambiado, this, mira);
  connect(&e.operador(), &OperadorVentana::ProgresoCambiado, this, mira);
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdLeer")->click();

  QCOMPARE(terminadas.count(), 1);
  QVERIFY(terminadas.first().first().toBool());
  QCOMPARE(e.piloto().cajas.size(), 3);
  QCOMPARE(e.piloto().cajas[2].texto, QStringLiteral("Archivos descargados y grabados en las tablas de Norvento"));
  // The job said what it was doing, and where it was connecting.
  QCOMPARE(titulo, QStringLiteral("Leyendo los archivos de ventas del sitio"));
  QVERIFY(avisos.contains(QStringLiteral("Conectando con «") + QString::fromStdString(e.programa().ajustes().ftpSitio) +
                          QStringLiteral("»…")));
  QCOMPARE(e.piloto().cajas[2].titulo, QStringLiteral("Atención"));
  QVERIFY(!e.piloto().cajas[2].ventanaOcupada);
  QVERIFY(transferencia);
  QVERIFY(barraEnMarcha);
  QVERIFY(siempreOcupada);
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isEnabled());
  QVERIFY(!e.Busca<QLabel>("lblAviso")->isVisibleTo(&e.ventana()));
  // The folder field keeps what was typed: "Grabar" must not turn it into another folder.
  QCOMPARE(e.Busca<QLineEdit>("txtConfig3")->text(), QString::fromStdString(e.CarpetaFTP()));

  // The summary says what the database holds.
  const std::string venta =
      e.inst().base().Dato("SELECT Venta FROM tickets WHERE Cliente='C002' AND Fecha='2026-12-08'");
  QVERIFY(!venta.empty());
  QCOMPARE(e.inst().base().Dato("SELECT total FROM tickets WHERE Venta=" + venta), std::string("139.0000"));
  // The summary, as a table: one row a sale, the unknown customer's in its
  // colour, the totals by kind and by day, and «Copiar» gives its text.
  QVERIFY(resumen->isVisibleTo(&e.ventana()));
  auto* tabla = e.Busca<QTableWidget>("tblResumen");
  QCOMPARE(tabla->rowCount(), 2);
  QVERIFY(tabla->isSortingEnabled());
  QStringList titulos;
  for (int c = 0; c < tabla->columnCount(); ++c) titulos << tabla->horizontalHeaderItem(c)->text();
  QCOMPARE(titulos, (QStringList{"Estado", "Fecha", "Documento", "Serie", "Folio", "Cliente", "Nombre", "Total",
                                 "Archivo", "Motivo"}));
  tabla->sortItems(TablaDeResumen::kTotal, Qt::DescendingOrder);
  auto celda = [&](int r, int c) { return tabla->item(r, c)->text(); };
  QCOMPARE(celda(0, TablaDeResumen::kFolio), QString::fromStdString(venta));
  QCOMPARE(celda(0, TablaDeResumen::kNombre), QStringLiteral("Miscelánea Don Pepe"));
  QCOMPARE(celda(0, TablaDeResumen::kTotal), QStringLiteral("139.00"));
  QCOMPARE(celda(0, TablaDeResumen::kFecha), QStringLiteral("08/dic/2026"));
  QCOMPARE(celda(1, TablaDeResumen::kCliente), QStringLiteral("Q777"));
  QCOMPARE(celda(1, TablaDeResumen::kEstado), QStringLiteral("Cliente desconocido"));
  QCOMPARE(celda(1, TablaDeResumen::kTotal), QStringLiteral("48.00"));
  QVERIFY(tabla->item(1, TablaDeResumen::kEstado)->background() !=
          tabla->item(0, TablaDeResumen::kEstado)->background());
  // Each column shows its whole longest text.
  const int ancho = tabla->fontMetrics().horizontalAdvance(QStringLiteral("ventas_tel1_V01_1.sql"));
  QVERIFY(tabla->columnWidth(TablaDeResumen::kArchivo) >= ancho);
  QCOMPARE(e.Busca<QLabel>("lblTotales")->text(),
           QStringLiteral("Total de Ticket: 2 documentos, 187.00\nTotal del día 08/dic/2026: 2 documentos, 187.00"));
  QVERIFY(e.Busca<QLabel>("lblOtros")->text().contains(QStringLiteral("N300   Abarrotes Nuevos")));
  QApplication::clipboard()->clear();
  e.Busca<QPushButton>("cmdCopiar")->click();
  const QString texto = QApplication::clipboard()->text();
  QCOMPARE(texto, resumen->Texto());
  QVERIFY2(texto.contains(QString::fromStdString("  Ticket             " + venta +
                                                 "  C002     Miscelánea Don Pepe  139.00  ventas_tel1_V01_1.sql\n")),
           qPrintable(texto));
  QVERIFY2(texto.contains(QStringLiteral("Total del día 08/dic/2026: 2 documentos, 187.00\n")), qPrintable(texto));
  QCOMPARE(e.inst().base().Dato("SELECT Nombre FROM clientes WHERE Clave='N300'"), std::string("Abarrotes Nuevos"));
  QVERIFY(!std::filesystem::exists(sitio / "ventas_tel1_V01_1.sql"));
}

void LecturaTest::BorrarArchivosConSuPregunta() {
  Escena e;
  const std::filesystem::path sitio = e.SitioDePrueba();
  prueba::EscribeArchivo(sitio / "ventas_tel1_V01_1.sql", "a\n");
  prueba::EscribeArchivo(sitio / "ventas_tel2_V02_1.sql", "b\n");
  prueba::EscribeArchivo(sitio / "cxcs_tel1_V01_1.sql", "c\n");
  QVERIFY(e.EntraComoAdmin());
  e.Busca<QPushButton>("cmdBorrar")->click();
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Eliminar archivos"));
  QCOMPARE(e.piloto().cajas[0].texto, QStringLiteral("¿Está seguro de borrar los archivos de ventas?"));
  QVERIFY(e.piloto().cajas[0].noPorOmision);
  QVERIFY(std::filesystem::exists(sitio / "ventas_tel1_V01_1.sql"));

  QStringList avisos;
  connect(&e.operador(), &OperadorVentana::AvisoCambiado, this, [&](const QString& a) { avisos << a; });
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdBorrar")->click();
  QCOMPARE(e.piloto().cajas.size(), 3);
  QCOMPARE(e.piloto().cajas[2].texto, QStringLiteral("Archivos eliminados"));
  QVERIFY(!e.piloto().cajas[2].ventanaOcupada);
  QVERIFY(avisos.contains(QStringLiteral("Borrando archivo ventas_tel2_V02_1.sql")));
  QVERIFY(!std::filesystem::exists(sitio / "ventas_tel1_V01_1.sql"));
  QVERIFY(!std::filesystem::exists(sitio / "ventas_tel2_V02_1.sql"));
  QVERIFY(std::filesystem::exists(sitio / "cxcs_tel1_V01_1.sql"));
  QVERIFY(std::filesystem::exists(e.inst().programa() / "respaldo" / "ventas_tel1_V01_1.sql"));

  // Nothing left: it says so, instead of "Archivos eliminados".
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdBorrar")->click();
  QCOMPARE(e.piloto().cajas.size(), 5);
  QCOMPARE(e.piloto().cajas[4].texto, QStringLiteral("No había archivos de ventas en el sitio; no se eliminó nada."));
}

namespace {

// Points the window's FTP settings at `sitio` before it starts.
void SitioEn(Escena& e, const std::string& sitio) {
  const Utilerias u(e.inst().programa());
  e.Ini("FTP", "Sitio", u.Encripta(sitio));
  e.Ini("FTP", "Usuario", u.Encripta(prueba::ServidorPropio::kUsuario));
  e.Ini("FTP", "Contraseña", u.Encripta(prueba::ServidorPropio::kPassword));
  e.Ini("FTP", "Carpeta", u.Encripta("ruta"));
}

}  // namespace

// A server that accepts the connection and then never answers: the job says
// where it is connecting, and «Cancelar» stops it there, with one message
// that it was cancelled and none of the failures the stop causes.
void LecturaTest::CancelarDetieneUnTrabajoQueNoTieneRespuesta() {
  prueba::ServidorPropio congelado(1 << 20);
  QVERIFY(congelado.enMarcha());
  congelado.Congela();
  Escena e;
  SitioEn(e, congelado.sitio());
  QVERIFY(e.EntraComoAdmin());
  QSignalSpy terminadas(&e.ventana(), &frmInicial::LecturaTerminada);
  QString visto;
  bool cancelarHabilitado = false;
  QTimer reloj;
  connect(&reloj, &QTimer::timeout, this, [&] {
    auto* aviso = e.Busca<QLabel>("lblAviso");
    auto* cancelar = e.Busca<QPushButton>("cmdCancelar");
    if (!aviso->text().startsWith(QStringLiteral("Conectando con"))) return;
    reloj.stop();
    visto = aviso->text();
    cancelarHabilitado =
        cancelar->isVisibleTo(&e.ventana()) && cancelar->isEnabled() && !e.Busca<QTabWidget>("stbTabs")->isEnabled();
    QTest::mouseClick(cancelar, Qt::LeftButton);
  });
  reloj.start(20);
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdLeer")->click();
  congelado.Reanuda();
  QCOMPARE(visto,
           QStringLiteral("Conectando con «") + QString::fromStdString(congelado.sitio()) + QStringLiteral("»…"));
  QVERIFY(cancelarHabilitado);
  QCOMPARE(terminadas.count(), 1);
  QVERIFY(!terminadas.first().first().toBool());
  QStringList cajas;
  for (const auto& c : e.piloto().cajas) cajas << c.titulo + ": " + c.texto;
  QCOMPARE(cajas, (QStringList{"Descargar archivos: ¿Desea leer los archivos de ventas?",
                               "Cancelado: Se canceló: Leyendo los archivos de ventas del sitio.\nLo que ya se había "
                               "terminado queda hecho; lo que estaba a medias no se tomó y puede hacerse de nuevo."}));
  // Stopped by the cancel, not by a timeout: libcurl's word is in the log.
  const std::string log = prueba::LeeArchivo(e.inst().programa() / "travesa.log");
  QVERIFY2(log.find("No se pudo conectar con «" + congelado.sitio() + "»: InternetConnect error code: 42") !=
               std::string::npos,
           log.c_str());
  QVERIFY(e.Busca<QTabWidget>("stbTabs")->isEnabled());
  QVERIFY(!e.Busca<QPushButton>("cmdCancelar")->isVisibleTo(&e.ventana()));
}

// Nobody listens on the site's port: the Part's first line, then the server
// and the reason in words; libcurl's text only in the log.
void LecturaTest::SinConexionDiceElServidorYElMotivo() {
  Escena e;
  const std::string sitio = "127.0.0.1:" + std::to_string(prueba::PuertoLibre());
  SitioEn(e, sitio);
  QVERIFY(e.EntraComoAdmin());
  e.piloto().respuestas.push_back(QMessageBox::Yes);
  e.Busca<QPushButton>("cmdLeer")->click();
  QCOMPARE(e.piloto().cajas.size(), 2);
  QCOMPARE(e.piloto().cajas[1].titulo, QStringLiteral("ERROR"));
  QCOMPARE(e.piloto().cajas[1].texto,
           QString::fromStdString("Error inesperado al conectar al servidor.\nEl servidor «" + sitio +
                                  "» no aceptó la conexión: revise la dirección y el puerto del sitio FTP, y que el "
                                  "servidor esté en marcha."));
  const std::string log = prueba::LeeArchivo(e.inst().programa() / "travesa.log");
  QVERIFY2(log.find("InternetConnect error code: 7") != std::string::npos, log.c_str());
}

}  // namespace travesa

QTEST_MAIN(travesa::LecturaTest)
#include "LecturaTest.moc"
