// "Leer archivos" and "Borrar archivos" from the window, against the real
// database and FTP site: rights, questions, messages over an enabled window,
// progress while files transfer, and the read run's summary.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "Escena.h"
#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"

namespace travesa {

using prueba::Escena;
using prueba::Piloto;

class LecturaTest : public QObject {
  Q_OBJECT

 private slots:
  void LosDerechosMuestranLeerYBorrar();
  void LeerArchivosMuestraSuResumen();
  void BorrarArchivosConSuPregunta();
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
  prueba::EscribeArchivo(sitio / "clientes.xml",
                         "<clientes><cliente><clave>N300</clave><nombre>Abarrotes Nuevos</nombre></cliente></clientes>");
  const prueba::VentaDeTelefono v{"Dec 8, 2026 9:30:00 AM", "V01", "C002", "CO", "", 1, {}};
  prueba::EscribeArchivo(sitio / "ventas_tel1_V01_1.sql",
                         prueba::ArchivoDeVentas().Linea(v, "ABA002", 3, 32).Linea(v, "ABA006", 2, 21.5).contenido());
  QVERIFY(e.EntraComoAdmin());
  QSignalSpy terminadas(&e.ventana(), &frmInicial::LecturaTerminada);
  auto* resumen = e.Busca<QPlainTextEdit>("txtResumen");
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
  auto mira = [&] {
    const QString aviso = e.Busca<QLabel>("lblAviso")->text();
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
  const std::string venta = e.inst().base().Dato("SELECT Venta FROM tickets WHERE Cliente='C002' AND Fecha='2026-12-08'");
  QVERIFY(!venta.empty());
  QCOMPARE(e.inst().base().Dato("SELECT total FROM tickets WHERE Venta=" + venta), std::string("139.0000"));
  QVERIFY(resumen->isVisibleTo(&e.ventana()));
  const QString texto = resumen->toPlainText();
  QVERIFY2(texto.contains(QStringLiteral("Documentos grabados: 1\n")), qPrintable(texto));
  QVERIFY2(texto.contains(QString::fromStdString("  Ticket             " + venta +
                                                 "  C002     Miscelánea Don Pepe  139.00  ventas_tel1_V01_1.sql\n")),
           qPrintable(texto));
  QVERIFY2(texto.contains(QStringLiteral("  N300   Abarrotes Nuevos\n")), qPrintable(texto));
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
}

}  // namespace travesa

QTEST_MAIN(travesa::LecturaTest)
#include "LecturaTest.moc"
