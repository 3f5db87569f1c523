#pragma once
// Older installations keep some tables in MyISAM, which has no transactions:
// a run that stops in the middle of a sale or a payment there leaves it half
// written, and nothing can undo it. Such a database is still worked with, as
// the point-of-sale system itself does; the office is told once.
#include <string>

namespace travesa {

class Conexion;
class Operador;

class TablasSinTransacciones {
 public:
  // The tables of the sales, stock, receivables and payments that are not
  // transactional, separated by commas; empty when every one is.
  static std::string Busca(Conexion& cn);
  // Tells the operator and the warnings log, the first time a process sees
  // such tables in this database.
  static void Advierte(Conexion& cn, Operador& operador);
};

}  // namespace travesa
