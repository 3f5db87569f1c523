#include "gui/EncabezadoVentana.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace travesa {
namespace {

constexpr int kLadoDelLogo = 36;
// The window's own controls keep one size, so they sit at the same place from
// the top right corner whatever the caption.
constexpr int kAnchoDeControl = 40;
constexpr int kAltoDeControl = 32;
constexpr const char* kFondo = "#1f4e79";
constexpr const char* kEstilo =
    "travesa--EncabezadoVentana { background: #1f4e79; }"
    "QLabel { color: white; font-size: 15px; font-weight: bold; }"
    "QToolButton { color: white; border: none; font-size: 15px; padding: 2px 8px; }"
    "QToolButton:hover { background: #2e6da4; }";

// The logo: a rounded square with the program's initial.
QIcon DibujaLogo() {
  QPixmap imagen(kLadoDelLogo, kLadoDelLogo);
  imagen.fill(Qt::transparent);
  QPainter p(&imagen);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(QStringLiteral("#f2a900")));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(imagen.rect().adjusted(2, 2, -2, -2), 7, 7);
  QFont letra = p.font();
  letra.setBold(true);
  letra.setPixelSize(22);
  p.setFont(letra);
  p.setPen(QColor(QString::fromLatin1(kFondo)));
  p.drawText(imagen.rect(), Qt::AlignCenter, QStringLiteral("T"));
  return QIcon(imagen);
}

QToolButton* Control(const QString& texto, const char* nombre, const QString& ayuda, QWidget* padre) {
  auto* b = new QToolButton(padre);
  b->setObjectName(QString::fromLatin1(nombre));
  b->setText(texto);
  b->setToolTip(ayuda);
  b->setFocusPolicy(Qt::NoFocus);
  b->setFixedSize(kAnchoDeControl, kAltoDeControl);
  return b;
}

}  // namespace

EncabezadoVentana::EncabezadoVentana(QWidget* padre)
    : QWidget(padre),
      imgLogoVentana_(Control({}, "imgLogoVentana", QStringLiteral("Menú de opciones generales"), this)),
      titulo_(new QLabel(this)),
      minimizarVentana_(Control(QStringLiteral("_"), "MinimizarVentana", QStringLiteral("Minimizar"), this)),
      cerrarVentana_(Control(QStringLiteral("✕"), "CerrarVentana", QStringLiteral("Cerrar"), this)) {
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(QString::fromLatin1(kEstilo));
  imgLogoVentana_->setIcon(DibujaLogo());
  imgLogoVentana_->setIconSize(QSize(kLadoDelLogo, kLadoDelLogo));
  imgLogoVentana_->setFixedSize(kLadoDelLogo + 8, kLadoDelLogo + 4);
  titulo_->setObjectName(QStringLiteral("lblTitulo"));
  auto* fila = new QHBoxLayout(this);
  fila->setContentsMargins(6, 4, 6, 4);
  fila->setSpacing(0);
  fila->addWidget(imgLogoVentana_);
  fila->addSpacing(12);
  fila->addWidget(titulo_, 1);
  fila->addWidget(minimizarVentana_);
  fila->addWidget(cerrarVentana_);
  connect(imgLogoVentana_, &QToolButton::clicked, this, &EncabezadoVentana::Logo);
  connect(minimizarVentana_, &QToolButton::clicked, this, &EncabezadoVentana::Minimizar);
  connect(cerrarVentana_, &QToolButton::clicked, this, &EncabezadoVentana::Cerrar);
}

void EncabezadoVentana::setTitulo(const QString& titulo) { titulo_->setText(titulo); }

QPoint EncabezadoVentana::BajoElLogo() const {
  return imgLogoVentana_->mapToGlobal(imgLogoVentana_->rect().bottomLeft());
}

}  // namespace travesa
