#include "payments/DocumentoDePago.h"

#include <cmath>
#include <string>

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"

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

bool DocumentoDePago::PagoAplicado(const BasesDD& bd, Conexion& cn, long long numero, const std::string& fecha,
                                   const std::string& hora, double monto) const {
  RecordSet previo;
  const std::string aplicado = cn.Prepara(
      "anexopagosctes where " + std::string(columna) +
          "=? and FechaReal=? and Hora=? and Truncate(Cantidad,0)=? limit 1",
      {Valor(numero), Valor(fecha), Valor(texto::Izquierda(hora, 5)),
       Valor(static_cast<long long>(std::floor(monto)))});
  return bd.AbrirTabla(previo, cn, aplicado, "Id");
}

}  // namespace travesa
