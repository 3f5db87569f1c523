#pragma once
// What one sales import did, sale by sale, so that the office can see it: the
// documents posted with their folios, the sales found already posted, and the
// sales that failed with the database's reason.
#include <string>
#include <vector>

namespace travesa {

struct VentaPosteada {
  std::string tipo;   // "Ticket", "Pedido" or "Remisión"
  std::string serie;  // empty without series
  long folio = 0;
  std::string cliente;
  std::string nombre;  // the client's name, empty when unknown
  double total = 0;
  std::string archivo;              // the sales file it came from
  std::string fecha;                // the sale's day, "yyyy-mm-dd"
  bool clienteDesconocido = false;  // posted to a client that `clientes` does not hold
};

struct VentaFallida {
  std::string archivo;
  std::string fecha;  // "yyyy-mm-dd"
  std::string hora;   // "hh:nn:ss"
  std::string cliente;
  std::string motivo;  // the database's message
};

struct ResultadoVentas {
  bool conectado = false;  // false: the site could not be reached, nothing was read
  std::vector<VentaPosteada> posteadas;
  int yaPosteadas = 0;  // sales whose document already existed
  std::vector<VentaFallida> fallidas;
  std::vector<std::string> lineasRechazadas;  // bad lines, as written in the log
  bool Completo() const { return conectado && fallidas.empty(); }
  std::size_t ADesconocidos() const {
    std::size_t n = 0;
    for (const VentaPosteada& p : posteadas) n += p.clienteDesconocido ? 1 : 0;
    return n;
  }
};

}  // namespace travesa
