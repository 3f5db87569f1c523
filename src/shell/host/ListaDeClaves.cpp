#include "shell/host/ListaDeClaves.h"

namespace travesa {

ListaDeClaves::ListaDeClaves(std::string columna, const std::vector<std::string>& claves)
    : columna_(std::move(columna)) {
  for (const std::string& c : claves) {
    if (!lugar_.emplace(c, claves_.size() + 1).second) continue;
    claves_.push_back(c);
    marcas_ += marcas_.empty() ? "?" : ",?";
  }
}

std::vector<Valor> ListaDeClaves::Valores(std::size_t veces) const {
  std::vector<Valor> valores;
  for (std::size_t v = 0; v < veces; ++v) valores.insert(valores.end(), claves_.begin(), claves_.end());
  return valores;
}

const std::string* ListaDeClaves::Clave(long long posicion) const {
  if (posicion < 1 || static_cast<std::size_t>(posicion) > claves_.size()) return nullptr;
  return &claves_[static_cast<std::size_t>(posicion - 1)];
}

}  // namespace travesa
