// The ledger in the window, over a day read and paid through the real jobs
// against the real database and FTP site: the sellers at a glance on the run
// page, the page «Historial» and the page «Liquidación del día» with its PDF,
// its printing and its close.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "Escena.h"
#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"
#include "gui/PaginaHistorial.h"
#include "gui/PaginaLiquidacion.h"
#include "gui/TablaDeEstado.h"
#include "gui/frmLeerPagos.h"
#include "ledger/BaseSqlite.h"
#include "ledger/HistorialSqlite.h"
#include "sales/ResumenEnTabla.h"

namespace travesa {

using prueba::Escena;
using prueba::Piloto;

class HistorialTest : public QObject {
  Q_OBJECT

 private slots:
  void LaTablaDeVendedoresSeActualizaTrasCadaTrabajo();
  void ElHistorialMuestraLasCorridasDelDia();
  void LaLiquidacionDelDiaSeImprimeSeGuardaYSeCierra();
};

namespace {

constexpr const char* kVentas = "ventas_tel1_V01_1.sql";

QDate Hoy() { return QDate::currentDate(); }
std::string HoyIso() { return Hoy().toString(Qt::ISODate).toStdString(); }

// The sale's time as the phone writes it: "Dec 9, 2026 9:30:00 AM".
std::string Fecha(const char* hora) {
  return QLocale(QLocale::English).toString(Hoy(), QStringLiteral("MMM d, yyyy ")).toStdString() + hora;
}

// The review window while it is open (modal, inside the command's click).
frmLeerPagos* Revision() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = qobject_cast<frmLeerPagos*>(w); f && f->isVisible()) return f;
  return nullptr;
}

// A day of V01: a cash sale paid 100 in cash and 39 by card (139.00), a
// credit sale (295.00), a sale of a product code no column can hold (not
// posted, so the file stays on the site), and a payment of 60.50 collected
// on an invoice of C005. Remissions of series A.
void PreparaElDia(Escena& e, const std::filesystem::path& sitio) {
  const prueba::VentaDeTelefono contado{Fecha("9:30:00 AM"), "V01", "C002", "CO", "", 1, {100, 39, 0, 0, 0, 0, 0, 0}};
  const prueba::VentaDeTelefono credito{Fecha("11:03:15 AM"), "V01", "C003", "C", "", 1, {}};
  const prueba::VentaDeTelefono fallida{Fecha("12:20:00 PM"), "V01", "C004", "CO", "", 1, {}};
  prueba::EscribeArchivo(sitio / kVentas, prueba::ArchivoDeVentas()
                                              .Linea(contado, "ABA002", 3, 32)
                                              .Linea(contado, "ABA006", 2, 21.5)
                                              .Linea(credito, "ABA004", 10, 29.5)
                                              .Linea(fallida, std::string(40, 'X'), 1, 5)
                                              .contenido());
  e.inst().base().Ejecuta(
      "INSERT INTO facturas (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES (100, 'A', 123, '2024-04-02', "
      "'C005', 100, 100);"
      "INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo) VALUES (1001, 'C005', 'F', 100, '2024-05-02', "
      "100)");
  prueba::EscribeArchivo(
      sitio / ("cxcs_tel1_V01_" + Hoy().toString(QStringLiteral("dd_MM_yyyy")).toStdString() + "_17_45.sql"),
      "insert into cxcs values ('tel1','V01','C005',1001,60.50,'')\r\n");
}

// Start-up with remissions, the day on the site, and V01 chosen.
bool Abre(Escena& e, std::filesystem::path& sitio) {
  sitio = e.SitioDePrueba();
  if (e.inst().ComoAdmin({"ajustes", "TipoMovimiento=R", "Serie=A"}).estado != 0) return false;
  PreparaElDia(e, sitio);
  if (!e.EntraComoAdmin()) return false;
  auto* vendedores = e.Busca<QComboBox>("dtcVendedores");
  vendedores->setCurrentIndex(vendedores->findData(QStringLiteral("V01")));
  return true;
}

void Lee(Escena& e) {
  e.piloto().respuestas = {QMessageBox::Yes};
  e.Busca<QPushButton>("cmdLeer")->click();
}

// «Aplicar pagos», and in the review «Aplicar pagos» with its confirmation.
void AplicaPagos(Escena& e) {
  auto* reloj = new QTimer;
  reloj->setInterval(20);
  QObject::connect(reloj, &QTimer::timeout, [reloj] {
    frmLeerPagos* f = Revision();
    if (f == nullptr || QApplication::activeModalWidget() != f) return;
    reloj->stop();
    reloj->deleteLater();
    f->findChild<QPushButton*>(QStringLiteral("cmdAplicar"))->click();
  });
  reloj->start();
  e.piloto().respuestas = {QMessageBox::Yes, QMessageBox::Yes};
  e.Busca<QPushButton>("cmdPagos")->click();
}

// The day through the window: read, then its payments applied.
bool LeeYPaga(Escena& e, std::filesystem::path& sitio) {
  if (!Abre(e, sitio)) return false;
  Lee(e);
  AplicaPagos(e);
  return true;
}

// Alt with a letter, where the focus is, in the active main window (the
// offscreen platform does not give it back after a box closed). The button
// it names is pressed as a click is shown, a moment later.
void Alt(Escena& e, Qt::Key letra) {
  e.ventana().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&e.ventana()));
  QWidget* foco = QApplication::focusWidget();
  QTest::keyClick(foco != nullptr ? foco : &e.ventana(), letra, Qt::AltModifier);
}

QString Pagina(Escena& e) { return e.Busca<QTabWidget>("stbTabs")->currentWidget()->objectName(); }

// The visible tabs' titles.
QStringList Pestanas(Escena& e) {
  auto* t = e.Busca<QTabWidget>("stbTabs");
  QStringList visibles;
  for (int i = 0; i < t->count(); ++i)
    if (t->isTabVisible(i)) visibles << t->tabText(i);
  return visibles;
}

// One line a row of the table, its cells joined by "|".
QStringList Renglones(QTableWidget* t) {
  QStringList r;
  for (int i = 0; i < t->rowCount(); ++i) {
    QStringList celdas;
    for (int c = 0; c < t->columnCount(); ++c) celdas << t->item(i, c)->text();
    r << celdas.join(QLatin1Char('|'));
  }
  return r;
}

// One line an item of the tree, indented by its depth, its columns joined by "|".
void Renglones(QTreeWidgetItem* item, int nivel, QStringList& r) {
  QStringList celdas;
  for (int c = 0; c < item->columnCount(); ++c) celdas << item->text(c);
  r << QString(nivel * 2, QLatin1Char(' ')) + celdas.join(QLatin1Char('|'));
  for (int i = 0; i < item->childCount(); ++i) Renglones(item->child(i), nivel + 1, r);
}

QStringList Renglones(QTreeWidget* t) {
  QStringList r;
  for (int i = 0; i < t->topLevelItemCount(); ++i) Renglones(t->topLevelItem(i), 0, r);
  return r;
}

// Every row of the document's tables: its first cell, and the others.
QMap<QString, QStringList> Cifras(QTextDocument* d) {
  QMap<QString, QStringList> cifras;
  for (QTextFrame* marco : d->rootFrame()->childFrames()) {
    auto* tabla = qobject_cast<QTextTable*>(marco);
    if (tabla == nullptr) continue;
    for (int r = 0; r < tabla->rows(); ++r) {
      QStringList celdas;
      for (int c = 0; c < tabla->columns(); ++c) {
        const QTextTableCell celda = tabla->cellAt(r, c);
        QTextCursor cursor = celda.firstCursorPosition();
        cursor.setPosition(celda.lastPosition(), QTextCursor::KeepAnchor);
        celdas << cursor.selectedText();
      }
      const QString concepto = celdas.takeFirst();
      cifras[concepto] = celdas;
    }
  }
  return cifras;
}

QByteArray Inicio(const std::filesystem::path& archivo) {
  QFile f(QString::fromStdString(archivo.string()));
  return f.open(QIODevice::ReadOnly) ? f.read(5) : QByteArray();
}

std::string Folio(Escena& e, const char* cliente) {
  return "A-" + e.inst().base().Dato(std::string("SELECT Factura FROM remisiones WHERE Vendedor='V01' AND Cliente='") +
                                     cliente + "' AND Fecha='" + HoyIso() + "'");
}

}  // namespace

// Before any job every seller stands out (no file ever); after the read run
// V01 has its last file and the file kept on the site, with no other step;
// the others still stand out. The ledger's commands are the read right's.
void HistorialTest::LaTablaDeVendedoresSeActualizaTrasCadaTrabajo() {
  {
    Escena sinLeer;
    std::string derechos(560, 'N');
    derechos[549] = derechos[550] = 'S';  // 550 enter, 551 publish
    sinLeer.inst().AgregaUsuario(11, "publica", "551", derechos);
    sinLeer.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("publica"), QStringLiteral("551")));
    QVERIFY(sinLeer.Abre());
    QVERIFY(!sinLeer.Busca<QPushButton>("cmdHistorial")->isVisibleTo(&sinLeer.ventana()));
    QVERIFY(!sinLeer.Busca<QPushButton>("cmdLiquidacion")->isVisibleTo(&sinLeer.ventana()));
  }
  Escena e;
  std::filesystem::path sitio;
  QVERIFY(Abre(e, sitio));
  QVERIFY(e.Busca<QPushButton>("cmdHistorial")->isVisibleTo(&e.ventana()));
  QVERIFY(e.Busca<QPushButton>("cmdLiquidacion")->isVisibleTo(&e.ventana()));
  auto* tabla = e.Busca<QTableWidget>("tblEstado");
  QVERIFY(e.Busca<TablaDeEstado>("TablaDeEstado")->isVisibleTo(&e.ventana()));
  QCOMPARE(Renglones(tabla).size(), 4);
  QCOMPARE(Renglones(tabla)[0], QStringLiteral("V01|Juan Carlos Méndez Ruiz|ninguno|nunca|0|0|Sin archivos en 24 h"));
  const QBrush senalado = tabla->item(0, TablaDeEstado::kVendedor)->background();
  QVERIFY(senalado.style() != Qt::NoBrush);
  QVERIFY(e.Busca<QLabel>("lblEstado")->text().endsWith(QStringLiteral("(última lectura: ninguna)")));

  Lee(e);
  const QStringList v01 = tabla->item(0, TablaDeEstado::kVendedor)->text() == QStringLiteral("V01")
                              ? Renglones(tabla)[0].split(QLatin1Char('|'))
                              : QStringList();
  QCOMPARE(v01.size(), static_cast<int>(TablaDeEstado::kColumnas));
  QVERIFY2(v01[TablaDeEstado::kUltimoArchivo].startsWith(
               QString::fromStdString(ResumenEnTabla::Dia(HoyIso())).chopped(5) + QLatin1Char(' ')),
           qPrintable(v01.join('|')));
  // The file with the sale that was not posted stays on the site.
  QCOMPARE(v01[TablaDeEstado::kEnSitio], QStringLiteral("1"));
  QCOMPARE(v01[TablaDeEstado::kAviso], QString());
  QVERIFY(tabla->item(0, TablaDeEstado::kVendedor)->background() != senalado);
  QVERIFY(std::filesystem::exists(sitio / kVentas));
  QCOMPARE(tabla->item(1, TablaDeEstado::kAviso)->text(), QStringLiteral("Sin archivos en 24 h"));
  QCOMPARE(tabla->item(1, TablaDeEstado::kVendedor)->background(), senalado);
  QVERIFY(!e.Busca<QLabel>("lblEstado")->text().endsWith(QStringLiteral("(última lectura: ninguna)")));
}

// The runs of today: the read run with its file, the file's documents (folio,
// customer, total) and the sale that was not posted; the payments run with
// its payment. A search by folio keeps that document alone; another seller or
// another day has nothing. «Regresar» goes back to the run page.
void HistorialTest::ElHistorialMuestraLasCorridasDelDia() {
  Escena e;
  std::filesystem::path sitio;
  QVERIFY(LeeYPaga(e, sitio));
  e.Busca<QComboBox>("dtcVendedores")->setCurrentIndex(0);  // (todos)
  QCOMPARE(Pestanas(e), QStringList{QStringLiteral("Ejecución")});
  Alt(e, Qt::Key_H);
  QTRY_COMPARE(Pagina(e), QStringLiteral("Historial"));
  QCOMPARE(Pestanas(e), QStringList{QStringLiteral("Historial")});
  QCOMPARE(e.Busca<QDateEdit>("dtpDiaHistorial")->date(), Hoy());
  auto* vendedor = e.Busca<QComboBox>("cmbVendedorHistorial");
  QCOMPARE(vendedor->currentText(), QStringLiteral("(todos)"));
  QCOMPARE(vendedor->count(), 5);

  auto* arbol = e.Busca<QTreeWidget>("arbCorridas");
  const QStringList todo = Renglones(arbol);
  const std::string remisionContado = Folio(e, "C002");
  const std::string remisionCredito = Folio(e, "C003");
  QVERIFY(remisionContado != "A-" && remisionCredito != "A-");
  const auto renglonCon = [&](const QString& inicio) {
    for (const QString& r : todo)
      if (r.trimmed().startsWith(inicio)) return r;
    return QString();
  };
  QString lectura, pagos;
  for (const QString& r : todo) {
    if (r.contains(QStringLiteral("Lectura de ventas|"))) lectura = r;
    if (r.contains(QStringLiteral("Aplicación de pagos|"))) pagos = r;
  }
  // A sale was not posted: the read run is incomplete.
  QVERIFY2(lectura.contains(QStringLiteral("|incompleta|usuario admin")), qPrintable(todo.join('\n')));
  QVERIFY2(pagos.contains(QStringLiteral("|completa|usuario admin")), qPrintable(todo.join('\n')));
  const QString archivo = renglonCon(QString::fromLatin1(kVentas));
  QVERIFY2(archivo.startsWith(QStringLiteral("  ventas_tel1_V01_1.sql|V01|||parcial: se conserva en el sitio")),
           qPrintable(todo.join('\n')));
  QCOMPARE(renglonCon(QString::fromStdString("Remisión " + remisionContado)),
           QString::fromStdString("    Remisión " + remisionContado + "||C002|139.00|grabado|"));
  QCOMPARE(renglonCon(QString::fromStdString("Remisión " + remisionCredito)),
           QString::fromStdString("    Remisión " + remisionCredito + "||C003|295.00|grabado|"));
  QVERIFY2(renglonCon(QStringLiteral("Venta de las 12:20:00"))
               .startsWith(QStringLiteral("    Venta de las 12:20:00||C004||no se grabó|")),
           qPrintable(todo.join('\n')));
  QVERIFY2(renglonCon(QStringLiteral("Pago a la cuenta 1001"))
               .startsWith(QStringLiteral("  Pago a la cuenta 1001||C005|60.50|aplicado|cxcs_tel1_V01_")),
           qPrintable(todo.join('\n')));
  QVERIFY(e.Busca<QLabel>("lblCuentasHistorial")->text().contains(QStringLiteral(" archivos y 2 documentos el ")));

  // By folio: the read run, its file, that document alone.
  auto* buscar = e.Busca<QLineEdit>("txtBuscar");
  QTest::keyClicks(buscar, QString::fromStdString(remisionCredito.substr(2)));
  QTest::keyClick(buscar, Qt::Key_Return);
  const QStringList porFolio = Renglones(arbol);
  QCOMPARE(porFolio.size(), 3);
  QVERIFY(porFolio[0].contains(QStringLiteral("Lectura de ventas|")));
  QVERIFY(porFolio[1].startsWith(QStringLiteral("  ventas_tel1_V01_1.sql|")));
  QVERIFY(porFolio[2].startsWith(QString::fromStdString("    Remisión " + remisionCredito + "||C003|")));

  // Another seller, another day: nothing, and the page says so.
  buscar->clear();
  vendedor->setCurrentIndex(vendedor->findData(QStringLiteral("V02")));
  QCOMPARE(arbol->topLevelItemCount(), 0);
  QCOMPARE(
      e.Busca<QLabel>("lblCuentasHistorial")->text(),
      QString::fromStdString("No hay corridas registradas el " + ResumenEnTabla::Dia(HoyIso()) + " con lo indicado."));
  vendedor->setCurrentIndex(0);
  QVERIFY(arbol->topLevelItemCount() >= 2);
  e.Busca<QDateEdit>("dtpDiaHistorial")->setDate(Hoy().addDays(-1));
  QCOMPARE(arbol->topLevelItemCount(), 0);

  e.Busca<QPushButton>("cmdRegresarHistorial")->click();
  QCOMPARE(Pagina(e), QStringLiteral("Ejecucion"));
  QCOMPARE(Pestanas(e), QStringList{QStringLiteral("Ejecución")});
}

// The settlement of V01's day: every figure of the page against what the
// sales and the payment were, the same document printed and saved as PDF,
// then closed (after a No), and a file of that day read after the close is
// shown as late.
void HistorialTest::LaLiquidacionDelDiaSeImprimeSeGuardaYSeCierra() {
  Escena e;
  std::filesystem::path sitio;
  QVERIFY(LeeYPaga(e, sitio));
  // What the database holds, as the page must tell it.
  QCOMPARE(
      e.inst().base().Dato("SELECT SUM(SubTotal) FROM remisiones WHERE Vendedor='V01' AND Fecha='" + HoyIso() + "'"),
      std::string("434.0000"));
  Alt(e, Qt::Key_D);
  QTRY_COMPARE(Pagina(e), QStringLiteral("Liquidacion"));
  auto* pagina = e.Busca<PaginaLiquidacion>("Liquidacion");
  QCOMPARE(e.Busca<QComboBox>("cmbVendedorLiquidacion")->currentData().toString(), QStringLiteral("V01"));
  QCOMPARE(e.Busca<QDateEdit>("dtpDiaLiquidacion")->date(), Hoy());
  auto* documento = e.Busca<QTextBrowser>("txtLiquidacion");
  QMap<QString, QStringList> cifras = Cifras(documento->document());
  QCOMPARE(cifras.value(QStringLiteral("Remisión")), (QStringList{"2", "434.00"}));
  QCOMPARE(cifras.value(QStringLiteral("Total vendido")), (QStringList{"2", "434.00"}));
  QCOMPARE(cifras.value(QStringLiteral("Efectivo")), QStringList{"100.00"});
  QCOMPARE(cifras.value(QStringLiteral("Tarjeta de crédito")), QStringList{"39.00"});
  QCOMPARE(cifras.value(QStringLiteral("A crédito")), QStringList{"295.00"});
  QCOMPARE(cifras.value(QStringLiteral("Aplicados")), QStringList{"60.50"});
  QCOMPARE(cifras.value(QStringLiteral("En espera de revisión")), QStringList{"0.00"});
  QCOMPARE(cifras.value(QStringLiteral("Efectivo por entregar")), QStringList{"160.50"});
  QCOMPARE(cifras.value(QStringLiteral("ABA004")).mid(1), (QStringList{"10", "0"}));
  QCOMPARE(cifras.value(QStringLiteral("ABA002")).mid(1), (QStringList{"3", "0"}));
  QVERIFY(!cifras.value(QStringLiteral("ABA002")).value(0).isEmpty());
  const QString texto = documento->toPlainText();
  QVERIFY2(texto.contains(QStringLiteral("Venta que no se grabó: ventas_tel1_V01_1.sql, 12:20:00, cliente C004")),
           qPrintable(texto));
  QVERIFY(texto.contains(QStringLiteral("Vendedor: V01 — Juan Carlos Méndez Ruiz")));
  QVERIFY(e.Busca<QLabel>("lblCierre")->text().contains(QStringLiteral("Abierta")));

  // «Guardar PDF» to the name given (".pdf" added), «Imprimir» to the printer prepared.
  prueba::CarpetaTemporal carpeta;
  QString sugerido;
  pagina->setPideArchivo([&](const QString& s) {
    sugerido = s;
    return QString::fromStdString((carpeta.ruta() / "liquidacion").string());
  });
  e.piloto().cajas.clear();
  e.Busca<QPushButton>("cmdGuardarPdf")->click();
  QVERIFY(sugerido.endsWith(QString::fromStdString("liquidacion_V01_" + HoyIso() + ".pdf")));
  QCOMPARE(Inicio(carpeta.ruta() / "liquidacion.pdf"), QByteArray("%PDF-"));
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].texto, QString::fromStdString("La liquidación se guardó en «" +
                                                             (carpeta.ruta() / "liquidacion.pdf").string() + "»."));
  const std::filesystem::path impreso = carpeta.ruta() / "impreso.pdf";
  pagina->setPideImpresora([&](QPrinter& p) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString(impreso.string()));
    return true;
  });
  e.Busca<QPushButton>("cmdImprimir")->click();
  QCOMPARE(Inicio(impreso), QByteArray("%PDF-"));

  // Closed only after Yes.
  auto* cerrar = e.Busca<QPushButton>("cmdCerrarLiquidacion");
  e.piloto().cajas.clear();
  e.piloto().respuestas = {QMessageBox::No};
  cerrar->click();
  QCOMPARE(e.piloto().cajas.size(), 1);
  QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Cerrar liquidación"));
  QCOMPARE(e.piloto().cajas[0].texto,
           QString::fromStdString("¿Cerrar la liquidación del " + HoyIso() +
                                  " del vendedor V01 (Juan Carlos Méndez Ruiz)? Lo que llegue después se señalará "
                                  "como llegado tras el cierre."));
  QVERIFY(e.piloto().cajas[0].noPorOmision);
  QVERIFY(e.Busca<QLabel>("lblCierre")->text().contains(QStringLiteral("Abierta")));
  QVERIFY(BaseDelHistorial(e.programa()).Consulta("SELECT 1 FROM cierres").empty());
  e.piloto().respuestas = {QMessageBox::Yes};
  cerrar->click();
  QVERIFY(e.Busca<QLabel>("lblCierre")->text().contains(QStringLiteral("Cerrada")));
  QVERIFY(e.Busca<QLabel>("lblCierre")->text().contains(QStringLiteral(" por admin")));
  QVERIFY(!cerrar->isEnabled());
  QVERIFY(documento->toPlainText().contains(QStringLiteral("Cerrada el ")));
  QCOMPARE(BaseDelHistorial(e.programa())
               .Consulta("SELECT usuario FROM cierres WHERE vendedor = 'V01' AND dia = ?", {HoyIso()}),
           (std::vector<BaseSqlite::Fila>{{"admin"}}));

  // A sale of that day read after the close: in the figures, and told as late.
  const prueba::VentaDeTelefono tarde{Fecha("7:00:00 PM"), "V01", "C002", "CO", "", 1, {}};
  prueba::EscribeArchivo(sitio / "ventas_tel1_V01_2.sql",
                         prueba::ArchivoDeVentas().Linea(tarde, "ABA002", 2, 32).contenido());
  e.Busca<QPushButton>("cmdRegresarLiquidacion")->click();
  Lee(e);
  Alt(e, Qt::Key_D);
  QTRY_COMPARE(Pagina(e), QStringLiteral("Liquidacion"));
  QVERIFY2(e.Busca<QLabel>("lblCierre")->text().contains(QStringLiteral("1 documento llegó después del cierre")),
           qPrintable(e.Busca<QLabel>("lblCierre")->text()));
  cifras = Cifras(documento->document());
  QCOMPARE(cifras.value(QStringLiteral("Remisión")), (QStringList{"3", "498.00"}));
  QCOMPARE(cifras.value(QStringLiteral("Efectivo por entregar")), QStringList{"224.50"});
  QVERIFY(documento->toPlainText().contains(QStringLiteral("llegó después del cierre (ventas_tel1_V01_2.sql)")));
  QVERIFY(!cerrar->isEnabled());
}

}  // namespace travesa

QTEST_MAIN(travesa::HistorialTest)
#include "HistorialTest.moc"
