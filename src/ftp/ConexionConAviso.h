#pragma once
// Opening a job's FTP connection as the operator sees it: the progress label
// says "Conectando con «sitio»…" while it connects, and a failure is told in
// one box, the job's own first line with the reason under it in plain words
// (MotivoDeFalla); the FTP client's text goes to the program's log.
#include <string_view>

#include "shell/Dialogos.h"

namespace travesa {

class clsFTP;
class Operador;

class ConexionConAviso {
 public:
  static bool Abre(clsFTP& ftp, Operador& operador, std::string_view sitio, std::string_view usuario,
                   std::string_view contrasena, std::string_view primeraLinea, int botones, std::string_view titulo);
  // With the download runs' box: "No se pudo establecer conexión con el sitio", "Error de conexión".
  static bool Abre(clsFTP& ftp, Operador& operador, std::string_view sitio, std::string_view usuario,
                   std::string_view contrasena) {
    return Abre(ftp, operador, sitio, usuario, contrasena, kSinConexion, Botones::kSoloAceptar, "Error de conexión");
  }
  static std::string Conectando(std::string_view sitio);
};

}  // namespace travesa
