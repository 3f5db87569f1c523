#include "shell/host/Subconsultas.h"

#include "shell/host/RecordSet.h"

namespace travesa {

std::vector<Valor> Subconsultas::Valores(Conexion& cn, const std::vector<std::string>& consultas) {
  std::vector<Valor> valores;
  if (consultas.empty()) return valores;
  std::string sql;
  for (std::size_t k = 0; k < consultas.size(); ++k)
    sql += (k ? ", (" : "SELECT (") + consultas[k] + ") AS v" + std::to_string(k);
  RecordSet rs;
  rs.Abre(cn, sql, "");
  for (std::size_t k = 0; k < consultas.size(); ++k) valores.push_back(rs.Eof() ? Valor() : rs.Fields(k));
  return valores;
}

}  // namespace travesa
