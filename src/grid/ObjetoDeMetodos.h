#pragma once
// The methods a window offers its editable grid by name: the window registers
// each one once ("Validar", "Totaliza"...) and the column descriptors and the
// controller's properties name them. A name looked up with the wrong
// signature counts as missing.
#include <functional>
#include <map>
#include <string>
#include <variant>

#include "grid/LlamadaGrid.h"

namespace travesa {

class ObjetoDeMetodos {
 public:
  void Validador(std::string nombre, std::function<FnValidador> f) { metodos_[std::move(nombre)] = std::move(f); }
  void Celda(std::string nombre, std::function<FnCelda> f) { metodos_[std::move(nombre)] = std::move(f); }
  void Renglon(std::string nombre, std::function<FnRenglon> f) { metodos_[std::move(nombre)] = std::move(f); }
  void LlenarCombo(std::string nombre, std::function<FnLlenarCombo> f) { metodos_[std::move(nombre)] = std::move(f); }
  void Valor(std::string nombre, std::function<FnValor> f) { metodos_[std::move(nombre)] = std::move(f); }

  // The method of that name and signature; nullptr when there is none.
  template <typename F>
  const std::function<F>* Busca(const std::string& nombre) const {
    const auto it = metodos_.find(nombre);
    if (it == metodos_.end()) return nullptr;
    return std::get_if<std::function<F>>(&it->second);
  }

 private:
  using Metodo = std::variant<std::function<FnValidador>, std::function<FnCelda>, std::function<FnRenglon>,
                              std::function<FnLlenarCombo>, std::function<FnValor>>;
  std::map<std::string, Metodo, std::less<>> metodos_;
};

}  // namespace travesa
