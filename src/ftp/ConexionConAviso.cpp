#include "ftp/ConexionConAviso.h"

#include "ftp/MotivoDeFalla.h"
#include "ftp/clsFTP.h"
#include "shell/host/Bitacora.h"
#include "shell/host/Texto.h"

namespace travesa {

std::string ConexionConAviso::Conectando(std::string_view sitio) {
  return "Conectando con «" + texto::Recorta(sitio) + "»…";
}

bool ConexionConAviso::Abre(clsFTP& ftp, Operador& operador, std::string_view sitio, std::string_view usuario,
                            std::string_view contrasena, std::string_view primeraLinea, int botones,
                            std::string_view titulo) {
  operador.Aviso(Conectando(sitio));
  if (ftp.OpenConnection(sitio, usuario, contrasena)) {
    operador.Aviso("");
    return true;
  }
  const std::string nombre = texto::Recorta(sitio);
  const std::string error = ftp.GetLastErrorMessage();
  Bitacora::Advierte("No se pudo conectar con «" + nombre + "»: " + error);
  operador.Aviso("");
  operador.Mensaje(std::string(primeraLinea) + "\r\n" + MotivoDeFalla::Frase(nombre, error), botones, titulo);
  return false;
}

}  // namespace travesa
