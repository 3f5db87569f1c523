#include "sales/ProductosDeLaVenta.h"

#include <map>
#include <string>

#include "sales/LineaDeVenta.h"
#include "shell/host/Conexion.h"

namespace travesa {

ProductosDeLaVenta::ProductosDeLaVenta(Conexion& cn, const std::vector<LineaDeVenta>& lineas)
    : filaDeLinea_(lineas.size()), sueltos_(lineas.size()) {
  LeeJuntos(cn, lineas);
  LeeSueltos(cn, lineas);
}

// FIELD() names, for each row, the first code of the list the server takes as
// equal to the row's code; lines with exactly that text get the row.
void ProductosDeLaVenta::LeeJuntos(Conexion& cn, const std::vector<LineaDeVenta>& lineas) {
  std::vector<Valor> claves;
  std::map<std::string, std::size_t> posicion;
  for (const LineaDeVenta& l : lineas)
    if (posicion.emplace(l.producto, claves.size()).second) claves.emplace_back(l.producto);
  if (claves.empty()) return;
  std::string marcas;
  for (std::size_t i = 0; i < claves.size(); ++i) marcas += i ? ",?" : "?";
  std::vector<Valor> valores = claves;
  valores.insert(valores.end(), claves.begin(), claves.end());
  juntos_.Abre(cn,
               cn.Prepara("SELECT FIELD(Clave," + marcas + ") AS TravesaClave, productos.* FROM productos WHERE Clave IN (" +
                              marcas + ")",
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

const RecordSet* ProductosDeLaVenta::De(std::size_t linea) {
  if (linea >= filaDeLinea_.size()) return nullptr;
  if (filaDeLinea_[linea]) {
    juntos_.IrA(*filaDeLinea_[linea]);
    return &juntos_;
  }
  return sueltos_[linea].get();
}

}  // namespace travesa
