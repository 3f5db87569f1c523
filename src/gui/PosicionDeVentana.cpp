#include "gui/PosicionDeVentana.h"

#include <QWidget>

#include "gui/TextoQt.h"
#include "shell/PosicionVentana.h"
#include "shell/host/Bitacora.h"

namespace travesa {
namespace {

std::string SeccionDe(const QWidget& ventana) {
  return PosicionVentana::Seccion(textoqt::DeQt(ventana.property("Tag").toString()),
                                  textoqt::DeQt(ventana.objectName()));
}

}  // namespace

void PosicionDeVentana::GuardaPosicion(const QWidget& ventana, const std::filesystem::path& ini, bool conTamano) {
  const Geometria g{ventana.x(), ventana.y(), ventana.width(), ventana.height()};
  try {
    PosicionVentana::GuardaPosicion(ini, SeccionDe(ventana), textoqt::DeQt(ventana.windowTitle()), g, conTamano);
  } catch (const std::exception& e) {
    Bitacora::Advierte(e.what());
  }
}

void PosicionDeVentana::LeePosicion(QWidget& ventana, const std::filesystem::path& ini, bool conTamano) {
  PosicionLeida p;
  try {
    p = PosicionVentana::LeePosicion(ini, SeccionDe(ventana), conTamano);
  } catch (const std::exception& e) {
    Bitacora::Advierte(e.what());
    return;
  }
  ventana.move(p.izquierda.value_or(ventana.x()), p.arriba.value_or(ventana.y()));
  if (p.ancho && p.alto) ventana.resize(*p.ancho, *p.alto);
}

}  // namespace travesa
