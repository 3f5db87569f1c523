#pragma once
// The summary of a read run as text: the documents posted with their folios,
// clients and totals, the totals by document kind and by day, the sales
// skipped or failed, the customers added, and the transfer, in aligned
// tables. The headless command prints it; the window shows the same pieces
// in a table of its own and copies this text.
#include <cstddef>
#include <string>
#include <vector>

#include "sales/LecturaDeArchivos.h"

namespace travesa {

class ResumenEnTabla {
 public:
  struct Total {
    std::string nombre;  // the document kind ("Remisión"), or the day ("08/dic/2026")
    std::size_t documentos = 0;
    long long centavos = 0;
  };

  static std::string Texto(const ResumenLectura& resumen);
  static std::string TextoDelTraspaso(const ResultadoTraspaso& traspaso);

  // The counts of the sales: posted, already posted, failed, bad lines; one a line.
  static std::string Cuentas(const ResultadoVentas& ventas);
  // The documents posted by kind (in the order first posted) and by day.
  static std::vector<Total> PorDocumento(const ResultadoVentas& ventas);
  static std::vector<Total> PorDia(const ResultadoVentas& ventas);
  // "Total de Remisión: 3 documentos, 1,056.50" for each kind, then
  // "Total del día 08/dic/2026: ..." for each day; empty when nothing was posted.
  static std::string TextoDeTotales(const ResultadoVentas& ventas);
  // The customers part: saved files read, new customers added, customers left out.
  static std::string TextoDeClientes(const ResumenLectura& resumen);
  // "yyyy-mm-dd" as "dd/mmm/yyyy"; the text as it is when it is no date.
  static std::string Dia(const std::string& fecha);
};

}  // namespace travesa
