#pragma once
// The download of the payment files as the commands see it: the question,
// the run of clsPagos with the FTP settings and the chosen seller, and the
// alert when it could not finish. Both faces call it; the review follows.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Ajustes.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Operador.h"

namespace travesa {

class Programa;

class DescargaDePagos {
 public:
  struct Resultado {
    bool conectado = false;                        // the site was reached
    std::unique_ptr<BitacoraDeArchivos> bitacora;  // still open when conectado, for the reading
    std::string motivo;                            // when not conectado: the FTP client's text
    std::vector<std::string> noDescargados;        // left on the site, each "name: reason"

    // Every payment file of the site came down.
    bool Completo() const { return conectado && noDescargados.empty(); }
  };

  // "¿Desea leer los archivos de pagos, para su aplicación?"
  static bool Pregunta(Operador& operador);
  // Progress goes to operador.Aviso; the label is emptied at the end.
  static Resultado Descargar(Programa& programa, Operador& operador, const Ajustes& ajustes, std::string_view vendedor);
  // "El proceso no fue concluido. Revise el archivo «...» para más información"
  static void AvisaFalla(Programa& programa, Operador& operador);
  // The files that stayed on the site, when some did: the run is not complete.
  static void AvisaNoDescargados(Operador& operador, const Resultado& r);
};

}  // namespace travesa
