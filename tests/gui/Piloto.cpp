#include "Piloto.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace travesa::prueba {
namespace {

constexpr const char* kAtendida = "pilotoAtendida";
constexpr int kCadaMs = 10;

// The main window's pages are disabled while a job runs.
bool VentanaOcupada() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() != QStringLiteral("frmInicial")) continue;
    const QWidget* paginas = w->findChild<QWidget*>(QStringLiteral("stbTabs"));
    return paginas != nullptr && !paginas->isEnabled();
  }
  return false;
}

}  // namespace

Piloto::Piloto() {
  connect(&reloj_, &QTimer::timeout, this, &Piloto::Revisa);
  reloj_.start(kCadaMs);
}

Piloto::AccionDeEntrada Piloto::Teclea(const QString& usuario, const QString& codigo, bool conEnter) {
  return [usuario, codigo, conEnter](QDialog& ventana) {
    auto* txtUsuario = ventana.findChild<QLineEdit*>(QStringLiteral("txtDato0"));
    auto* txtCodigo = ventana.findChild<QLineEdit*>(QStringLiteral("txtDato1"));
    txtUsuario->clear();
    txtCodigo->clear();
    QTest::keyClicks(txtUsuario, usuario);
    QTest::keyClicks(txtCodigo, codigo);
    if (conEnter) {
      QTest::keyClick(txtCodigo, Qt::Key_Return);
      return;
    }
    ventana.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
  };
}

void Piloto::Revisa() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible() || modal->property(kAtendida).toBool()) return;
  modal->setProperty(kAtendida, true);
  if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
    AtiendeCaja(*caja);
    return;
  }
  if (modal->objectName() == QStringLiteral("frmEntrada")) AtiendeEntrada(*qobject_cast<QDialog*>(modal));
}

void Piloto::AtiendeCaja(QMessageBox& caja) {
  const bool pregunta = caja.button(QMessageBox::Yes) != nullptr;
  cajas.append({caja.windowTitle(), caja.text(), caja.icon(),
                pregunta && caja.defaultButton() == caja.button(QMessageBox::No), VentanaOcupada(),
                caja.frameGeometry()});
  QMessageBox::StandardButton respuesta = QMessageBox::Ok;
  if (pregunta) {
    respuesta = QMessageBox::No;
    if (!respuestas.empty()) {
      respuesta = respuestas.front();
      respuestas.pop_front();
    }
  }
  QAbstractButton* boton = caja.button(respuesta);
  if (boton == nullptr) boton = caja.buttons().first();
  boton->click();
}

void Piloto::AtiendeEntrada(QDialog& ventana) {
  mostradas.append({ventana.findChild<QLineEdit*>(QStringLiteral("txtDato0"))->text(),
                    ventana.findChild<QLineEdit*>(QStringLiteral("txtDato1"))->text()});
  if (entradas.empty()) {
    ventana.findChild<QPushButton*>(QStringLiteral("cmdCancelar"))->click();
    return;
  }
  const AccionDeEntrada accion = entradas.front();
  entradas.pop_front();
  accion(ventana);
  // A step that left the window open gets the next one (or Cerrar) at the next
  // look, so a test fails instead of waiting forever on the login.
  if (ventana.isVisible()) ventana.setProperty(kAtendida, false);
}

}  // namespace travesa::prueba
