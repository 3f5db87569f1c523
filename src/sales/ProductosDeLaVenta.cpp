#include "sales/ProductosDeLaVenta.h"

#include <map>
#include <string>

#include "sales/LineaDeVenta.h"
#include "shell/host/Conexion.h"
#include "shell/host/ListaDeClaves.h"

namespace travesa {

ProductosDeLaVenta::ProductosDeLaVenta(Conexion& cn, const std::vector<LineaDeVenta>& lineas, bool libreCubre)
    : filaDeLinea_(lineas.size()), sueltos_(lineas.size()) {
  LeeJuntos(cn, lineas, libreCubre);
  LeeSueltos(cn, lineas);
}

// Lines whose code is written exactly as the key the server gave a row get
// that row (see ListaDeClaves).
void ProductosDeLaVenta::LeeJuntos(Conexion& cn, const std::vector<LineaDeVenta>& lineas, bool libreCubre) {
  std::vector<std::string> codigos;
  for (const LineaDeVenta& l : lineas) codigos.push_back(l.producto);
  const ListaDeClaves claves("Clave", codigos);
  if (claves.Vacia()) return;
  std::vector<Valor> valores = claves.Valores(libreCubre ? 2 : 1);
  std::string cubre = "0";
  if (libreCubre) {
    // The free stock compared by the server, in decimals, with the quantity
    // of the first line of each code.
    cubre = "(Existencia - PorVender) >= CASE " + claves.Posicion();
    std::vector<bool> puesta(claves.Cuantas() + 1, false);
    for (const LineaDeVenta& l : lineas) {
      const std::size_t lugar = claves.Lugar(l.producto);
      if (puesta[lugar]) continue;
      puesta[lugar] = true;
      cubre += " WHEN " + std::to_string(lugar) + " THEN ?";
      valores.emplace_back(l.cantidad);
    }
    cubre += " END";
  }
  const std::vector<Valor> filtro = claves.Valores();
  valores.insert(valores.end(), filtro.begin(), filtro.end());  // for Filtro()
  juntos_.Abre(cn,
               cn.Prepara("SELECT " + claves.Posicion() + " AS TravesaClave, " + cubre +
                              " AS TravesaCubre, productos.* FROM productos WHERE " + claves.Filtro(),
                          valores),
               "productos");
  std::map<std::size_t, std::size_t> filaDeLugar;
  for (std::size_t f = 0; !juntos_.Eof(); juntos_.MoveNext(), ++f) {
    const long long k = juntos_.Fields("TravesaClave").Entero();
    if (k >= 1) filaDeLugar.emplace(static_cast<std::size_t>(k), f);
  }
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    const auto f = filaDeLugar.find(claves.Lugar(lineas[i].producto));
    if (f != filaDeLugar.end()) filaDeLinea_[i] = f->second;
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
