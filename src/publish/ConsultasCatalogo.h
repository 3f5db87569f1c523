#pragma once
// The query texts of the catalogue files: the source (table and clauses) and
// the column list, as the options of the settings shape them.
#include <string>
#include <string_view>

#include "shell/Ajustes.h"

namespace travesa {

struct Consulta {
  std::string fuente;
  std::string columnas;  // empty: every column
};

class ConsultasCatalogo {
 public:
  static Consulta Vendedores();
  static Consulta Productos(const Ajustes& a);
  // With a seller key only that seller's customers.
  static Consulta Clientes(const Ajustes& a, std::string_view vendedor);
  static Consulta Cxc();
  static Consulta ListaDePrecios();
  static Consulta PreciosAdicionales();
  static Consulta FormasDePago();
};

}  // namespace travesa
