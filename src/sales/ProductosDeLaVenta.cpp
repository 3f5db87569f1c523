#include "sales/ProductosDeLaVenta.h"

#include <map>
#include <string>

#include "sales/LineaDeVenta.h"
#include "shell/host/Conexion.h"

namespace travesa {

ProductosDeLaVenta::ProductosDeLaVenta(Conexion& cn, const std::vector<LineaDeVenta>& lineas, bool libreCubre)
    : filaDeLinea_(lineas.size()), sueltos_(lineas.size()) {
  LeeJuntos(cn, lineas, libreCubre);
  LeeSueltos(cn, lineas);
}

// FIELD() names, for each row, the first code of the list the server takes as
// equal to the row's code; lines with exactly that text get the row.
void ProductosDeLaVenta::LeeJuntos(Conexion& cn, const std::vector<LineaDeVenta>& lineas, bool libreCubre) {
  std::vector<Valor> claves;
  std::vector<Valor> cantidades;  // of the first line of each code
  std::map<std::string, std::size_t> posicion;
  for (const LineaDeVenta& l : lineas) {
    if (!posicion.emplace(l.producto, claves.size()).second) continue;
    claves.emplace_back(l.producto);
    cantidades.emplace_back(l.cantidad);
  }
  if (claves.empty()) return;
  std::string marcas;
  for (std::size_t i = 0; i < claves.size(); ++i) marcas += i ? ",?" : "?";
  const std::string campo = "FIELD(Clave," + marcas + ")";
  std::vector<Valor> valores = claves;
  std::string cubre = "0";
  if (libreCubre) {
    // The free stock compared with the quantity by the server, in decimals.
    cubre = "(Existencia - PorVender) >= CASE " + campo;
    valores.insert(valores.end(), claves.begin(), claves.end());
    for (std::size_t i = 0; i < claves.size(); ++i) {
      cubre += " WHEN " + std::to_string(i + 1) + " THEN ?";
      valores.push_back(cantidades[i]);
    }
    cubre += " END";
  }
  valores.insert(valores.end(), claves.begin(), claves.end());
  juntos_.Abre(cn,
               cn.Prepara("SELECT " + campo + " AS TravesaClave, " + cubre + " AS TravesaCubre, productos.* FROM "
                          "productos WHERE Clave IN (" + marcas + ")",
                          valores),
               "productos");
  std::map<std::size_t, std::size_t> filaDeClave;
  for (std::size_t f = 0; !juntos_.Eof(); juntos_.MoveNext(), ++f) {
    const long long k = juntos_.Fields("TravesaClave").Entero();
    if (k >= 1) filaDeClave.emplace(static_cast<std::size_t>(k - 1), f);
  }
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    const auto f = filaDeClave.find(posicion.at(lineas[i].producto));
    if (f != filaDeClave.end()) filaDeLinea_[i] = f->second;
  }
}

// A code missing from the answer may be missing from `productos`, or be
// another spelling of a code the row was given to: asked alone, the server says.
void ProductosDeLaVenta::LeeSueltos(Conexion& cn, const std::vector<LineaDeVenta>& lineas) {
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    if (filaDeLinea_[i]) continue;
    auto p = std::make_unique<RecordSet>();
    p->Abre(cn, cn.Prepara("SELECT * FROM productos WHERE Clave = ?", {Valor(lineas[i].producto)}), "productos");
    if (!p->Eof()) sueltos_[i] = std::move(p);
  }
}

bool ProductosDeLaVenta::SoloDeSuLinea(std::size_t linea) {
  if (linea >= filaDeLinea_.size() || !filaDeLinea_[linea]) return false;
  for (std::size_t i = 0; i < filaDeLinea_.size(); ++i)
    if (i != linea && filaDeLinea_[i] == filaDeLinea_[linea]) return false;
  const std::string clave = De(linea)->Fields("Clave").Texto();
  for (const auto& suelto : sueltos_)
    if (suelto && suelto->Fields("Clave").Texto() == clave) return false;
  return true;
}

bool ProductosDeLaVenta::LibreCubre(std::size_t linea) {
  const RecordSet* p = De(linea);
  return p != nullptr && p->TieneColumna("TravesaCubre") && p->Fields("TravesaCubre").Entero() != 0;
}

const RecordSet* ProductosDeLaVenta::De(std::size_t linea) {
  if (linea >= filaDeLinea_.size()) return nullptr;
  if (filaDeLinea_[linea]) {
    juntos_.IrA(*filaDeLinea_[linea]);
    return &juntos_;
  }
  return sueltos_[linea].get();
}

}  // namespace travesa
