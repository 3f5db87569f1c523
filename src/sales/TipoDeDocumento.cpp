#include "sales/TipoDeDocumento.h"

#include "sales/PedidoDeVenta.h"
#include "sales/RemisionDeVenta.h"
#include "sales/TicketDeVenta.h"

namespace travesa {
namespace {

constexpr TipoDeDocumento kTicket{"T",
                                  "tickets",
                                  "ticketsdetalle",
                                  "EL TICKET REGISTRADO EN PROGRAMA «TRAVESA» POR ",
                                  &TicketDeVenta::ConsultaYaExiste,
                                  &TicketDeVenta::Graba};
constexpr TipoDeDocumento kPedido{"P",
                                  "pedidos",
                                  "pedidosdetalle",
                                  "REGISTRADO EN PROGRAMA «TRAVESA» POR ",
                                  &PedidoDeVenta::ConsultaYaExiste,
                                  &PedidoDeVenta::Graba,
                                  true};
constexpr TipoDeDocumento kRemision{"R",
                                    "remisiones",
                                    "remisionesdetalle",
                                    "LA REMISIÓN REGISTRADO EN PROGRAMA «TRAVESA» POR ",
                                    &RemisionDeVenta::ConsultaYaExiste,
                                    &RemisionDeVenta::Graba};

}  // namespace

const TipoDeDocumento& TipoDeDocumento::Ticket() { return kTicket; }
const TipoDeDocumento& TipoDeDocumento::Pedido() { return kPedido; }
const TipoDeDocumento& TipoDeDocumento::Remision() { return kRemision; }

const TipoDeDocumento& TipoDeDocumento::DelAjuste(std::string_view tipoMovimiento) {
  for (const TipoDeDocumento* t : {&kPedido, &kRemision})
    if (tipoMovimiento == t->clave) return *t;
  return kTicket;
}

}  // namespace travesa
