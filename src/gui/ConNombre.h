#pragma once
// A new control with its object name set: the name the rules and the tests
// know it by (txtConfig0, cmdGenerar...).
#include <QString>

namespace travesa {

template <typename W>
W* ConNombre(W* control, const QString& nombre) {
  control->setObjectName(nombre);
  return control;
}

template <typename W>
W* ConNombre(W* control, const char* nombre) {
  return ConNombre(control, QString::fromLatin1(nombre));
}

}  // namespace travesa
