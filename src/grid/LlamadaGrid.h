#pragma once
// A call-back of the editable grid into the window that owns it: either the
// name of a method registered in the window's ObjetoDeMetodos (looked up when
// it is due), or the callable itself. Empty: no call-back.
//
//   clsColumnasGrid c;
//   c.Validador = "Validar";                                  // by name
//   c.DespuesDeEditar = [this](int r, int c) { Totaliza(r, c); };  // directly
#include <concepts>
#include <functional>
#include <string>
#include <utility>

namespace travesa {

class ListaDeOpciones;

// The signatures of the grid's call-backs.
using FnValidador = bool(const std::string& texto, int renglon, int columna);
using FnCelda = void(int renglon, int columna);  // DespuesDeEditar, PorEspacio
using FnRenglon = void(int renglon);             // AntesDeInsertar, SuprimeLinea
using FnLlenarCombo = void(ListaDeOpciones& combo, int renglon, int columna);
using FnValor = std::string();  // ShiftF1

template <typename F>
class LlamadaGrid {
 public:
  LlamadaGrid() = default;
  LlamadaGrid(const char* nombre) : nombre_(nombre ? nombre : "") {}
  LlamadaGrid(std::string nombre) : nombre_(std::move(nombre)) {}
  template <typename C>
  requires(!std::convertible_to<C, std::string> && std::constructible_from<std::function<F>, C>) LlamadaGrid(C funcion)
      : funcion_(std::move(funcion)) {}

  bool Vacia() const { return nombre_.empty() && !funcion_; }
  // The method name; empty for a call-back given directly.
  const std::string& Nombre() const { return nombre_; }
  const std::function<F>& Funcion() const { return funcion_; }

 private:
  std::string nombre_;
  std::function<F> funcion_;
};

}  // namespace travesa
