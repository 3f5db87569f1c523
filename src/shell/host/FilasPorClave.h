#pragma once
// The rows of a table for a list of keys, read with one query instead of one
// per key. The server matches the keys by its own rules (letter case,
// trailing blanks), as a lookup of each key alone would: a key the one
// answer leaves out (see ListaDeClaves) is asked alone.
#include <cstddef>
#include <functional>
#include <map>
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

  // `soloEstas`: the table's columns the query for many keys reads (all when
  // empty); a key asked alone reads them all.
  FilasPorClave(Conexion& cn, std::string_view tabla, std::string_view columna, const std::vector<std::string>& claves,
                const Columnas& columnas = {}, std::vector<std::string> soloEstas = {});

  // The row of key `i`, as the current row of the returned record set;
  // nullptr when the table has none.
  const RecordSet* De(std::size_t i);
  // A row of the query for many keys: which part of the list, which row.
  struct Fila {
    std::size_t parte = 0;
    std::size_t fila = 0;
    bool operator==(const Fila& o) const { return parte == o.parte && fila == o.fila; }
  };
  // The row of the query for many keys that key `i` got, if it got one.
  const std::optional<Fila>& Junta(std::size_t i) const { return filaDeClave_[i]; }
  std::size_t Cuantas() const { return filaDeClave_.size(); }
  // The row of key `i` asked alone, if it was.
  const RecordSet* Suelta(std::size_t i) const { return sueltas_[i].get(); }

 private:
  // Distinct keys asked in one query.
  static constexpr std::size_t kClavesPorConsulta = 100;

  // The rows of one part of the list; the place of each row in the list,
  // with the row of the part's record set that holds it.
  std::map<std::size_t, std::size_t> LeeParte(Conexion& cn, const std::string& tabla, const ListaDeClaves& lista,
                                              const Columnas& columnas);
  void LeeJuntas(Conexion& cn, const std::string& tabla, const std::string& columna,
                 const std::vector<std::string>& claves, const Columnas& columnas);
  void LeeSueltas(Conexion& cn, const std::string& tabla, const std::string& columna,
                  const std::vector<std::string>& claves);

  std::vector<std::string> soloEstas_;
  std::vector<RecordSet> juntas_;
  std::vector<std::optional<Fila>> filaDeClave_;
  std::vector<std::unique_ptr<RecordSet>> sueltas_;
};

}  // namespace travesa
