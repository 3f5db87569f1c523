#include "gui/AvanceDelTrabajo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ConNombre.h"

namespace travesa {
namespace {

constexpr int kEscalaDeBarra = 1000;
constexpr int kAnchoDeLaBarra = 160;

}  // namespace

AvanceDelTrabajo::AvanceDelTrabajo(QWidget* padre)
    : QWidget(padre),
      lblTrabajo_(ConNombre(new QLabel(this), "lblTrabajo")),
      lblAviso_(ConNombre(new QLabel(this), "lblAviso")),
      barAviso_(ConNombre(new QProgressBar(this), "barAviso")),
      cmdCancelar_(ConNombre(new QPushButton(QStringLiteral("&Cancelar"), this), "cmdCancelar")) {
  setObjectName(QStringLiteral("AvanceDelTrabajo"));
  lblTrabajo_->setStyleSheet(QStringLiteral("font-weight: bold;"));
  lblAviso_->setWordWrap(false);
  lblAviso_->setMinimumWidth(1);
  barAviso_->setRange(0, kEscalaDeBarra);
  barAviso_->setTextVisible(false);
  barAviso_->setFixedWidth(kAnchoDeLaBarra);
  cmdCancelar_->setAutoDefault(false);
  auto* textos = new QVBoxLayout;
  textos->setContentsMargins(0, 0, 0, 0);
  textos->setSpacing(2);
  textos->addWidget(lblTrabajo_);
  textos->addWidget(lblAviso_);
  auto* fila = new QHBoxLayout(this);
  fila->setContentsMargins(0, 0, 0, 0);
  fila->addLayout(textos, 1);
  fila->addWidget(barAviso_);
  fila->addWidget(cmdCancelar_);
  connect(cmdCancelar_, &QPushButton::clicked, this, &AvanceDelTrabajo::Cancelar);
  Termina();
}

void AvanceDelTrabajo::Inicia(const QString& titulo) {
  lblTrabajo_->setText(titulo);
  lblAviso_->clear();
  lblAviso_->hide();
  barAviso_->setValue(0);
  barAviso_->hide();
  cmdCancelar_->setEnabled(true);
  cancelando_ = false;
  show();
}

void AvanceDelTrabajo::setAviso(const QString& texto) {
  // What the job still says after «Cancelar» (queued) or after it ended is late.
  if (isHidden() || cancelando_) return;
  lblAviso_->setText(texto);
  lblAviso_->setVisible(!texto.isEmpty());
}

void AvanceDelTrabajo::setProgreso(qint64 actual, qint64 total) {
  if (isHidden() || total <= 0 || actual > total) return;
  barAviso_->setValue(static_cast<int>(actual * kEscalaDeBarra / total));
  barAviso_->show();
}

void AvanceDelTrabajo::Cancelando() {
  cancelando_ = true;
  cmdCancelar_->setEnabled(false);
  lblAviso_->setText(QStringLiteral("Cancelando…"));
  lblAviso_->show();
}

void AvanceDelTrabajo::Termina() {
  lblTrabajo_->clear();
  lblAviso_->clear();
  lblAviso_->hide();
  barAviso_->hide();
  hide();
}

}  // namespace travesa
