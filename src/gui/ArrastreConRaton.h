#pragma once
// Moving the mouse over a window (or over one of its controls that lets it)
// with the left button down drags the window. A button dragged this way is
// not clicked when the mouse is let go.
#include <QObject>
#include <QPoint>

class QWidget;

namespace travesa {

class ArrastreConRaton : public QObject {
  Q_OBJECT

 public:
  explicit ArrastreConRaton(QWidget* ventana);

  // Also drags when the mouse goes down on `control`.
  void Agrega(QWidget* control);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QWidget* ventana_;
  QPoint desdeEsquina_;
  QPoint inicio_;
  bool presionado_ = false;
  bool arrastrando_ = false;
};

}  // namespace travesa
