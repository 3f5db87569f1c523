#include "shell/TablaAlineada.h"

#include <algorithm>

#include "shell/host/Texto.h"

namespace travesa {
namespace {

std::string Rellena(const std::string& celda, std::size_t ancho, TablaAlineada::Alineacion a) {
  const std::size_t largo = texto::Largo(celda);
  const std::string relleno(ancho > largo ? ancho - largo : 0, ' ');
  return a == TablaAlineada::Alineacion::Derecha ? relleno + celda : celda + relleno;
}

std::string UnaLinea(std::string celda) {
  for (char& c : celda)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return celda;
}

}  // namespace

TablaAlineada::TablaAlineada(std::vector<Columna> columnas) : columnas_(std::move(columnas)) {}

void TablaAlineada::Agrega(std::vector<std::string> celdas) {
  celdas.resize(columnas_.size());
  for (std::string& c : celdas) c = UnaLinea(std::move(c));
  filas_.push_back(std::move(celdas));
}

std::string TablaAlineada::Texto(int sangria) const {
  std::vector<std::size_t> anchos;
  for (const Columna& c : columnas_) anchos.push_back(texto::Largo(c.titulo));
  for (const auto& fila : filas_)
    for (std::size_t i = 0; i < fila.size(); ++i) anchos[i] = std::max(anchos[i], texto::Largo(fila[i]));
  const std::string margen(static_cast<std::size_t>(std::max(sangria, 0)), ' ');
  auto linea = [&](const std::vector<std::string>& celdas) {
    std::string l = margen;
    for (std::size_t i = 0; i < celdas.size(); ++i) {
      if (i) l += "  ";
      l += Rellena(celdas[i], anchos[i], columnas_[i].alineacion);
    }
    while (!l.empty() && l.back() == ' ') l.pop_back();
    return l + "\n";
  };
  std::vector<std::string> titulos, regla;
  for (std::size_t i = 0; i < columnas_.size(); ++i) {
    titulos.push_back(columnas_[i].titulo);
    regla.emplace_back(anchos[i], '-');
  }
  std::string t = linea(titulos) + linea(regla);
  for (const auto& fila : filas_) t += linea(fila);
  return t;
}

}  // namespace travesa
