#pragma once
// A field that takes only keys of a list: what is typed must begin one of them
// (letter case aside, written as the list writes it), so an unknown code
// cannot be entered; empty is allowed.
#include <QStringList>
#include <QValidator>

namespace travesa {

class ValidadorDeClaves : public QValidator {
  Q_OBJECT

 public:
  explicit ValidadorDeClaves(QObject* padre) : QValidator(padre) {}

  void setClaves(QStringList claves) { claves_ = std::move(claves); }
  // The key of the list equal to `texto` ignoring case; empty when none is.
  QString Clave(const QString& texto) const;

  State validate(QString& texto, int& posicion) const override;

 private:
  QStringList claves_;
};

}  // namespace travesa
