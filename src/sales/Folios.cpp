#include "sales/Folios.h"

#include <cmath>
#include <cstdio>

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

// The counter's number as the point-of-sale system reads it: the whole number
// its text starts with, 0 for anything else.
constexpr const char* kActual =
    "CAST(IF(TRIM(Contenido) REGEXP '^-?[0-9]+', TRIM(Contenido) + 0, 0) AS SIGNED)";

long Avanza(Conexion& cnn, std::string_view dato) {
  cnn.Execute(cnn.Prepara(std::string("INSERT INTO sistema (Dato, Contenido) VALUES (?, "
                                      "LAST_INSERT_ID(1)) ON DUPLICATE KEY UPDATE Contenido = "
                                      "LAST_INSERT_ID(") +
                              kActual + " + 1)",
                          {Valor(dato)}));
  return static_cast<long>(cnn.UltimoId());
}

long Lee(Conexion& cnn, std::string_view dato) {
  const Valor v =
      cnn.Escalar(cnn.Prepara("SELECT Contenido FROM sistema WHERE Dato = ?", {Valor(dato)}));
  if (v.EsNulo()) return 0;
  return static_cast<long>(libNalda::prVal(v.Texto()));
}

void Guarda(Conexion& cnn, std::string_view dato, long numero) {
  cnn.Execute(cnn.Prepara("INSERT INTO sistema (Dato, Contenido) VALUES (?, ?) "
                          "ON DUPLICATE KEY UPDATE Contenido = VALUES(Contenido)",
                          {Valor(dato), Valor(std::to_string(numero))}));
}

bool FolioUsado(Conexion& cnn, const std::string& tabla, long folio) {
  return !cnn.Escalar("SELECT 1 FROM " + IdentificadorSeguro(tabla) +
                      " WHERE folio=" + std::to_string(folio) + " AND serie = '' LIMIT 1")
              .EsNulo();
}

}  // namespace

long Folios::Siguiente_Folio(Conexion& cnn, std::string_view stDatoConfig,
                             std::string& stTablaMaestra, std::string& stLlave,
                             bool blGrabarFolio) {
  stLlave = texto::Mayusculas(stLlave);
  stTablaMaestra = texto::Minusculas(stTablaMaestra);
  if (blGrabarFolio) return Avanza(cnn, stDatoConfig);
  return Lee(cnn, stDatoConfig) + 1;
}

long Folios::Foliar_(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra,
                     std::string& stLlave) {
  long i = Siguiente_Folio(cnn, stDatoConfig, stTablaMaestra, stLlave, true);
  bool salto = false;
  while (FolioUsado(cnn, stTablaMaestra, i)) {
    ++i;
    salto = true;
  }
  if (!salto) return i;
  if (stTablaMaestra == "traspasos") {
    Guarda(cnn, stDatoConfig, i);
  } else {
    Guarda(cnn, stTablaMaestra == "remisiones" ? "RE-" : "PE-", i);
  }
  return i;
}

double Folios::A2Decimales(double dbCantidad) {
  // "##########0.00": the text of the rounded number, read back.
  const double redondeado = std::round(dbCantidad * 100.0) / 100.0;
  char texto[64];
  std::snprintf(texto, sizeof texto, "%.2f", redondeado);
  return libNalda::prVal(texto);
}

}  // namespace travesa
