#pragma once
// The staged payments of one customer, as they are applied together: in the
// order of their receivables, with their total in cents and the date and
// time of the earliest one (the account statement entry takes those).
#include <string>
#include <vector>

#include "payments/DecisionesDePago.h"

namespace travesa {

class Conexion;

struct GrupoDePagos {
  struct Pago {
    long idCxc = 0;
    double cantidad = 0;
    std::string fecha;  // "yyyy-mm-dd"
    std::string hora;   // "hh:mm"
    IdentidadDePago pago;
  };

  std::string cliente;
  std::vector<Pago> pagos;
  double total = 0;
  std::string fecha;
  std::string hora;

  // Every customer's group of the staging table tmpcxcs, read with one query:
  // customers grouped as the server compares their keys, in the order of
  // their first receivable; a customer's payments by receivable, and two of
  // one receivable in the order they were reviewed.
  static std::vector<GrupoDePagos> Lee(Conexion& cn);
  // The payments split in rounds with at most one payment per receivable,
  // so that a receivable paid twice sees the first payment before the second.
  std::vector<std::vector<Pago>> Rondas() const;
};

}  // namespace travesa
