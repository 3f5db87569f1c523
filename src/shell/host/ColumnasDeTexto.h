#pragma once
// What the text columns of a table can hold. An older installation keeps its
// tables in latin1 (or in MySQL's three-byte utf8), where a phone's emoji or
// a letter outside Windows-1252 makes the whole statement fail under strict
// mode, at every run. A text bound for such a column is stored with each
// letter the column cannot hold written as "?", and the change is kept for
// the run's log.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/host/Valor.h"

namespace travesa {

class Conexion;

class ColumnasDeTexto {
 public:
  // The value as the column tabla.columna can hold it. The table's columns
  // are asked once per connection.
  Valor Ajusta(Conexion& cn, std::string_view tabla, std::string_view columna, const Valor& v);
  // Whether any text column of the table is not utf8mb4.
  bool Limitada(Conexion& cn, std::string_view tabla) { return !Juegos(cn, tabla).empty(); }
  // The changes made since the last call, as lines for the log.
  std::vector<std::string> TomaAvisos();
  void Olvida() { juegos_.clear(); }

 private:
  const std::map<std::string, std::string>& Juegos(Conexion& cn, std::string_view tabla);

  // Per table (lower case), the character set of each column (lower case)
  // that is not utf8mb4.
  std::map<std::string, std::map<std::string, std::string>> juegos_;
  std::vector<std::string> avisos_;
};

}  // namespace travesa
