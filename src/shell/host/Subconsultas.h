#pragma once
// Many one-value queries asked in one round trip: one row whose columns are
// the queries as scalar subqueries, each the value its query gives alone
// (NULL when it gives no row).
#include <string>
#include <vector>

#include "shell/host/Valor.h"

namespace travesa {

class Conexion;

class Subconsultas {
 public:
  // Each query must give at most one column of one row (LIMIT 1).
  static std::vector<Valor> Valores(Conexion& cn, const std::vector<std::string>& consultas);
};

}  // namespace travesa
