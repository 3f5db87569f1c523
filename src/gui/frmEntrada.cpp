#include "gui/frmEntrada.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/NavegacionConTeclas.h"

namespace travesa {
namespace {

constexpr int kLargoMaximo = 10;
constexpr const char* kCaracterDeMascara = "QLineEdit { lineedit-password-character: 42; }";  // "*"

QLineEdit* Campo(const char* nombre, QWidget* padre) {
  auto* campo = new QLineEdit(padre);
  campo->setObjectName(QString::fromLatin1(nombre));
  campo->setMaxLength(kLargoMaximo);
  return campo;
}

QPushButton* Boton(const QString& texto, const char* nombre, QWidget* padre) {
  auto* boton = new QPushButton(texto, padre);
  boton->setObjectName(QString::fromLatin1(nombre));
  // Enter belongs to the fields, never to a default button.
  boton->setAutoDefault(false);
  return boton;
}

}  // namespace

frmEntrada::frmEntrada(QWidget* padre)
    : QDialog(padre),
      txtDato0_(Campo("txtDato0", this)),
      txtDato1_(Campo("txtDato1", this)),
      cmdAceptar_(Boton(QStringLiteral("&Aceptar"), "cmdAceptar", this)),
      cmdCancelar_(Boton(QStringLiteral("&Cerrar"), "cmdCancelar", this)) {
  setObjectName(QStringLiteral("frmEntrada"));
  setWindowTitle(QStringLiteral("Acceso al programa"));
  setModal(true);
  txtDato1_->setEchoMode(QLineEdit::Password);
  txtDato1_->setStyleSheet(QString::fromLatin1(kCaracterDeMascara));

  auto* campos = new QFormLayout;
  campos->addRow(QStringLiteral("Usuario:"), txtDato0_);
  campos->addRow(QStringLiteral("Código de acceso:"), txtDato1_);
  auto* botones = new QHBoxLayout;
  botones->addStretch();
  botones->addWidget(cmdAceptar_);
  botones->addWidget(cmdCancelar_);
  auto* todo = new QVBoxLayout(this);
  todo->addLayout(campos);
  todo->addLayout(botones);

  auto* teclas = new NavegacionConTeclas(this);
  teclas->CampoDeTexto(txtDato0_);
  teclas->CampoDeTexto(txtDato1_);
  // Installed after the keyboard filter, so it sees Enter in the code first.
  txtDato1_->installEventFilter(this);
  connect(cmdAceptar_, &QPushButton::clicked, this, &frmEntrada::Aceptar);
  connect(cmdCancelar_, &QPushButton::clicked, this, &frmEntrada::Cerrar);
}

void frmEntrada::setUsuario(const QString& usuario) { txtDato0_->setText(usuario); }
void frmEntrada::setCodigo(const QString& codigo) { txtDato1_->setText(codigo); }
QString frmEntrada::Usuario() const { return txtDato0_->text(); }
QString frmEntrada::Codigo() const { return txtDato1_->text(); }

void frmEntrada::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (activada_) return;
  activada_ = true;
  txtDato0_->setFocus(Qt::OtherFocusReason);
}

bool frmEntrada::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto != txtDato1_ || evento->type() != QEvent::KeyPress) return QDialog::eventFilter(objeto, evento);
  const int tecla = static_cast<QKeyEvent*>(evento)->key();
  if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
  Aceptar();
  return true;
}

void frmEntrada::Aceptar() {
  txtDato0_->setText(txtDato0_->text().trimmed());
  txtDato1_->setText(txtDato1_->text().trimmed());
  if (txtDato0_->text().isEmpty() && txtDato1_->text().isEmpty()) {
    QApplication::beep();
    txtDato0_->setFocus(Qt::OtherFocusReason);
    emit CamposVacios();
    return;
  }
  blCancelado_ = false;
  accept();
}

void frmEntrada::Cerrar() {
  blCancelado_ = true;
  QDialog::reject();
}

void frmEntrada::reject() { Cerrar(); }

}  // namespace travesa
