#pragma once
// The strip at the top of the main window, which is the window's only frame
// (it has none of the system's): the logo that opens the menu of general
// options, the caption (dragging it moves the window), and the window's own
// minimise and close.
#include <QWidget>

class QLabel;
class QToolButton;

namespace travesa {

class EncabezadoVentana : public QWidget {
  Q_OBJECT

 public:
  explicit EncabezadoVentana(QWidget* padre);

  void setTitulo(const QString& titulo);
  // Where the menu of the logo opens.
  QPoint BajoElLogo() const;

 signals:
  void Logo();
  void Minimizar();
  void Cerrar();

 private:
  QToolButton* imgLogoVentana_;
  QLabel* titulo_;
  QToolButton* minimizarVentana_;
  QToolButton* cerrarVentana_;
};

}  // namespace travesa
