#pragma once
// A rule of the core applied to a text field when the focus leaves it: the
// field takes the text the rule gives back.
#include <QObject>
#include <functional>
#include <string>
#include <string_view>

class QLineEdit;

namespace travesa {

class ReglaAlSalir : public QObject {
  Q_OBJECT

 public:
  using Regla = std::function<std::string(std::string_view)>;

  static void Aplica(QLineEdit* campo, Regla regla);
  // The rule applied now, as when the field is left.
  static void Ejecuta(QLineEdit* campo, const Regla& regla);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  ReglaAlSalir(QLineEdit* campo, Regla regla);

  QLineEdit* campo_;
  Regla regla_;
};

}  // namespace travesa
