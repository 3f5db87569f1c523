#pragma once
// What every document of one posting run shares: the connection, the values
// read once per run, and the bundle rule of the lines.
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class Conexion;
class LibreDeProductos;
class RecordSet;
struct LineaDeVenta;

struct ContextoDePosteo {
  Conexion& cn;
  std::string serie;               // empty without series
  std::string textoDocumento;      // TipoDeDocumento::textoDocumento
  bool blSinExist = false;         // post products even when stock does not cover them
  int formaDePagoConfigurada = 0;  // "FDPEVACDPDV" of configura: payment form 1..8, 0 for none
  // The product columns the documents use that the table has.
  std::vector<std::string> columnasDeProductos = {};
  // The free stock of the block's products, for orders read with their block.
  LibreDeProductos* libre = nullptr;

  // Bundles of a line: its quantity over the product's average weight.
  static double Bultos(const LineaDeVenta& l, const RecordSet& producto);
};

}  // namespace travesa
