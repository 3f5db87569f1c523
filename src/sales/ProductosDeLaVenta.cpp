#include "sales/ProductosDeLaVenta.h"

#include <string>

#include "sales/LineaDeVenta.h"
#include "shell/host/ListaDeClaves.h"

namespace travesa {
namespace {

std::vector<std::string> Codigos(const std::vector<LineaDeVenta>& lineas) {
  std::vector<std::string> codigos;
  for (const LineaDeVenta& l : lineas) codigos.push_back(l.producto);
  return codigos;
}

// The free stock compared by the server, in decimals, with the quantity of
// the first line of each code of the list.
FilasPorClave::Columnas Cubre(const std::vector<LineaDeVenta>& lineas) {
  return [&lineas](const ListaDeClaves& claves) {
    std::vector<Valor> valores = claves.Valores();
    std::string cubre = "(Existencia - PorVender) >= CASE " + claves.Posicion();
    std::vector<bool> puesta(claves.Cuantas() + 1, false);
    for (const LineaDeVenta& l : lineas) {
      if (!claves.Tiene(l.producto)) continue;  // asked in another part of the list
      const std::size_t lugar = claves.Lugar(l.producto);
      if (puesta[lugar]) continue;
      puesta[lugar] = true;
      cubre += " WHEN " + std::to_string(lugar) + " THEN ?";
      valores.emplace_back(l.cantidad);
    }
    return std::make_pair(cubre + " END AS TravesaCubre", valores);
  };
}

}  // namespace

ProductosDeLaVenta::ProductosDeLaVenta(Conexion& cn, const std::vector<LineaDeVenta>& lineas, bool libreCubre,
                                       const std::vector<std::string>& soloEstas)
    : propias_(std::make_unique<FilasPorClave>(cn, "productos", "Clave", Codigos(lineas),
                                               libreCubre ? Cubre(lineas) : FilasPorClave::Columnas(), soloEstas)),
      filas_(*propias_),
      cuantas_(lineas.size()) {}

ProductosDeLaVenta::ProductosDeLaVenta(FilasPorClave& bloque, std::size_t desde, std::size_t cuantas)
    : filas_(bloque), desde_(desde), cuantas_(cuantas) {}

bool ProductosDeLaVenta::SoloDeSuLinea(std::size_t linea) {
  if (linea >= cuantas_ || !filas_.Junta(desde_ + linea)) return false;
  for (std::size_t i = 0; i < cuantas_; ++i)
    if (i != linea && filas_.Junta(desde_ + i) == filas_.Junta(desde_ + linea)) return false;
  const std::string clave = De(linea)->Fields("Clave").Texto();
  for (std::size_t i = 0; i < cuantas_; ++i)
    if (const RecordSet* suelta = filas_.Suelta(desde_ + i); suelta && suelta->Fields("Clave").Texto() == clave)
      return false;
  return true;
}

bool ProductosDeLaVenta::LibreCubre(std::size_t linea) {
  const RecordSet* p = De(linea);
  return p != nullptr && p->TieneColumna("TravesaCubre") && p->Fields("TravesaCubre").Entero() != 0;
}

const RecordSet* ProductosDeLaVenta::De(std::size_t linea) {
  return linea < cuantas_ ? filas_.De(desde_ + linea) : nullptr;
}

}  // namespace travesa
