#pragma once
// The rows of a table for a list of keys, read with one query instead of one
// per key. The server matches the keys by its own rules (letter case,
// trailing blanks), as a lookup of each key alone would: a key the one
// answer leaves out (see ListaDeClaves) is asked alone.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/host/RecordSet.h"
#include "shell/host/Valor.h"

namespace travesa {

class Conexion;
class ListaDeClaves;

class FilasPorClave {
 public:
  // Columns the one query adds before the table's own ("expr AS name, ..."),
  // with their values, given the list of keys (for Posicion()).
  using Columnas = std::function<std::pair<std::string, std::vector<Valor>>(const ListaDeClaves&)>;

  FilasPorClave(Conexion& cn, std::string_view tabla, std::string_view columna, const std::vector<std::string>& claves,
                const Columnas& columnas = {});

  // The row of key `i`, as the current row of the returned record set;
  // nullptr when the table has none.
  const RecordSet* De(std::size_t i);
  // The row of the one query that key `i` got, if it got one.
  const std::optional<std::size_t>& Junta(std::size_t i) const { return filaDeClave_[i]; }
  std::size_t Cuantas() const { return filaDeClave_.size(); }
  // The row of key `i` asked alone, if it was.
  const RecordSet* Suelta(std::size_t i) const { return sueltas_[i].get(); }

 private:
  void LeeJuntas(Conexion& cn, const std::string& tabla, const std::string& columna,
                 const std::vector<std::string>& claves, const Columnas& columnas);
  void LeeSueltas(Conexion& cn, const std::string& tabla, const std::string& columna,
                  const std::vector<std::string>& claves);

  RecordSet juntas_;
  std::vector<std::optional<std::size_t>> filaDeClave_;
  std::vector<std::unique_ptr<RecordSet>> sueltas_;
};

}  // namespace travesa
