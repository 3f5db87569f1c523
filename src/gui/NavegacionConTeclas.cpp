#include "gui/NavegacionConTeclas.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace travesa {
namespace {

constexpr const char* kConFlechas = "travesaConFlechas";

bool EsEnter(int tecla) { return tecla == Qt::Key_Return || tecla == Qt::Key_Enter; }

void Mueve(QWidget* desde, bool adelante) {
  QWidget* ventana = desde->window();
  QWidget* siguiente = desde;
  // The next control that can take the focus, in tab order.
  do {
    siguiente = adelante ? siguiente->nextInFocusChain() : siguiente->previousInFocusChain();
  } while (siguiente != desde &&
           !(siguiente->isVisible() && siguiente->isEnabled() && (siguiente->focusPolicy() & Qt::TabFocus) &&
             ventana->isAncestorOf(siguiente)));
  siguiente->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

}  // namespace

void NavegacionConTeclas::AvanzaConEnter(QWidget* control) { control->installEventFilter(this); }

void NavegacionConTeclas::CampoDeTexto(QWidget* campo) {
  campo->setProperty(kConFlechas, true);
  campo->installEventFilter(this);
}

bool NavegacionConTeclas::eventFilter(QObject* objeto, QEvent* evento) {
  auto* control = qobject_cast<QWidget*>(objeto);
  if (control == nullptr) return false;
  if (evento->type() == QEvent::FocusIn) {
    // Selected after the click that brought the focus has placed the cursor.
    if (auto* campo = qobject_cast<QLineEdit*>(control)) QTimer::singleShot(0, campo, &QLineEdit::selectAll);
    return false;
  }
  if (evento->type() != QEvent::KeyPress) return false;
  const int tecla = static_cast<QKeyEvent*>(evento)->key();
  if (EsEnter(tecla)) {
    Mueve(control, true);
    return true;
  }
  if (!control->property(kConFlechas).toBool()) return false;
  if (tecla != Qt::Key_Down && tecla != Qt::Key_Up) return false;
  Mueve(control, tecla == Qt::Key_Down);
  return true;
}

}  // namespace travesa
