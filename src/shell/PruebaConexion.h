#pragma once
// "Probar" on the configuration page: connect to the FTP site with the typed
// settings, change to the typed folder and check that the server put us there,
// letter case included. Only the logic; the front ends show the message.
#include <filesystem>
#include <string>
#include <string_view>

namespace travesa {

class PruebaConexion {
 public:
  struct Resultado {
    bool correcta = false;
    bool conecto = false;          // the login succeeded
    std::string carpeta;           // the folder field with the slashes Probar adds
    std::string carpetaAlcanzada;  // the folder the server reports, same slashes (empty when not connected)
    std::string mensaje;           // the message box text, exactly
    std::string titulo;
    int botones = 0;               // Botones::kInformacion or Botones::kCritico
    std::string error;             // the FTP client's error text, for the log
  };

  // The site, user and password are used as typed (untrimmed).
  static Resultado Probar(std::string_view sitio, std::string_view usuario, std::string_view password,
                          std::string_view carpeta, bool verificarCertificado,
                          const std::filesystem::path& archivoCA = {});
};

}  // namespace travesa
