#pragma once
// The keyboard of the program's forms: Enter moves to the next control (and
// is swallowed) or presses a button, the up and down arrows move between text
// fields, a text field that takes the focus has its whole text selected, and
// Alt with a letter that is no command's shortcut types nothing.
#include <QObject>

class QWidget;

namespace travesa {

class NavegacionConTeclas : public QObject {
  Q_OBJECT

 public:
  explicit NavegacionConTeclas(QObject* padre) : QObject(padre) {}

  // Enter moves on from `control`.
  void AvanzaConEnter(QWidget* control);
  // Enter moves on, the arrows move, the text is selected on entering.
  void CampoDeTexto(QWidget* campo);
  // Enter presses the button, as Space does.
  void PulsaConEnter(QWidget* boton);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
};

}  // namespace travesa
