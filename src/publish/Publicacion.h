#pragma once
// The publish run as a command sees it: build and upload the catalogue, then,
// on success, stamp the time of the last upload and estimate the next run.
// The desktop window adds its screen effects around it (disabled window, busy
// pointer, stopped timer); the headless commands call it as it is.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Ajustes.h"
#include "shell/Operador.h"

namespace travesa {

class Programa;

class Publicacion {
 public:
  struct Resultado {
    bool conectado = false;  // the site was reached
    bool subido = false;     // every file went up, and those no longer published left the site
    std::string sello;       // "dd/mmm/yyyy - hh:nn:ss" of this run, when complete
    std::string proxima;     // "Próxima actualización estimada: ..." when complete and automatic
    std::string motivo;      // when not complete: the FTP client's text of the failure
    // Phones' files found unread where the catalogue went, saved for the next
    // read run (they are saved whether the run ends well or not).
    std::vector<std::filesystem::path> guardados;

    bool Completo() const { return conectado && subido; }
  };

  // `ajustes` carries the FTP site as the settings page shows it and the saved
  // options; `vendedor` the chosen seller's key (empty for all). With
  // mostrarMensaje the success message is shown (MuestraExito). Progress goes
  // to operador.Aviso/Progreso. Only one run at a time reaches a site's folder:
  // another one waits for it a while, then ends with ErrorTravesa saying a
  // publication is in progress. Errors of the database or of local files reach
  // the caller as ErrorTravesa; a failure is also written to the log.
  static Resultado GenerarArchivos(Programa& programa, Operador& operador, const Ajustes& ajustes,
                                   std::string_view vendedor, bool mostrarMensaje);

  // "Archivos generados y grabados en el sitio web".
  static void MuestraExito(Operador& operador);
  // What was saved from the site for the next read run; nothing when nothing was.
  static void MuestraGuardados(Operador& operador, const Resultado& r, std::string_view titulo);
  // The reason of a failed run, when the FTP client gave one; nothing otherwise.
  static void MuestraFalla(Operador& operador, const Resultado& r, std::string_view titulo);
  // True for an empty key or a seller of the table; otherwise the operator is told.
  static bool VendedorValido(Programa& programa, Operador& operador, std::string_view vendedor,
                             std::string_view titulo);

  // The label texts the window shows.
  static std::string TextoUltimaSubida(std::string_view sello);  // "Última vez que se subieron archivos: ..."
};

}  // namespace travesa
