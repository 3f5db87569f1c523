#include "gui/ReglaAlSalir.h"

#include <QFocusEvent>
#include <QLineEdit>

#include "gui/TextoQt.h"

namespace travesa {

ReglaAlSalir::ReglaAlSalir(QLineEdit* campo, Regla regla) : QObject(campo), campo_(campo), regla_(std::move(regla)) {
  campo->installEventFilter(this);
}

void ReglaAlSalir::Aplica(QLineEdit* campo, Regla regla) { new ReglaAlSalir(campo, std::move(regla)); }

void ReglaAlSalir::Ejecuta(QLineEdit* campo, const Regla& regla) {
  const QString nuevo = textoqt::AQt(regla(textoqt::DeQt(campo->text())));
  if (nuevo != campo->text()) campo->setText(nuevo);
}

bool ReglaAlSalir::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto != campo_ || evento->type() != QEvent::FocusOut) return false;
  // Another window coming to the front does not leave the field.
  const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
  if (razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason) return false;
  Ejecuta(campo_, regla_);
  return false;
}

}  // namespace travesa
