#include "cli/ComandoProbar.h"

#include "ftp/PruebaConexion.h"
#include "shell/Programa.h"
#include "shell/host/Bitacora.h"

namespace travesa {

int ComandoProbar::Ejecuta(Programa& programa, const Orden& orden) {
  (void)orden;
  const Ajustes& a = programa.ajustes();
  const auto r =
      PruebaConexion::Probar(a.ftpSitio, a.ftpUsuario, a.FTPcontraseña, a.FTPcarpeta, a.VerificarCertificado != "N");
  if (!r.error.empty()) Bitacora::Advierte("Prueba de conexión: " + r.error);
  programa.operador().Mensaje(r.mensaje, r.botones, r.titulo);
  return r.Completo() ? Salida::kExito : Salida::kFallo;
}

}  // namespace travesa
