#pragma once
// Document numbers of orders, remissions and transfers, drawn from the
// counters in `sistema` so that documents made on the desk and documents
// imported from the phones never share a number.
//
// Each draw is atomic: the counter row is advanced with one statement that
// locks it, so inside a transaction a second desk waits until the first
// commits (or rolls back, which gives the number back) and then draws the
// next one. A counter missing from `sistema` is created on its first use.
#include <string>
#include <string_view>

namespace travesa {

class Conexion;

class Folios {
 public:
  // The counter's next number. `tablaMaestra` is lowered and `llave` raised
  // (the callers of the point-of-sale system read them back). With
  // `grabarFolio` the counter is advanced to that number.
  static long Siguiente_Folio(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra,
                              std::string& stLlave, bool blGrabarFolio);
  // The folio to use: the counter's next number that no document of the
  // master table uses yet. Orders ("PE-" + series) and remissions ("RE-" +
  // series) look at the documents of their own series; the transfer id
  // ("TRASPASO") at every transfer, its number ("TR-" + series) at the
  // transfers of its series. Used numbers are passed over by advancing the
  // counter itself, so it ends on the number given and no other counter moves.
  static long Foliar_(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra, std::string& stLlave);
  // Rounded to two decimals, halves away from zero.
  static double A2Decimales(double dbCantidad);
};

}  // namespace travesa
