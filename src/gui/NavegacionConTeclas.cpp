#include "gui/NavegacionConTeclas.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace travesa {
namespace {

constexpr const char* kConFlechas = "travesaConFlechas";
constexpr const char* kBoton = "travesaBoton";

bool EsEnter(int tecla) { return tecla == Qt::Key_Return || tecla == Qt::Key_Enter; }

void Mueve(QWidget* desde, bool adelante) {
  QWidget* ventana = desde->window();
  QWidget* siguiente = desde;
  // The next control that can take the focus, in tab order.
  do {
    siguiente = adelante ? siguiente->nextInFocusChain() : siguiente->previousInFocusChain();
  } while (siguiente != desde && !(siguiente->isVisible() && siguiente->isEnabled() &&
                                   (siguiente->focusPolicy() & Qt::TabFocus) && ventana->isAncestorOf(siguiente)));
  siguiente->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

}  // namespace

void NavegacionConTeclas::AvanzaConEnter(QWidget* control) { control->installEventFilter(this); }

void NavegacionConTeclas::PulsaConEnter(QWidget* boton) {
  boton->setProperty(kBoton, true);
  boton->installEventFilter(this);
}

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
  const auto* teclazo = static_cast<QKeyEvent*>(evento);
  const int tecla = teclazo->key();
  if (EsEnter(tecla) && control->property(kBoton).toBool()) {
    if (auto* boton = qobject_cast<QAbstractButton*>(control)) boton->click();
    return true;
  }
  if (EsEnter(tecla)) {
    Mueve(control, true);
    return true;
  }
  if (!control->property(kConFlechas).toBool()) return false;
  // A command's Alt shortcut never reaches here; any other Alt+letter would
  // otherwise be typed into the field.
  if ((teclazo->modifiers() & Qt::AltModifier) && !(teclazo->modifiers() & Qt::ControlModifier) &&
      !teclazo->text().isEmpty())
    return true;
  if (tecla != Qt::Key_Down && tecla != Qt::Key_Up) return false;
  Mueve(control, tecla == Qt::Key_Down);
  return true;
}

}  // namespace travesa
