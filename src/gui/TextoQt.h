#pragma once
// Texts between the core (UTF-8 std::string, "\r" and "\r\n" line breaks) and
// Qt (QString, "\n").
#include <QString>
#include <string>
#include <string_view>

namespace travesa::textoqt {

QString AQt(std::string_view texto);
std::string DeQt(const QString& texto);

}  // namespace travesa::textoqt
