#pragma once
// The summary of a read run as text: the documents posted with their folios,
// clients and totals, the sales skipped or failed, the customers added, and
// the transfer, in aligned tables. The headless command prints it; the window
// shows it under its commands until the next run.
#include <string>

#include "sales/LecturaDeArchivos.h"

namespace travesa {

class ResumenEnTabla {
 public:
  static std::string Texto(const ResumenLectura& resumen);
  static std::string TextoDelTraspaso(const ResultadoTraspaso& traspaso);
};

}  // namespace travesa
