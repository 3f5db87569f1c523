#include "gui/ValidadorDeClaves.h"

namespace travesa {

QString ValidadorDeClaves::Clave(const QString& texto) const {
  for (const QString& c : claves_)
    if (c.compare(texto, Qt::CaseInsensitive) == 0) return c;
  return {};
}

QValidator::State ValidadorDeClaves::validate(QString& texto, int& posicion) const {
  (void)posicion;
  if (texto.isEmpty()) return Acceptable;
  const QString exacta = Clave(texto);
  if (!exacta.isEmpty()) {
    texto = exacta;
    return Acceptable;
  }
  for (const QString& c : claves_) {
    if (!c.startsWith(texto, Qt::CaseInsensitive)) continue;
    texto = c.left(texto.size());
    return Intermediate;
  }
  return Invalid;
}

}  // namespace travesa
