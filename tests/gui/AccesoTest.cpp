// Start-up and the login of the desktop program: the retry loop, refusal,
// the command buttons that the rights show, and a wrong installation folder.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "Escena.h"
#include "comun/Instalacion.h"
#include "gui/Escritorio.h"
#include "gui/frmEntrada.h"
#include "shell/host/libNalda.h"

namespace travesa {

using prueba::Escena;
using prueba::Piloto;

class AccesoTest : public QObject {
  Q_OBJECT

 private slots:
  void ReintentaConLoTecleadoYCerrarTermina();
  void CamposVaciosPitanYEnterEnElCodigoAcepta();
  void SinElDerechoDeEntrarSePuedeEntrarComoOtro();
  void LosDerechosDecidenLosComandos();
  void InstalacionIncorrectaNoAbreLaVentana();
};

void AccesoTest::ReintentaConLoTecleadoYCerrarTermina() {
  Escena e;
  e.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("admin"), QStringLiteral("mal")));
  e.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("Admin"), QStringLiteral("admin")));
  // Nothing more scripted: the third time the operator presses Cerrar.
  QVERIFY(!e.Abre());
  QCOMPARE(e.piloto().mostradas.size(), 3);
  QCOMPARE(e.piloto().mostradas[0], qMakePair(QString(), QString()));
  QCOMPARE(e.piloto().mostradas[1], qMakePair(QStringLiteral("admin"), QStringLiteral("mal")));
  // Letter case counts.
  QCOMPARE(e.piloto().mostradas[2], qMakePair(QStringLiteral("Admin"), QStringLiteral("admin")));
  QCOMPARE(e.piloto().cajas.size(), 2);
  for (const Piloto::Caja& c : e.piloto().cajas) {
    QCOMPARE(c.titulo, QStringLiteral("Error"));
    QCOMPARE(c.texto, QStringLiteral("Usuario incorrecto o inexistente"));
    QCOMPARE(c.icono, QMessageBox::Critical);
  }
}

void AccesoTest::CamposVaciosPitanYEnterEnElCodigoAcepta() {
  Escena e;
  bool seguiaAbierta = false;
  int pitidos = 0;
  e.piloto().entradas.push_back([&](QDialog& ventana) {
    auto* usuario = ventana.findChild<QLineEdit*>(QStringLiteral("txtDato0"));
    auto* codigo = ventana.findChild<QLineEdit*>(QStringLiteral("txtDato1"));
    QCOMPARE(usuario->maxLength(), 10);
    QCOMPARE(codigo->maxLength(), 10);
    QCOMPARE(codigo->echoMode(), QLineEdit::Password);
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Acceso al programa"));
    QSignalSpy vacios(qobject_cast<frmEntrada*>(&ventana), &frmEntrada::CamposVacios);
    QTest::keyClicks(usuario, QStringLiteral("   "));
    ventana.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
    pitidos = static_cast<int>(vacios.count());
    seguiaAbierta = ventana.isVisible();
    // Surrounding blanks go; Enter in the user field moves on, in the code it accepts.
    // The login's own focus (the main window behind it may hold the
    // application's focus for a moment at start).
    usuario->setFocus();
    QTest::keyClicks(usuario, QStringLiteral(" admin "));
    QTest::keyClick(usuario, Qt::Key_Return);
    QCOMPARE(ventana.focusWidget(), codigo);
    QTest::keyClicks(codigo, QStringLiteral("admin"));
    QTest::keyClick(codigo, Qt::Key_Return);
  });
  QVERIFY(e.Abre());
  QCOMPARE(pitidos, 1);
  QVERIFY(seguiaAbierta);
  QVERIFY(e.piloto().cajas.isEmpty());
  QCOMPARE(e.ventana().windowTitle(), QStringLiteral("Travesa   v 6.19.0"));
}

// A user without the right to enter is told so, and the login asks again: the
// operator may enter as another user, or close.
void AccesoTest::SinElDerechoDeEntrarSePuedeEntrarComoOtro() {
  {
    Escena e;
    e.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("consulta"), QStringLiteral("0000")));
    QVERIFY(!e.Abre());
    QCOMPARE(e.piloto().cajas.size(), 1);
    QCOMPARE(e.piloto().cajas[0].titulo, QStringLiteral("Alerta"));
    QCOMPARE(e.piloto().cajas[0].texto,
             QStringLiteral("Sus atributos como usuario no le permiten entrar a este programa"));
    // Asked again, and closed.
    QCOMPARE(e.piloto().mostradas.size(), 2);
  }
  Escena e;
  e.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("consulta"), QStringLiteral("0000")));
  e.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("admin"), QStringLiteral("admin")));
  QVERIFY(e.Abre());
  QCOMPARE(e.piloto().cajas.size(), 1);
  QVERIFY(e.Busca<QPushButton>("cmdGenerar")->isVisibleTo(&e.ventana()));
}

void AccesoTest::LosDerechosDecidenLosComandos() {
  {
    Escena e;
    e.inst().AgregaUsuario(10, "genera", "551", std::string(549, 'N') + "SS");
    e.piloto().entradas.push_back(Piloto::Teclea(QStringLiteral("genera"), QStringLiteral("551")));
    QVERIFY(e.Abre());
    QVERIFY(e.Busca<QPushButton>("cmdGenerar")->isVisibleTo(&e.ventana()));
    for (const char* oculto : {"cmdConfigurar", "cmdLeer", "cmdPagos", "cmdBorrar"})
      QVERIFY2(!e.Busca<QPushButton>(oculto)->isVisibleTo(&e.ventana()), oculto);
  }
  Escena e;
  // "Conectado con WMS" only once someone logged in.
  bool conectadoAntes = true;
  e.piloto().entradas.push_back([&](QDialog& ventana) {
    conectadoAntes = e.Busca<QLabel>("lblWMS")->isVisibleTo(&e.ventana());
    Piloto::Teclea(QStringLiteral("admin"), QStringLiteral("admin"))(ventana);
  });
  QVERIFY(e.Abre());
  QVERIFY(!conectadoAntes);
  QVERIFY(e.Busca<QLabel>("lblWMS")->isVisibleTo(&e.ventana()));
  QVERIFY(e.Busca<QPushButton>("cmdGenerar")->isVisibleTo(&e.ventana()));
  QVERIFY(e.Busca<QPushButton>("cmdConfigurar")->isVisibleTo(&e.ventana()));
  // The server and the database, one under the other; the last upload never
  // done; the sellers with their names, "(todos)" first; the seller's name.
  const BasesDD& bd = e.programa().bd();
  QCOMPARE(e.Busca<QLabel>("lblMuestra")->text(),
           QString::fromStdString("Servidor: " + bd.cRuta + "\nBase de datos: " + bd.cMiBase));
  QCOMPARE(e.Busca<QLabel>("lblUltSubida")->text(),
           QStringLiteral("Última vez que se subieron archivos: No se han subido los archivos."));
  QCOMPARE(e.Busca<QLabel>("lblWMS")->text(), QStringLiteral("Conectado con WMS"));
  QVERIFY(!e.Busca<QLabel>("lblActProgramada")->isVisibleTo(&e.ventana()));
  QVERIFY(!e.Busca<QLabel>("lblAviso")->isVisibleTo(&e.ventana()));
  auto* vendedores = e.Busca<QComboBox>("dtcVendedores");
  QCOMPARE(vendedores->count(), 5);
  QCOMPARE(vendedores->itemText(0), QStringLiteral("(todos)"));
  QCOMPARE(vendedores->currentIndex(), 0);
  vendedores->setCurrentIndex(vendedores->findData(QStringLiteral("V02")));
  QCOMPARE(vendedores->currentText(), QStringLiteral("V02 — María Guadalupe Torres Salinas"));
  QCOMPARE(e.Busca<QLabel>("lblEtiq1")->text(), QStringLiteral("María Guadalupe Torres Salinas"));
  vendedores->setCurrentIndex(0);
  QCOMPARE(e.Busca<QLabel>("lblEtiq1")->text(), QString());
}

void AccesoTest::InstalacionIncorrectaNoAbreLaVentana() {
  prueba::Instalacion inst(false);
  libNalda::EscribeIni("Configuración", "Ruta de Norvento", "/no/existe/norvento", inst.ini());
  Piloto piloto;
  qputenv("TRAVESA_CARPETA", QByteArray::fromStdString(inst.programa().string()));
  char nombre[] = "travesa";
  char* argv[] = {nombre, nullptr};
  const int estado = Escritorio::Ejecuta(1, argv);
  qunsetenv("TRAVESA_CARPETA");
  QCOMPARE(estado, 4);
  QCOMPARE(piloto.cajas.size(), 2);
  QCOMPARE(piloto.cajas[0].titulo, QStringLiteral("Atención"));
  QCOMPARE(piloto.cajas[0].texto,
           QString::fromStdString("En el archivo de configuración de este programa\n\n(" + inst.ini().string() +
                                  ")\n\ndebe indicarse la ruta correcta de Norvento.\nRuta indicada e incorrecta: "
                                  "\n\n/no/existe/norvento"));
  QCOMPARE(piloto.cajas[1].titulo, QStringLiteral("Editar INI"));
  QCOMPARE(piloto.cajas[1].texto, QStringLiteral("¿Desea editar el archivo de configuración?"));
  for (QWidget* w : QApplication::topLevelWidgets())
    QVERIFY(w->objectName() != QStringLiteral("frmInicial") || !w->isVisible());
}

}  // namespace travesa

QTEST_MAIN(travesa::AccesoTest)
#include "AccesoTest.moc"
