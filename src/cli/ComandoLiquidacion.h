#pragma once
// `travesa liquidacion`: one seller's settlement of a day, as text and, with
// --pdf, as the printed page of the window (written by the desktop part of
// the executable, which sets `escritorDePdf`).
#include <string>

#include "cli/LineaDeComandos.h"

namespace travesa {

class Programa;
struct Liquidacion;

using EscritorDePdf = void (*)(const Liquidacion& l, const std::string& archivo);

class ComandoLiquidacion {
 public:
  static int Ejecuta(Programa& programa, const Orden& orden);
  static EscritorDePdf escritorDePdf;
};

}  // namespace travesa
