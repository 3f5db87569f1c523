// The device products file (the stock left on a phone) over any bytes, read
// as the leftover transfer reads it: key, description and stock of each
// record, all three required. No crash, no hang, no sanitizer report.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sales/LectorDeEtiquetas.h"
#include "shell/host/libNalda.h"

using namespace travesa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  LectorDeEtiquetas lector(std::string_view(reinterpret_cast<const char*>(datos), largo));
  int registros = 0;
  while (lector.Siguiente()) {
    if (lector.Numero() != ++registros) std::abort();
    try {
      for (const char* etiqueta : {"clave", "descripcion"}) {
        const auto v = lector.Lee(etiqueta);
        if (!v) break;
        (void)LectorDeEtiquetas::DecodificaXML(*v);
      }
      if (const auto existencia = lector.Lee("existencia")) (void)libNalda::prVal(*existencia);
    } catch (const LectorDeEtiquetas::TagIncompleto& e) {
      if (e.etiqueta.empty()) std::abort();
    }
  }
  return 0;
}
