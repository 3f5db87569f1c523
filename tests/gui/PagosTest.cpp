// "Aplicar pagos" from the main window and the review window "Aplicación de
// pagos" over the real grid, against the real database and FTP site.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "Escena.h"
#include "gui/frmLeerPagos.h"
#include "payments/ArchivosDePagos.h"

namespace travesa {

using prueba::Escena;

class PagosTest : public QObject {
  Q_OBJECT

 private slots:
  void RevisaRechazaDeMasAceptaCeroYAplica();
  void CerrarSinAplicarPreguntaYLosPagosEsperan();
  void SinPagosNoHayNadaQueAplicar();
  void ElTecladoSaleDeLaRejaYUnaLetraSeRechaza();
  void UnVendedorVeSusPagosYLosTotalesSiguenALosRenglones();
};

namespace {

constexpr const char* kArchivo = "cxcs_tel1_V01_17_05_2024_09_30.sql";

// The review window while it is open (modal, inside the command's click).
frmLeerPagos* Revision() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = qobject_cast<frmLeerPagos*>(w); f && f->isVisible()) return f;
  return nullptr;
}

// Runs `pasos` on the review window as soon as it shows.
void EnLaRevision(std::function<void(frmLeerPagos&)> pasos) {
  auto* reloj = new QTimer;
  reloj->setInterval(20);
  QObject::connect(reloj, &QTimer::timeout, [reloj, pasos] {
    frmLeerPagos* f = Revision();
    if (f == nullptr || QApplication::activeModalWidget() != f) return;
    reloj->stop();
    reloj->deleteLater();
    pasos(*f);
  });
  reloj->start();
}

// The receivables the payment file pays: balance 100 on an invoice, and a
// cargo of C018.
void Prepara(Escena& e, const std::filesystem::path& sitio) {
  e.inst().base().Ejecuta(
      "INSERT INTO facturas (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES (100, 'A', 123, '2024-04-02', "
      "'C005', 100, 100);"
      "INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo) VALUES (1001, 'C005', 'F', 100, '2024-05-02', "
      "100), (1003, 'C018', 'C', 4990, '2024-05-05', 80);");
  prueba::EscribeArchivo(sitio / kArchivo,
                         "insert into cxcs values ('tel1','V01','C005',1001,150.75,'')\r\n"
                         "insert into cxcs values ('tel1','V01','C018',1003,30,'')\r\n");
}

QLineEdit* Editor(frmLeerPagos& f) { return f.findChild<QLineEdit*>(QStringLiteral("txtCelda")); }
QTableWidget* Tabla(frmLeerPagos& f) { return f.findChild<QTableWidget*>(QStringLiteral("mhgReja")); }
QString Suma(frmLeerPagos& f, int i) { return f.findChild<QLabel*>(QStringLiteral("lblSuma%1").arg(i))->text(); }

}  // namespace

void PagosTest::RevisaRechazaDeMasAceptaCeroYAplica() {
  Escena e;
  const auto sitio = e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  Prepara(e, sitio);
  struct Vistos {
    QString titulo, total0, total1, aPagarRechazado, editorTrasRechazo, aPagarCero, total1Cero;
    int renglones = 0;
    bool aplicarHabilitado = false;
    QStringList titulos, numeros, cuando;
  } v;
  EnLaRevision([&](frmLeerPagos& f) {
    QTableWidget* t = Tabla(f);
    v.titulo = f.windowTitle();
    v.renglones = t->rowCount();
    for (int c = 0; c < t->columnCount(); ++c)
      v.titulos << (t->isColumnHidden(c) || t->columnWidth(c) == 0 ? QStringLiteral("-")
                                                                   : t->horizontalHeaderItem(c)->text());
    for (int r = 0; r < t->rowCount(); ++r) {
      v.numeros << t->item(r, 0)->text();
      v.cuando << t->item(r, 9)->text() + " " + t->item(r, 10)->text().left(5);
    }
    v.total0 = Suma(f, 0);
    v.total1 = Suma(f, 1);
    v.aplicarHabilitado = f.findChild<QPushButton*>(QStringLiteral("cmdAplicar"))->isEnabled();
    // 150.75 against a balance of 100: refused, the editor keeps it.
    t->setCurrentCell(0, 8);
    t->setFocus();
    QTest::keyClick(t, Qt::Key_1);
    QTest::keyClicks(Editor(f), QStringLiteral("50.75"));
    QTest::keyClick(Editor(f), Qt::Key_Return);
    v.editorTrasRechazo = Editor(f)->isVisible() ? Editor(f)->text() : QString();
    v.aPagarRechazado = t->item(0, 8)->text();
    QTest::keyClick(Editor(f), Qt::Key_Escape);
    // 0 is accepted and leaves the payment out.
    t->setCurrentCell(0, 8);
    QTest::keyClick(t, Qt::Key_0);
    QTest::keyClick(Editor(f), Qt::Key_Return);
    v.aPagarCero = t->item(0, 8)->text();
    v.total1Cero = Suma(f, 1);
    f.findChild<QPushButton*>(QStringLiteral("cmdAplicar"))->click();
  });
  // Yes to the download, Yes to "Confirme si se aplican los pagos indicados:".
  e.piloto().respuestas = {QMessageBox::Yes, QMessageBox::Yes};
  QVERIFY(e.Busca<QPushButton>("cmdPagos")->isVisibleTo(&e.ventana()));
  e.Busca<QPushButton>("cmdPagos")->click();
  QVERIFY(Revision() == nullptr);

  QCOMPARE(v.titulo, QStringLiteral("Aplicación de pagos"));
  QCOMPARE(v.renglones, 2);
  QCOMPARE(v.titulos, (QStringList{"", "Clave cte.", "Nombre", "Fecha", "Vence", "No.", "Docto.", "Saldo", "A pagar",
                                   "Fecha pago", "Hora pago", "-", "Vendedor", "-"}));
  // The rows carry the numbers the deletion's question names, and when each payment was collected.
  QCOMPARE(v.numeros, (QStringList{"1", "2"}));
  QCOMPARE(v.cuando, (QStringList{"2024-05-17 09:30", "2024-05-17 09:30"}));
  QCOMPARE(v.total0, QStringLiteral("180.00"));
  QCOMPARE(v.total1, QStringLiteral("180.75"));
  QVERIFY(v.aplicarHabilitado);
  QCOMPARE(v.editorTrasRechazo, QStringLiteral("150.75"));
  QCOMPARE(v.aPagarRechazado, QStringLiteral("150.75"));
  QCOMPARE(v.aPagarCero, QStringLiteral("0.00"));
  QCOMPARE(v.total1Cero, QStringLiteral("30.00"));

  QStringList cajas;
  for (const auto& c : e.piloto().cajas) cajas << c.titulo + ": " + c.texto;
  QCOMPARE(cajas, (QStringList{
                      "Descargar archivos de pagos: ¿Desea leer los archivos de pagos, para su aplicación?",
                      "Alerta: El monto del pago excede al saldo de la cuenta, o es incorrecto",
                      "Aplicar pagos: Confirme si se aplican los pagos indicados:",
                      "Fin del proceso: Pagos aplicados",
                  }));
  // Only the cargo was posted; the invoice with 0 kept its balance.
  QCOMPARE(e.inst().base().Dato("SELECT Saldo FROM cxc WHERE Id=1001"), std::string("100.0000"));
  QCOMPARE(e.inst().base().Dato("SELECT COUNT(*) FROM anexopagosctes WHERE FechaReal='2024-05-17'"), std::string("1"));
  QCOMPARE(e.inst().base().Dato("SELECT CantidadPago FROM edoctacli WHERE Clave='C018' AND CantidadPago>0"),
           std::string("30.0000"));
  QVERIFY(!std::filesystem::exists(sitio / kArchivo));
  QCOMPARE(ArchivosDePagos(e.inst().programa()).Procesados().size(), std::size_t(1));
}

void PagosTest::CerrarSinAplicarPreguntaYLosPagosEsperan() {
  Escena e;
  const auto sitio = e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  Prepara(e, sitio);
  bool seguiaAbierta = false;
  EnLaRevision([&](frmLeerPagos& f) {
    f.close();  // answered No: stays open
    seguiaAbierta = f.isVisible();
    f.close();  // answered Yes
  });
  e.piloto().respuestas = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes};
  e.Busca<QPushButton>("cmdPagos")->click();
  QVERIFY(seguiaAbierta);
  QVERIFY(Revision() == nullptr);
  const auto& cajas = e.piloto().cajas;
  QCOMPARE(cajas.size(), 3);
  QCOMPARE(cajas[1].titulo, QStringLiteral("Los pagos se perderán"));
  QCOMPARE(cajas[1].texto,
           QStringLiteral("Los pagos no han sido aplicados. ¿Está seguro de salir, de cualquier manera?"));
  QVERIFY(cajas[1].noPorOmision);
  QCOMPARE(e.inst().base().Dato("SELECT COUNT(*) FROM anexopagosctes WHERE FechaReal='2024-05-17'"), std::string("0"));
  QCOMPARE(ArchivosDePagos(e.inst().programa()).Pendientes().size(), std::size_t(1));
}

// Nothing to review is said in words, instead of an empty window.
void PagosTest::SinPagosNoHayNadaQueAplicar() {
  Escena e;
  e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  // A review window that opened anyway is closed by the test's own timer,
  // which goes with the test.
  bool abierta = false;
  QTimer vigia;
  connect(&vigia, &QTimer::timeout, this, [&] {
    if (frmLeerPagos* f = Revision()) {
      abierta = true;
      f->close();
    }
  });
  vigia.start(20);
  e.piloto().respuestas = {QMessageBox::Yes};
  e.Busca<QPushButton>("cmdPagos")->click();
  QVERIFY(!abierta);
  QCOMPARE(e.piloto().cajas.size(), 2);
  QCOMPARE(e.piloto().cajas[1].titulo, QStringLiteral("Aplicación de pagos"));
  QCOMPARE(e.piloto().cajas[1].texto, QStringLiteral("No hay pagos por aplicar"));
  QVERIFY(Revision() == nullptr);
}

// The window from the keyboard: Tab leaves the grid, every button has its Alt
// letter, Esc outside an edit asks to close; a letter typed in "A pagar"
// reaches the check and is refused with the message, not dropped unseen.
void PagosTest::ElTecladoSaleDeLaRejaYUnaLetraSeRechaza() {
  Escena e;
  const auto sitio = e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  Prepara(e, sitio);
  struct Vistos {
    QString trasTab, aplicar, cerrar, trasLetra, sinCambio;
    bool seguiaAbierta = false;
  } v;
  EnLaRevision([&](frmLeerPagos& f) {
    QTableWidget* t = Tabla(f);
    v.aplicar = f.findChild<QPushButton*>(QStringLiteral("cmdAplicar"))->text();
    v.cerrar = f.findChild<QPushButton*>(QStringLiteral("cmdCerrar"))->text();
    t->setCurrentCell(1, 8);
    t->setFocus();
    QTest::keyClick(t, Qt::Key_Tab);
    v.trasTab = f.focusWidget() ? f.focusWidget()->objectName() : QString();
    t->setFocus();
    t->setCurrentCell(1, 8);
    QTest::keyClick(t, Qt::Key_1);
    QTest::keyClicks(Editor(f), QStringLiteral("2a"));
    QTest::keyClick(Editor(f), Qt::Key_Return);
    v.trasLetra = Editor(f)->isVisible() ? Editor(f)->text() : QString();
    QTest::keyClick(Editor(f), Qt::Key_Escape);
    v.sinCambio = t->item(1, 8)->text();
    // Esc on the grid asks to close (answered No); «Cerrar» asks again (Yes).
    t->setFocus();
    QTest::keyClick(t, Qt::Key_Escape);
    v.seguiaAbierta = f.isVisible();
    f.findChild<QPushButton*>(QStringLiteral("cmdCerrar"))->click();
  });
  e.piloto().respuestas = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes};
  e.Busca<QPushButton>("cmdPagos")->click();
  QVERIFY(Revision() == nullptr);
  QStringList cajas;
  for (const auto& c : e.piloto().cajas) cajas << c.titulo + ": " + c.texto;
  QCOMPARE(v.aplicar, QStringLiteral("&Aplicar pagos"));
  QCOMPARE(v.cerrar, QStringLiteral("&Cerrar"));
  QCOMPARE(v.trasTab, QStringLiteral("cmdAplicar"));
  QCOMPARE(v.trasLetra, QStringLiteral("12a"));
  QCOMPARE(v.sinCambio, QStringLiteral("30.00"));
  QVERIFY2(v.seguiaAbierta, qPrintable(cajas.join(QStringLiteral(" | "))));
  const QString perder = QStringLiteral(
      "Los pagos se perderán: Los pagos no han sido aplicados. ¿Está seguro de salir, de cualquier manera?");
  QCOMPARE(cajas, (QStringList{"Descargar archivos de pagos: ¿Desea leer los archivos de pagos, para su aplicación?",
                               "Alerta: El monto del pago excede al saldo de la cuenta, o es incorrecto\nEscriba solo "
                               "el número, con punto para los centavos (por ejemplo 1500.50).",
                               perder, perder}));
}

// With V02 chosen the review shows V02's payments only, not the V01 file
// waiting from an earlier review; the totals always add the rows shown, also
// after a row is deleted.
void PagosTest::UnVendedorVeSusPagosYLosTotalesSiguenALosRenglones() {
  Escena e;
  const auto sitio = e.SitioDePrueba();
  QVERIFY(e.EntraComoAdmin());
  Prepara(e, sitio);
  const auto respaldo = e.inst().programa() / "respaldo";
  std::filesystem::create_directories(respaldo);
  std::filesystem::rename(sitio / kArchivo, respaldo / kArchivo);
  e.inst().base().Ejecuta(
      "INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo) VALUES (1004, 'C005', 'C', 4991, '2024-05-06', "
      "1890)");
  prueba::EscribeArchivo(sitio / "cxcs_tel2_v02_18_05_2024_10_00.sql",
                         "insert into cxcs values ('tel2','V02','C018',1003,30,'')\r\n"
                         "insert into cxcs values ('tel2','V02','C005',1004,1890,'')\r\n");
  auto* vendedores = e.Busca<QComboBox>("dtcVendedores");
  vendedores->setCurrentIndex(vendedores->findData(QStringLiteral("V02")));
  struct Vistos {
    QStringList cuentas, vendedores;
    QString saldo, aPagar, saldoTrasBorrar, aPagarTrasBorrar;
    int columnaVendedor = -1;
  } v;
  EnLaRevision([&](frmLeerPagos& f) {
    QTableWidget* t = Tabla(f);
    for (int c = 0; c < t->columnCount(); ++c)
      if (t->horizontalHeaderItem(c)->text() == QStringLiteral("Vendedor") && t->columnWidth(c) > 0)
        v.columnaVendedor = c;
    for (int r = 0; r < t->rowCount(); ++r) {
      v.cuentas << t->item(r, 11)->text();
      if (v.columnaVendedor >= 0) v.vendedores << t->item(r, v.columnaVendedor)->text();
    }
    v.saldo = Suma(f, 0);
    v.aPagar = Suma(f, 1);
    t->setCurrentCell(1, 8);
    t->setFocus();
    QTest::keyClick(t, Qt::Key_Delete);  // answered Yes
    v.saldoTrasBorrar = Suma(f, 0);
    v.aPagarTrasBorrar = Suma(f, 1);
    f.close();  // answered Yes: the payments wait
  });
  e.piloto().respuestas = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes};
  e.Busca<QPushButton>("cmdPagos")->click();
  QVERIFY(Revision() == nullptr);
  QStringList dichas;
  for (const auto& c : e.piloto().cajas) dichas << c.titulo + ": " + c.texto;
  QVERIFY2(!v.cuentas.isEmpty(), qPrintable(dichas.join(QStringLiteral(" | "))));
  QCOMPARE(v.cuentas, (QStringList{"1003", "1004"}));
  QVERIFY(v.columnaVendedor >= 0);
  QCOMPARE(v.vendedores, (QStringList{"v02", "v02"}));
  QCOMPARE(v.saldo, QStringLiteral("1,970.00"));
  QCOMPARE(v.aPagar, QStringLiteral("1,920.00"));
  QCOMPARE(e.piloto().cajas[1].texto, QStringLiteral("¿Desea eliminar el renglón 2?"));
  QCOMPARE(v.saldoTrasBorrar, QStringLiteral("80.00"));
  QCOMPARE(v.aPagarTrasBorrar, QStringLiteral("30.00"));
  QCOMPARE(ArchivosDePagos(e.inst().programa()).Pendientes().size(), std::size_t(2));
}

}  // namespace travesa

QTEST_MAIN(travesa::PagosTest)
#include "PagosTest.moc"
