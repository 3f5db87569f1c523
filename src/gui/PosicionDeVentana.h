#pragma once
// GuardaPosicion and LeePosicion for a Qt window: the section is the window's
// "Tag" property when it has one, otherwise its object name. A place that
// cannot be read or saved is told in the warnings log and is no reason to
// keep a window from opening or closing.
#include <filesystem>

class QWidget;

namespace travesa {

class PosicionDeVentana {
 public:
  static void GuardaPosicion(const QWidget& ventana, const std::filesystem::path& ini, bool conTamano);
  static void LeePosicion(QWidget& ventana, const std::filesystem::path& ini, bool conTamano);
};

}  // namespace travesa
