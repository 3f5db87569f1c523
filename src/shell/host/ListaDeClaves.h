#pragma once
// Rows looked up by many keys with one query, the server comparing the keys
// by its own rules (letter case, trailing blanks), as a lookup of each key
// alone would. Posicion() is "FIELD(columna,?,...)": for each row, the place
// (from 1) of the first key of the list the server takes as the row's own;
// Filtro() is "columna IN (?,...)". Each takes the keys as its values, in
// order (Valores). A key the answer leaves out is either not there or
// another spelling of a key listed before it: only asking it alone tells.
#include <map>
#include <string>
#include <vector>

#include "shell/host/Valor.h"

namespace travesa {

class ListaDeClaves {
 public:
  // `claves` may repeat: each text is listed once, in the order first met.
  ListaDeClaves(std::string columna, const std::vector<std::string>& claves);

  bool Vacia() const { return claves_.empty(); }
  std::size_t Cuantas() const { return claves_.size(); }
  std::string Posicion() const { return "FIELD(" + columna_ + "," + marcas_ + ")"; }
  std::string Filtro() const { return columna_ + " IN (" + marcas_ + ")"; }
  // The keys, `veces` times over: once for each Posicion() or Filtro() used.
  std::vector<Valor> Valores(std::size_t veces = 1) const;
  // The key at place `posicion` (from 1, as FIELD gives it); nullptr outside the list.
  const std::string* Clave(long long posicion) const;
  // The place (from 1) of a key of the list, written exactly the same.
  std::size_t Lugar(const std::string& clave) const { return lugar_.at(clave); }
  bool Tiene(const std::string& clave) const { return lugar_.count(clave) != 0; }

 private:
  std::string columna_;
  std::vector<std::string> claves_;
  std::map<std::string, std::size_t> lugar_;
  std::string marcas_;
};

}  // namespace travesa
