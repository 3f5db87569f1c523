#pragma once
// Writes whose results nobody reads, gathered to reach the server together:
// with the connection's permission (Conexion::VariasALaVez) in one round
// trip, otherwise one by one. Envia sends them in the order they were added;
// the first that fails stops the rest and throws ErrorBD. Meant to be sent
// inside a transaction, so a failure leaves nothing half written.
#include <string>
#include <string_view>
#include <vector>

#include "shell/host/Conexion.h"

namespace travesa {

class Lote {
 public:
  explicit Lote(Conexion& cn) : cn_(cn) {}

  Conexion& cn() { return cn_; }
  void Execute(std::string sql) { sentencias_.push_back(std::move(sql)); }
  // The INSERT of one row.
  void Inserta(std::string_view tabla, const std::vector<std::string>& columnas, const std::vector<Valor>& valores) {
    InsertaFilas(tabla, columnas, {valores});
  }
  // One INSERT for all the rows (see Conexion::TextoDeInsercion).
  void InsertaFilas(std::string_view tabla, const std::vector<std::string>& columnas,
                    const std::vector<std::vector<Valor>>& filas,
                    const std::vector<Conexion::Expresion>& expresiones = {});
  void Envia();

 private:
  Conexion& cn_;
  std::vector<std::string> sentencias_;
};

}  // namespace travesa
