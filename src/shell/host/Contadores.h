#pragma once
// The counters of the point-of-sale system, rows of `sistema` (Dato,
// Contenido). With a unique key on Dato a counter is drawn by one
// INSERT ... ON DUPLICATE KEY UPDATE that creates or advances its row, and
// several counters by one such statement of many rows. Older installations
// have no such key, and that statement would add a row at every draw: there
// the counter is advanced by an UPDATE that locks the table's rows, and a
// missing row is created once under a named lock. A single number is left in
// LAST_INSERT_ID() and read from the server's answer; several are kept in
// variables and read back in the same round trip.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace travesa {

class Conexion;

class Contadores {
 public:
  // One advance: the counter `dato` set to `siguiente`, an SQL expression that
  // reads the counter's current text as the column Contenido; `primero` is
  // the number of a counter that does not exist yet (what `siguiente` gives
  // from 0).
  struct Avance {
    std::string dato;
    std::string siguiente;
    std::string primero;
  };
  // The numbers the advances give, in order (one round trip for all when the
  // connection allows several statements). Two connections never get the
  // same number.
  static std::vector<long long> Avanza(Conexion& cn, const std::vector<Avance>& avances);
  // One counter's number and the number `pregunta` answers about it (a
  // SELECT of one number, given the drawn number as SQL), both in one round
  // trip when the connection allows several statements and Dato has its key.
  static std::pair<long long, long long> AvanzaYPregunta(
      Conexion& cn, const Avance& a, const std::function<std::string(const std::string&)>& pregunta);
  // The row of `dato` created with `inicial` when there is none; never twice,
  // with or without a key on Dato.
  static void Asegura(Conexion& cn, std::string_view dato, std::string_view inicial);

 private:
  static std::vector<long long> AvanzaSinLlave(Conexion& cn, const std::vector<Avance>& avances);
};

}  // namespace travesa
