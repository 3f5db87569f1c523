#pragma once
// The main window's own minimise: the window shrinks to a bar near the bottom
// left of the screen that shows its caption; clicking the bar gives back the
// exact former width, height, left and top, which the bar keeps meanwhile in
// its "Tag" property.
class QPushButton;
class QWidget;

namespace travesa {

class Encogimiento {
 public:
  // `contenido` is everything of the window but the bar.
  static void EncogerVentana(QWidget& ventana, QWidget& contenido, QPushButton& barra);
  static void RestaurarVentana(QWidget& ventana, QWidget& contenido, QPushButton& barra);
};

}  // namespace travesa
