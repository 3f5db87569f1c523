#pragma once
// The kinds of document a read run makes of each sale, one description each:
// ticket, order or remission, as the setting "TipoMovimiento" names them ("T",
// "P", "R"). Each says which tables hold it, how a sale already posted as one
// is recognised, how it is written, and the text its account entries carry.
#include <string>
#include <string_view>

#include "sales/ResultadoVentas.h"

namespace travesa {

class Conexion;
struct ContextoDePosteo;
class VentaPreparada;

struct TipoDeDocumento {
  std::string_view clave;         // as "TipoMovimiento" stores it
  std::string_view tablaMaestra;  // the documents
  std::string_view tablaDetalle;  // their lines
  // "EL TICKET " / "LA REMISIÓN " + "REGISTRADO EN PROGRAMA «TRAVESA» POR "
  std::string_view textoDocumento;
  // The query that gives a row when the sale was already posted as this kind.
  std::string (*consultaYaExiste)(Conexion& cn, const VentaPreparada& v);
  VentaPosteada (*graba)(const ContextoDePosteo& c, const VentaPreparada& v);
  // Its lines take only the stock that is free (orders, unless the run
  // posts products without stock).
  bool existenciaAlGrabar = false;

  static const TipoDeDocumento& Ticket();
  static const TipoDeDocumento& Pedido();
  static const TipoDeDocumento& Remision();
  // The kind the setting names: "P" orders, "R" remissions, anything else tickets.
  static const TipoDeDocumento& DelAjuste(std::string_view tipoMovimiento);
};

}  // namespace travesa
