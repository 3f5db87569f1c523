#pragma once
// The rows of one query, read by column name (case-insensitive) and extended
// with AddNew, field assignment and Update (an INSERT of the assigned columns).
#include <string>
#include <string_view>
#include <vector>

#include "shell/host/Valor.h"

struct st_mysql;
struct st_mysql_res;

namespace travesa {

class Conexion;

class RecordSet {
 public:
  struct Columna {
    std::string nombre;    // as the query named it (its alias)
    std::string original;  // the table's own column name
    Valor::Tipo tipo = Valor::Tipo::Texto;
    bool autoIncremento = false;
  };

  RecordSet() = default;

  // Runs the query on the connection and keeps its rows. `tabla` is the table
  // new rows go to.
  void Abre(Conexion& cn, std::string_view sql, std::string tabla);
  void Close();
  bool Abierto() const { return cn_ != nullptr; }

  bool Eof() const { return pos_ >= filas_.size(); }
  void MoveNext() {
    if (pos_ < filas_.size()) ++pos_;
  }
  void MoveFirst() { pos_ = 0; }
  // Makes row `fila` (from 0) the current one.
  void IrA(std::size_t fila) { pos_ = fila < filas_.size() ? fila : filas_.size(); }
  std::size_t RecordCount() const { return filas_.size(); }

  std::size_t FieldCount() const { return columnas_.size(); }
  const std::string& FieldName(std::size_t i) const { return columnas_.at(i).nombre; }
  const Valor& Fields(std::size_t i) const;
  const Valor& Fields(std::string_view nombre) const;
  bool TieneColumna(std::string_view nombre) const { return Indice(nombre) >= 0; }

  // Starts a new row; Set assigns its columns; Update inserts it and makes it
  // the current row (its auto-increment column filled in).
  void AddNew();
  void Set(std::string_view nombre, Valor valor);
  void Update();

  const std::string& tabla() const { return tabla_; }

 private:
  int Indice(std::string_view nombre) const;
  std::size_t IndiceObligado(std::string_view nombre) const;

  Conexion* cn_ = nullptr;
  std::string tabla_;
  std::vector<Columna> columnas_;
  std::vector<std::vector<Valor>> filas_;
  std::size_t pos_ = 0;
  bool agregando_ = false;
  std::vector<Valor> nueva_;
  std::vector<bool> asignadas_;
};

// Sends a query whose rows are read next; throws ErrorBD when the server refuses it.
void EnviaConsulta(st_mysql* m, std::string_view sql);
// The columns of a result, each read as a whole number, a number or text by its type.
std::vector<RecordSet::Columna> ColumnasDe(st_mysql_res* res);
// The position of the column of that name, any letter case; -1 when absent.
int IndiceDeColumna(const std::vector<RecordSet::Columna>& columnas, std::string_view nombre);

}  // namespace travesa
