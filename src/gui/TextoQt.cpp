#include "gui/TextoQt.h"

namespace travesa::textoqt {

QString AQt(std::string_view texto) {
  QString s = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

std::string DeQt(const QString& texto) { return texto.toStdString(); }

}  // namespace travesa::textoqt
