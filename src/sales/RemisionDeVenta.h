#pragma once
// A sale posted as a remission (`remisiones`, `remisionesdetalle`) numbered
// with the counter "RE-" + series, with a warehouse movement per line and the
// customer account entries. The phone's payment text "CO" makes it a cash
// remission; anything else a credit one, due after the client's credit days.
#include "sales/ResultadoVentas.h"

namespace travesa {

class Conexion;
struct ContextoDePosteo;
class VentaPreparada;

class RemisionDeVenta {
 public:
  static std::string ConsultaYaExiste(Conexion& cn, const VentaPreparada& v);
  static VentaPosteada Graba(const ContextoDePosteo& c, const VentaPreparada& v);
};

}  // namespace travesa
