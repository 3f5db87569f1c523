#pragma once
// A sale posted as an order (`pedidos`, `pedidosdetalle`) numbered with the
// counter "PE-" + series. An order moves no stock: each line reserves its
// quantity in `productos.PorVender`. Without "post products without stock" a
// line whose free stock (Existencia - PorVender) does not cover it is left out.
#include "sales/ResultadoVentas.h"

namespace travesa {

class Conexion;
struct ContextoDePosteo;
class VentaPreparada;

class PedidoDeVenta {
 public:
  static std::string ConsultaYaExiste(Conexion& cn, const VentaPreparada& v);
  static VentaPosteada Graba(const ContextoDePosteo& c, const VentaPreparada& v);
};

}  // namespace travesa
