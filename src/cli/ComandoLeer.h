#pragma once
// `travesa leer`: the read run from a terminal: the customers the phones
// created, the sales import and posting, the final message, the leftover
// stock transfer when `Traspaso` is on (after its question), and the summary
// as aligned tables. Exit 1 when the site could not be reached, a sale could
// not be posted or the transfer failed.
#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;

class ComandoLeer {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
};

}  // namespace travesa
