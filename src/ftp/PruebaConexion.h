#pragma once
// "Probar" on the configuration page and `travesa probar`: connect to the FTP
// site with the typed settings, change to the folder the publish run would use
// and check that the server put us there, letter case included; then put
// files there as the publish run puts the catalogue (two uploads on the one
// connection, each under a temporary name renamed over the published one)
// and remove them, to know that the runs can write. Only the logic; the
// front ends show the message.
#include <filesystem>
#include <string>
#include <string_view>

namespace travesa {

class PruebaConexion {
 public:
  struct Resultado {
    bool conectado = false;        // the site was reached and the login succeeded
    bool enLaCarpeta = false;      // the server put us in the folder, letter case included
    bool escribible = false;       // files could be put in the folder and removed
    std::string carpeta;           // the folder as the publish run reaches it, with a leading and trailing "/"
    std::string carpetaAlcanzada;  // the folder the server reports, same slashes (empty when not connected)
    std::string mensaje;           // the message box text, exactly
    std::string titulo;
    int botones = 0;    // Botones::kInformacion or Botones::kCritico
    std::string error;  // the FTP client's text of the failure, also in the message

    // The folder was reached and can be written.
    bool Completo() const { return enLaCarpeta && escribible; }
  };

  // The site, user and password are used as typed (untrimmed). The folder is
  // resolved as the publish run resolves it: from the folder the login lands
  // in, "." and ".." by their text.
  static Resultado Probar(std::string_view sitio, std::string_view usuario, std::string_view password,
                          std::string_view carpeta, bool verificarCertificado,
                          const std::filesystem::path& archivoCA = {});
};

}  // namespace travesa
