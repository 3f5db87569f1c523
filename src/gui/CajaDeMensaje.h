#pragma once
// The program's message box: the standard button and icon flags in, the
// standard answer codes out (1 Aceptar, 2 Cancelar, 6 Sí, 7 No...).
#include <string_view>

class QWidget;

namespace travesa {

class CajaDeMensaje {
 public:
  // Modal over `padre` (or over the whole program without one). 0 when the
  // box was closed without one of its buttons.
  static int Muestra(QWidget* padre, std::string_view texto, int botones, std::string_view titulo);
};

}  // namespace travesa
