#pragma once
// Runs the real travesa executable and collects what it printed.
#include <map>
#include <string>
#include <vector>

namespace travesa::prueba {

struct Resultado {
  int estado = -1;
  std::string salida;   // standard output
  std::string errores;  // standard error
  std::string Todo() const { return salida + errores; }
};

// Standard input comes from `entrada` (no terminal). `entorno` adds or replaces
// variables of the test's own environment.
Resultado Ejecuta(const std::vector<std::string>& argumentos,
                  const std::map<std::string, std::string>& entorno = {}, const std::string& entrada = "");

}  // namespace travesa::prueba
