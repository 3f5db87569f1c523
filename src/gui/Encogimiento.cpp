#include "gui/Encogimiento.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "gui/TextoQt.h"
#include "shell/PosicionVentana.h"

namespace travesa {
namespace {

constexpr const char* kTag = "Tag";
constexpr const char* kBlancos = "   ";

int AltoDePantalla(const QWidget& ventana) {
  const QScreen* pantalla = ventana.screen();
  return pantalla != nullptr ? pantalla->geometry().height() : 768;
}

}  // namespace

void Encogimiento::EncogerVentana(QWidget& ventana, QWidget& contenido, QPushButton& barra) {
  const Geometria antes{ventana.x(), ventana.y(), ventana.width(), ventana.height()};
  barra.setProperty(kTag, textoqt::AQt(PosicionVentana::TextoRestauracion(antes)));
  barra.setText(QString::fromLatin1(kBlancos) + ventana.windowTitle());
  contenido.hide();
  barra.show();
  const int anchoTitulo = barra.fontMetrics().horizontalAdvance(barra.text());
  const Geometria g = PosicionVentana::Encogida(AltoDePantalla(ventana), barra.sizeHint().height(), anchoTitulo);
  ventana.setMinimumSize(0, 0);
  ventana.resize(g.ancho, g.alto);
  ventana.move(g.izquierda, g.arriba);
}

void Encogimiento::RestaurarVentana(QWidget& ventana, QWidget& contenido, QPushButton& barra) {
  barra.hide();
  contenido.show();
  const auto g = PosicionVentana::LeeTextoRestauracion(textoqt::DeQt(barra.property(kTag).toString()));
  if (!g) return;
  ventana.resize(g->ancho, g->alto);
  ventana.move(g->izquierda, g->arriba);
}

}  // namespace travesa
