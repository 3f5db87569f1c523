#include "payments/DocumentoDePago.h"

#include <string>

#include "shell/host/BasesDD.h"

namespace travesa {

DocumentoDePago DocumentoDePago::DeTipo(std::string_view tipo) {
  if (tipo == "F") return {"Factura", "Factura", "facturas"};
  if (tipo == "R") return {"Remision", "Remisión", "remisiones"};
  if (tipo == "A") return {"Apartado", "Apartado", "apartados"};
  return {"Cargo", "Cargo", ""};
}

bool DocumentoDePago::Abre(const BasesDD& bd, Conexion& cn, RecordSet& rs, long long numero,
                           std::string_view columnas) const {
  const std::string n = std::to_string(numero);
  const std::string fuente = EsCargo() ? "edoctacli where Folio=" + n + " limit 1"
                                       : std::string(tabla) + " where Id=" + n + " limit 1";
  return bd.AbrirTabla(rs, cn, fuente, columnas);
}

}  // namespace travesa
