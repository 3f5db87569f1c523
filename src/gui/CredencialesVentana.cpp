#include "gui/CredencialesVentana.h"

#include "gui/TextoQt.h"
#include "gui/frmEntrada.h"

namespace travesa {

std::optional<Credenciales> CredencialesVentana::Pide(const Credenciales& recordadas) {
  frmEntrada ventana(padre_);
  ventana.setUsuario(textoqt::AQt(recordadas.usuario));
  ventana.setCodigo(textoqt::AQt(recordadas.codigo));
  ventana.exec();
  if (ventana.blCancelado()) return std::nullopt;
  return Credenciales{textoqt::DeQt(ventana.Usuario()), textoqt::DeQt(ventana.Codigo())};
}

}  // namespace travesa
