#pragma once
// A grid in memory for the rules of the editable grid, and an operator that
// counts beeps and answers questions from a script.
#include <deque>
#include <string>
#include <vector>

#include "grid/Reja.h"
#include "shell/Operador.h"

namespace travesa::prueba {

class ListaEnMemoria : public ListaDeOpciones {
 public:
  void Limpia() override { opciones.clear(); }
  void Agrega(std::string_view texto, std::string_view) override { opciones.emplace_back(texto); }
  int Cuantas() const override { return static_cast<int>(opciones.size()); }
  std::string Opcion(int i) const override { return opciones.at(i); }
  std::vector<std::string> opciones;
};

class RejaDePrueba : public Reja {
 public:
  RejaDePrueba(int renglones, int columnas) : columnas_(columnas) { FijaRenglones(renglones); }

  int Renglones() const override { return static_cast<int>(celdas_.size()); }
  void FijaRenglones(int n) override {
    celdas_.resize(n, std::vector<std::string>(columnas_));
    if (renglon_ >= n) renglon_ = n - 1;
  }
  void QuitaRenglon(int r) override {
    celdas_.erase(celdas_.begin() + r);
    if (renglon_ >= Renglones()) renglon_ = Renglones() - 1;
  }
  int Columnas() const override { return columnas_; }
  std::string Texto(int r, int c) const override { return celdas_.at(r).at(c); }
  void FijaTexto(int r, int c, std::string_view t) override { celdas_.at(r).at(c) = std::string(t); }
  int Renglon() const override { return renglon_; }
  int Columna() const override { return columna_; }
  void VeA(int r, int c) override { renglon_ = r, columna_ = c; }
  bool RenglonOculto(int r) const override { return r == oculto; }
  void FuenteDeMarca(int, int, float puntos) override { puntosDeMarca = puntos; }

  void AbreEditor(const AperturaDeEditor& a) override {
    abierto = true;
    apertura = a;
    editor = a.texto;
    ++aperturas;
  }
  std::string TextoEditor() const override { return editor; }
  void FijaTextoEditor(std::string_view t) override { editor = std::string(t); }
  void CierraEditor(bool enfocarReja) override {
    abierto = false;
    if (enfocarReja) focoEnReja = true;
  }
  void EnfocaEditor() override { focoEnReja = false; }
  void EnfocaReja() override { focoEnReja = true; }
  ListaDeOpciones& Lista(int) override { return lista; }

  // The operator types into the open editor.
  void Teclea(std::string_view t) { editor += t; }

  bool abierto = false;
  AperturaDeEditor apertura;
  std::string editor;
  int aperturas = 0;
  bool focoEnReja = true;
  int oculto = -1;
  float puntosDeMarca = -1;
  ListaEnMemoria lista;

 private:
  int columnas_;
  std::vector<std::vector<std::string>> celdas_;
  int renglon_ = 0, columna_ = 0;
};

class OperadorDePrueba : public Operador {
 public:
  struct Caja {
    std::string texto, titulo;
    int botones;
  };
  int Mensaje(std::string_view texto, int botones, std::string_view titulo) override {
    cajas.push_back({std::string(texto), std::string(titulo), botones});
    if (!Botones::EsPregunta(botones)) return Botones::kRespAceptar;
    if (respuestas.empty()) return Botones::kRespNo;
    const int r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  void Aviso(std::string_view) override {}
  void Pitido() override { ++pitidos; }

  std::vector<Caja> cajas;
  std::deque<int> respuestas;
  int pitidos = 0;
};

}  // namespace travesa::prueba
