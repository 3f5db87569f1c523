// The device customers file over any bytes, read record by record with the
// tags and in the order the customer import reads them (key, name, price
// list, address, credit days), the text of each element decoded. A tag
// without its closing tag ends that record only. No crash, no hang, no
// sanitizer report, and the records are walked forward to the end.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sales/LectorDeEtiquetas.h"

using namespace travesa;

namespace {

constexpr const char* kEtiquetas[] = {"nombre",    "numPrecio", "calle",     "numExterior", "numInterior",
                                      "colonia",   "cp",        "ciudad",    "estado",      "telefono1",
                                      "telefono2", "telefono3", "telefono4", "atencion",    "diascredito"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  LectorDeEtiquetas lector(std::string_view(reinterpret_cast<const char*>(datos), largo));
  std::size_t anterior = 0;
  int registros = 0;
  while (lector.Siguiente()) {
    if (registros > 0 && lector.Inicio() <= anterior) std::abort();
    anterior = lector.Inicio();
    if (lector.Numero() != ++registros) std::abort();
    try {
      const std::string clave = LectorDeEtiquetas::DecodificaXML(lector.Lee("clave").value_or(""));
      if (clave.empty()) continue;
      for (const char* etiqueta : kEtiquetas) (void)LectorDeEtiquetas::DecodificaXML(lector.Lee(etiqueta).value_or(""));
    } catch (const LectorDeEtiquetas::TagIncompleto& e) {
      if (e.etiqueta.empty()) std::abort();
    }
  }
  return 0;
}
