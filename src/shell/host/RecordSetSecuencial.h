#pragma once
// The rows of one query read forward only, as the server sends them: only the
// current row is held, so a query of any size costs the memory of one row.
// Columns are read by position or by name (case-insensitive); a name is best
// looked up once with Columna and its position used for every row. While it is
// open, its connection runs nothing else.
#include <mysql.h>

#include <string>
#include <string_view>
#include <vector>

#include "shell/host/RecordSet.h"

namespace travesa {

class Conexion;

class RecordSetSecuencial {
 public:
  RecordSetSecuencial() = default;
  ~RecordSetSecuencial() { Close(); }
  RecordSetSecuencial(const RecordSetSecuencial&) = delete;
  RecordSetSecuencial& operator=(const RecordSetSecuencial&) = delete;

  // Runs the query and reads its first row. Throws ErrorBD when the server
  // refuses it; a row that fails on the way throws from MoveNext.
  void Abre(Conexion& cn, std::string_view sql);
  // Drops the rows not read yet and frees the connection.
  void Close();
  bool Abierto() const { return res_ != nullptr; }

  bool Eof() const { return fila_ == nullptr; }
  void MoveNext();

  std::size_t FieldCount() const { return columnas_.size(); }
  const std::string& FieldName(std::size_t i) const { return columnas_.at(i).nombre; }
  bool TieneColumna(std::string_view nombre) const { return IndiceDeColumna(columnas_, nombre) >= 0; }
  // The position of a column; throws ErrorBD naming the column when absent.
  std::size_t Columna(std::string_view nombre) const;

  // The value of the current row as the server sent it; empty for NULL and
  // past the end. Valid until the next MoveNext.
  std::string_view Texto(std::size_t i) const {
    if (fila_ == nullptr || i >= columnas_.size() || fila_[i] == nullptr) return {};
    return {fila_[i], largos_[i]};
  }
  bool EsNulo(std::size_t i) const { return fila_ == nullptr || i >= columnas_.size() || fila_[i] == nullptr; }
  Valor Fields(std::size_t i) const;
  Valor Fields(std::string_view nombre) const { return Fields(Columna(nombre)); }

 private:
  void Siguiente();

  MYSQL* mysql_ = nullptr;
  MYSQL_RES* res_ = nullptr;
  MYSQL_ROW fila_ = nullptr;
  const unsigned long* largos_ = nullptr;
  std::vector<RecordSet::Columna> columnas_;
  std::string sql_;  // the start of the query, for error messages
};

}  // namespace travesa
