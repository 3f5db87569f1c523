#pragma once
// A sale posted as a point-of-sale ticket (`tickets`, `ticketsdetalle`),
// numbered by the ticket counter "Venta", with a warehouse movement per line
// and the customer account entries.
#include "sales/ResultadoVentas.h"

namespace travesa {

class Conexion;
struct ContextoDePosteo;
class VentaPreparada;

class TicketDeVenta {
 public:
  // The same ticket is already there: same date, minute, client, seller and
  // total (a different sale of the same minute is not taken for it).
  static std::string ConsultaYaExiste(Conexion& cn, const VentaPreparada& v);
  static VentaPosteada Graba(const ContextoDePosteo& c, const VentaPreparada& v);
};

}  // namespace travesa
