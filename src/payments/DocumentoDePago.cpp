#include "payments/DocumentoDePago.h"

#include <string>

namespace travesa {

DocumentoDePago DocumentoDePago::DeTipo(std::string_view tipo) {
  if (tipo == "F") return {"Factura", "Factura", "facturas"};
  if (tipo == "R") return {"Remision", "Remisión", "remisiones"};
  if (tipo == "A") return {"Apartado", "Apartado", "apartados"};
  return {"Cargo", "Cargo", ""};
}

}  // namespace travesa
