// The sales file reader over any bytes: the file read as text, every line cut
// into columns and values, each line taken as a sale line or refused with a
// reason, the phone's date-time and letters repaired. No crash, no hang, no
// sanitizer report; and a line taken always has a valid date and time.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ArchivoDeEntrada.h"
#include "sales/LineaDeVenta.h"
#include "sales/clsArchivoTravesa.h"

using namespace travesa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  static fuzz::ArchivoDeEntrada archivo("ventas_tel1_V01_08_12_2026_09_30_00.sql");
  clsArchivoTravesa lector;
  lector.PrepararSQL(archivo.Escribe(datos, largo));
  std::vector<std::string> campos, valores;
  while (lector.DadmeLinea(campos, valores)) {
    if (valores.size() != campos.size()) std::abort();
    std::string motivo;
    const std::optional<LineaDeVenta> linea = LineaDeVenta::DeValores(valores, motivo);
    if (!linea) {
      if (motivo.empty()) std::abort();
      continue;
    }
    if (linea->fecha.size() != 10 || linea->hora.size() != 8) std::abort();
    (void)linea->HoraCorta();
  }
  return 0;
}
