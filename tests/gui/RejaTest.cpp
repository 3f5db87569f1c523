// The editable grid over a real table widget, driven by keys as the operator
// types them: the payments review's "A pagar" column (numbers only, checked
// against the balance, written "#,0.00", totalled after each edit), and a
// general grid with masked, combo and check-mark columns.
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <deque>
#include <stdexcept>

#include "grid/FormatoCelda.h"
#include "gui/RejaEditable.h"

namespace travesa {
namespace {

class OperadorDeReja : public Operador {
 public:
  int Mensaje(std::string_view texto, int botones, std::string_view titulo) override {
    preguntas.push_back(QString::fromUtf8(texto.data(), texto.size()) + " | " +
                        QString::fromUtf8(titulo.data(), titulo.size()));
    if (!Botones::EsPregunta(botones)) return Botones::kRespAceptar;
    return respuesta;
  }
  void Aviso(std::string_view) override {}
  void Pitido() override { ++pitidos; }

  QStringList preguntas;
  int respuesta = Botones::kRespNo;
  int pitidos = 0;
};

// A window with the grid and one more field to move the focus to.
struct Ventana {
  explicit Ventana(int renglones) {
    auto* capa = new QVBoxLayout(&ventana);
    tabla = new QTableWidget(&ventana);
    otro = new QLineEdit(&ventana);
    capa->addWidget(tabla);
    capa->addWidget(otro);
    reja = std::make_unique<RejaEditable>(tabla, op);
    tabla->setColumnCount(12);
    tabla->setRowCount(renglones);
    ventana.resize(900, 300);
    ventana.show();
    ventana.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ventana));
    tabla->setFocus();
  }
  QString Celda(int r, int c) const { return QString::fromStdString(reja->qt().Texto(r, c)); }
  void Fija(int r, int c, const char* t) { reja->qt().FijaTexto(r, c, t); }
  void Ve(int r, int c) { reja->qt().VeA(r, c); }
  QLineEdit* Texto() { return tabla->findChild<QLineEdit*>(QStringLiteral("txtCelda")); }
  bool Abierto() { return Texto() && Texto()->isVisible(); }

  QWidget ventana;
  QTableWidget* tabla = nullptr;
  QLineEdit* otro = nullptr;
  OperadorDeReja op;
  std::unique_ptr<RejaEditable> reja;
};

void Reactiva(QWidget& ventana) {
  ventana.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&ventana));
}

// The review window's grid: balance in 7, "A pagar" in 8.
struct Pagos : Ventana {
  explicit Pagos(int renglones = 2) : Ventana(renglones) {
    auto& q = reja->qt();
    q.Columna(7, QStringLiteral("Saldo"), 1500, Qt::AlignRight | Qt::AlignVCenter);
    q.Columna(8, QStringLiteral("A pagar"), 1500, Qt::AlignRight | Qt::AlignVCenter);
    q.Columna(11, QStringLiteral("Id-CxC"), 0, Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 1; r <= renglones; ++r) {
      Fija(r, 7, "100.00");
      Fija(r, 8, "12.50");
      Fija(r, 11, "7");
    }
    metodos.Validador("Validar", [this](const std::string& t, int r, int) {
      const auto n = FormatoCelda::LeeNumero(t);
      return n && *n >= 0 && *n <= *FormatoCelda::LeeNumero(reja->qt().Texto(r, 7));
    });
    metodos.Celda("Totaliza", [this](int, int) { ++totales; });
    auto& g = reja->edicion();
    g.ObjetoDeMetodos(metodos);
    g.AgregarRenglones(false);
    g.AgregaColumna(8, TipoDeEditor::kTexto, "9", 0, "#,0.00", "", "Validar", {}, {}, 0, "Totaliza");
    Ve(1, 8);
  }
  ObjetoDeMetodos metodos;
  int totales = 0;
};

}  // namespace

class RejaTest : public QObject {
  Q_OBJECT

 private slots:
  void ElNueveRechazaLetrasYAbreConDigitos();
  void RetrocesoYDobleClicAbrenConLaCelda();
  void EnterEscribeConMilesTotalizaYBaja();
  void UnMontoRechazadoSeQuedaEnElEditor();
  void SalirDelEditorEscribe();
  void ElAvisoDelValidadorSaleUnaVezPorIntento();
  void BorrarElUnicoRenglonDejaUnoEnBlanco();
  void MayusculasMascaraComboYMarca();
};

void RejaTest::ElNueveRechazaLetrasYAbreConDigitos() {
  Pagos p;
  QTest::keyClick(p.tabla, Qt::Key_A);
  QVERIFY(!p.Abierto());
  QCOMPARE(p.op.pitidos, 1);
  QTest::keyClick(p.tabla, Qt::Key_5);
  QVERIFY(p.Abierto());
  QCOMPARE(p.Texto()->text(), QStringLiteral("5"));
  QVERIFY(p.Texto()->hasFocus());
  // The editor floats over the cell, aligned as the column.
  const QRect celda = p.tabla->visualRect(p.tabla->model()->index(0, 8));
  QCOMPARE(p.Texto()->geometry(), celda);
  QVERIFY(p.Texto()->alignment() & Qt::AlignRight);
  // Inside the editor letters are refused too.
  QTest::keyClicks(p.Texto(), QStringLiteral("x2"));
  QCOMPARE(p.Texto()->text(), QStringLiteral("52"));
  QCOMPARE(p.op.pitidos, 2);
  // Other columns take no key.
  QTest::keyClick(p.Texto(), Qt::Key_Escape);
  p.Ve(1, 7);
  QTest::keyClick(p.tabla, Qt::Key_5);
  QVERIFY(!p.Abierto());
  QCOMPARE(p.Celda(1, 7), QStringLiteral("100.00"));
}

void RejaTest::RetrocesoYDobleClicAbrenConLaCelda() {
  Pagos p;
  QTest::keyClick(p.tabla, Qt::Key_Backspace);
  QVERIFY(p.Abierto());
  QCOMPARE(p.Texto()->text(), QStringLiteral("12.5"));
  QTest::keyClick(p.Texto(), Qt::Key_Escape);
  QVERIFY(!p.Abierto());
  QVERIFY(p.tabla->hasFocus());
  QCOMPARE(p.Celda(1, 8), QStringLiteral("12.50"));
  const QRect celda = p.tabla->visualRect(p.tabla->model()->index(1, 8));
  QTest::mouseClick(p.tabla->viewport(), Qt::LeftButton, {}, celda.center());
  QTest::mouseDClick(p.tabla->viewport(), Qt::LeftButton, {}, celda.center());
  QVERIFY(p.Abierto());
  QCOMPARE(p.Texto()->text(), QStringLiteral("12.50"));
  QCOMPARE(p.Texto()->selectedText(), QStringLiteral("12.50"));
  QTest::keyClick(p.Texto(), Qt::Key_Escape);
  // Backspace on a blank cell only beeps.
  p.Fija(1, 8, "");
  p.Ve(1, 8);
  QTest::keyClick(p.tabla, Qt::Key_Backspace);
  QVERIFY(!p.Abierto());
  QCOMPARE(p.op.pitidos, 1);
}

void RejaTest::EnterEscribeConMilesTotalizaYBaja() {
  Pagos p;
  p.Fija(1, 7, "5,000.00");
  QTest::keyClick(p.tabla, Qt::Key_1);
  QTest::keyClicks(p.Texto(), QStringLiteral("234.5"));
  QTest::keyClick(p.Texto(), Qt::Key_Return);
  QVERIFY(!p.Abierto());
  QCOMPARE(p.Celda(1, 8), QStringLiteral("1,234.50"));
  QCOMPARE(p.totales, 1);
  // One editable column: Enter went to the same column one row down.
  QCOMPARE(p.tabla->currentRow(), 1);
  QCOMPARE(p.tabla->currentColumn(), 8);
  QVERIFY(p.tabla->hasFocus());
  // On the last row, with no rows to add, it stays there.
  QTest::keyClick(p.tabla, Qt::Key_0);
  QTest::keyClick(p.Texto(), Qt::Key_Enter);
  QCOMPARE(p.Celda(2, 8), QStringLiteral("0.00"));
  QCOMPARE(p.totales, 2);
  QCOMPARE(p.tabla->rowCount(), 2);
  QCOMPARE(p.tabla->currentRow(), 1);
  QVERIFY(!p.Abierto());
}

void RejaTest::UnMontoRechazadoSeQuedaEnElEditor() {
  Pagos p;
  QTest::keyClick(p.tabla, Qt::Key_1);
  QTest::keyClicks(p.Texto(), QStringLiteral("50.75"));
  QTest::keyClick(p.Texto(), Qt::Key_Return);
  QVERIFY(p.Abierto());
  QCOMPARE(p.Texto()->text(), QStringLiteral("150.75"));
  QCOMPARE(p.Celda(1, 8), QStringLiteral("12.50"));
  QCOMPARE(p.totales, 0);
  // Clicking elsewhere does not get past the check either.
  p.otro->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(p.Texto()->hasFocus());
  QVERIFY(p.Abierto());
  QCOMPARE(p.Celda(1, 8), QStringLiteral("12.50"));
  QTest::keyClick(p.Texto(), Qt::Key_Escape);
  QVERIFY(!p.Abierto());
  QCOMPARE(p.Celda(1, 8), QStringLiteral("12.50"));
  QCOMPARE(p.totales, 0);
}

void RejaTest::SalirDelEditorEscribe() {
  Pagos p;
  QTest::keyClick(p.tabla, Qt::Key_3);
  p.otro->setFocus(Qt::MouseFocusReason);
  QVERIFY(!p.Abierto());
  QCOMPARE(p.Celda(1, 8), QStringLiteral("3.00"));
  QCOMPARE(p.totales, 1);
  QVERIFY(p.otro->hasFocus());
  QCOMPARE(p.tabla->currentRow(), 0);
}

// The window's check shows its own message box: the box taking the focus
// from the editor is no leaving, so each attempt gives one box, never a
// chain of them, and the editor gets the focus back.
void RejaTest::ElAvisoDelValidadorSaleUnaVezPorIntento() {
  Pagos p;
  int avisos = 0;
  p.metodos.Validador("Validar", [&](const std::string& t, int, int) {
    if (FormatoCelda::LeeNumero(t).value_or(-1) <= 100) return true;
    ++avisos;
    QMessageBox caja(QMessageBox::Warning, QStringLiteral("Alerta"), QStringLiteral("excede"), QMessageBox::Ok,
                     &p.ventana);
    QTimer::singleShot(0, &caja, &QMessageBox::accept);
    caja.exec();
    return false;
  });
  QTest::keyClick(p.tabla, Qt::Key_2);
  QTest::keyClicks(p.Texto(), QStringLiteral("00"));
  QTest::keyClick(p.Texto(), Qt::Key_Return);
  QCOMPARE(avisos, 1);
  QVERIFY(p.Abierto());
  // (The offscreen platform does not give the window back its activation
  // when a box closes; the focus it will have is what counts.)
  QCOMPARE(p.ventana.focusWidget(), p.Texto());
  Reactiva(p.ventana);
  p.otro->setFocus(Qt::MouseFocusReason);
  QTRY_COMPARE(p.ventana.focusWidget(), p.Texto());
  QCOMPARE(avisos, 2);
  QCOMPARE(p.Celda(1, 8), QStringLiteral("12.50"));
  // A check that fails (a lost connection) is said, and refuses.
  p.metodos.Validador("Validar", [](const std::string&, int, int) -> bool {
    throw std::runtime_error("Se perdió la conexión con el servidor");
  });
  Reactiva(p.ventana);
  QTest::keyClick(p.Texto(), Qt::Key_Return);
  QVERIFY(p.Abierto());
  QCOMPARE(p.op.preguntas, QStringList{QStringLiteral("Se perdió la conexión con el servidor | Error")});
  p.metodos.Validador("Validar", [](const std::string&, int, int) { return true; });
  QTest::keyClick(p.Texto(), Qt::Key_Backspace);
  QTest::keyClick(p.Texto(), Qt::Key_Return);
  QCOMPARE(avisos, 2);
  QCOMPARE(p.Celda(1, 8), QStringLiteral("20.00"));
}

void RejaTest::BorrarElUnicoRenglonDejaUnoEnBlanco() {
  Pagos p(1);
  QTest::keyClick(p.tabla, Qt::Key_Delete);
  QCOMPARE(p.op.preguntas, QStringList{QStringLiteral("¿Desea eliminar el renglón 1? | Borrar línea")});
  QCOMPARE(p.tabla->rowCount(), 1);
  QCOMPARE(p.Celda(1, 11), QStringLiteral("7"));
  p.op.respuesta = Botones::kRespSi;
  QTest::keyClick(p.tabla, Qt::Key_Delete);
  QCOMPARE(p.tabla->rowCount(), 1);
  QCOMPARE(p.Celda(1, 8), QString());
  QCOMPARE(p.Celda(1, 11), QString());
  // A blank row goes without a question, and one blank row stays.
  p.Ve(1, 8);
  QTest::keyClick(p.tabla, Qt::Key_Delete);
  QCOMPARE(p.op.preguntas.size(), 2);
  QCOMPARE(p.tabla->rowCount(), 1);
  // Insert adds nothing to this grid, but goes to the blank row.
  QTest::keyClick(p.tabla, Qt::Key_Insert);
  QCOMPARE(p.tabla->rowCount(), 1);
  QVERIFY(p.Abierto());
}

void RejaTest::MayusculasMascaraComboYMarca() {
  Ventana v(1);
  auto& g = v.reja->edicion();
  g.Numerar(true);
  g.AgregaColumna(1, TipoDeEditor::kTexto, "!", 4);
  g.AgregaColumna(2, TipoDeEditor::kMascara, "", 0, "dd/mmm/yyyy", "##/##/####");
  g.AgregaColumna(3, TipoDeEditor::kCombo, "", 0, "", "", {}, {},
                  [](ListaDeOpciones& l, int, int) { l.Agrega("Contado"), l.Agrega("Crédito"); });
  g.AgregaColumna(4, TipoDeEditor::kMarca, "1");
  v.Ve(1, 1);
  QTest::keyClick(v.tabla, Qt::Key_A);
  QCOMPARE(v.Texto()->text(), QStringLiteral("A"));
  QTest::keyClicks(v.Texto(), QStringLiteral("b\\c'de"));
  QCOMPARE(v.Texto()->text(), QStringLiteral("ABC\""));  // at most 4
  QCOMPARE(v.op.pitidos, 0);
  QTest::keyClick(v.Texto(), Qt::Key_Return);
  QCOMPARE(v.Celda(1, 1), QStringLiteral("ABC\""));
  QCOMPARE(v.Celda(1, 0), QStringLiteral("1"));
  // On to the masked date, open at once.
  auto* mascara = v.tabla->findChild<QLineEdit*>(QStringLiteral("mkeCelda"));
  QVERIFY(mascara && mascara->isVisible());
  QTest::keyClicks(mascara, QStringLiteral("31022026"));
  QTest::keyClick(mascara, Qt::Key_Return);
  QVERIFY(mascara->isVisible());
  mascara->clear();
  mascara->home(false);
  QTest::keyClicks(mascara, QStringLiteral("08122026"));
  QTest::keyClick(mascara, Qt::Key_Return);
  QCOMPARE(v.Celda(1, 2), QStringLiteral("08/dic/2026"));
  // The combo, filled by its call-back, its first item on a blank cell.
  auto* combo = v.tabla->findChild<QComboBox*>(QStringLiteral("cmbCelda"));
  QVERIFY(combo && combo->isVisible());
  QCOMPARE(combo->count(), 2);
  QCOMPARE(combo->currentText(), QStringLiteral("Contado"));
  QTest::keyClick(combo, Qt::Key_Down);
  QTest::keyClick(combo, Qt::Key_Return);
  QCOMPARE(v.Celda(1, 3), QStringLiteral("Crédito"));
  // The check mark: Enter marks a blank cell ("1"), Space clears it.
  QVERIFY(v.tabla->hasFocus());
  QCOMPARE(v.tabla->currentColumn(), 4);
  QTest::keyClick(v.tabla, Qt::Key_Return);
  QCOMPARE(v.Celda(1, 4), QString::fromUtf8(EdicionGrid::kMarcada));
  // Past the last cell a numbered row is added and its first cell edited.
  QCOMPARE(v.tabla->rowCount(), 2);
  QCOMPARE(v.Celda(2, 0), QStringLiteral("2"));
  QVERIFY(v.Abierto());
  QTest::keyClick(v.Texto(), Qt::Key_Escape);
  v.Ve(1, 4);
  QTest::keyClick(v.tabla, Qt::Key_Space);
  QCOMPARE(v.Celda(1, 4), QString::fromUtf8(EdicionGrid::kSinMarca));
}

}  // namespace travesa

QTEST_MAIN(travesa::RejaTest)
#include "RejaTest.moc"
