#include "sales/Folios.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <vector>

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/Contadores.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

// The counter's number as the point-of-sale system reads it: the whole number
// its text starts with, 0 for anything else.
constexpr const char* kActual = "CAST(IF(TRIM(Contenido) REGEXP '^-?[0-9]+', TRIM(Contenido) + 0, 0) AS SIGNED)";
// How many numbers after a used one are looked at in one query.
constexpr long kVentana = 1000;

// Below any number a counter holds: "no minimum".
constexpr long kSinMinimo = -2147483647L - 1;

// Advances the counter (created when missing) to its next number, or to
// `minimo` when that is further, and returns it. The row is locked by the
// draw: two connections never get the same number, and the counter never
// goes back.
Contadores::Avance Avance(std::string_view dato, long minimo = kSinMinimo) {
  const std::string minimoSql = std::to_string(minimo);
  const std::string siguiente = std::string("GREATEST(") + kActual + " + 1, " + minimoSql + ")";
  return {std::string(dato), siguiente, "GREATEST(1, " + minimoSql + ")"};
}

long Avanza(Conexion& cnn, std::string_view dato, long minimo = kSinMinimo) {
  return static_cast<long>(Contadores::Avanza(cnn, {Avance(dato, minimo)}).front());
}

long Lee(Conexion& cnn, std::string_view dato) {
  const Valor v = cnn.Escalar(cnn.Prepara("SELECT Contenido FROM sistema WHERE Dato = ?", {Valor(dato)}));
  if (v.EsNulo()) return 0;
  return static_cast<long>(libNalda::prVal(v.Texto()));
}

// Where the numbers of a counter are used: the columns of the master table
// that hold them, within the documents of one series or of all.
struct Uso {
  std::vector<std::string> columnas;
  std::optional<std::string> serie;
};

// Orders and remissions show their folio in Factura (the desk also keeps it
// in Folio) within their series, "PE-"/"RE-" + series; a transfer's id is
// its Traspaso, whatever its series, and its number within the series
// ("TR-" + series) its NumTraspaso.
Uso UsoDelContador(const std::string& tabla, std::string_view dato) {
  const std::string_view serie = dato.size() >= 3 ? dato.substr(3) : std::string_view();
  if (tabla == "traspasos" && dato == "TRASPASO") return {{"Traspaso"}, std::nullopt};
  if (tabla == "traspasos" && texto::EmpiezaCon(dato, "TR-")) return {{"NumTraspaso", "Folio"}, std::string(serie)};
  if ((tabla == "remisiones" && texto::EmpiezaCon(dato, "RE-")) ||
      (tabla == "pedidos" && texto::EmpiezaCon(dato, "PE-")))
    return {{"Factura", "Folio"}, std::string(serie)};
  return {{"Folio"}, std::string()};
}

// Whether a document of the master table uses `numero` (an SQL expression):
// a query of one number, 0 when none does.
std::string Usado(Conexion& cnn, const std::string& tabla, const Uso& uso, const std::string& numero) {
  std::string sql;
  std::vector<Valor> valores;
  for (const std::string& columna : uso.columnas) {
    sql += (sql.empty() ? "SELECT " : " + ") + std::string("EXISTS(SELECT 1 FROM ") + IdentificadorSeguro(tabla) +
           " WHERE " + IdentificadorSeguro(columna) + " = " + numero;
    if (uso.serie) {
      sql += " AND Serie = ?";
      valores.emplace_back(*uso.serie);
    }
    sql += ")";
  }
  return cnn.Prepara(sql, valores);
}

// The first number from `desde` on that no document of the master table uses
// (at most kVentana further: the caller asks again from there).
long PrimeroLibre(Conexion& cnn, const std::string& tabla, const Uso& uso, long desde) {
  const long hasta = desde + kVentana - 1;
  std::string sql;
  std::vector<Valor> valores;
  for (const std::string& columna : uso.columnas) {
    if (!sql.empty()) sql += " UNION ALL ";
    const std::string c = IdentificadorSeguro(columna);
    sql += "SELECT " + c + " AS n FROM " + IdentificadorSeguro(tabla) + " WHERE " + c + " BETWEEN ? AND ?";
    valores.insert(valores.end(), {Valor(desde), Valor(hasta)});
    if (!uso.serie) continue;
    sql += " AND Serie = ?";
    valores.emplace_back(*uso.serie);
  }
  // In the order they come: sorting is cheaper here than on the server.
  RecordSet usados;
  usados.Abre(cnn, cnn.Prepara(sql, valores), "");
  std::set<long long> numeros;
  for (; !usados.Eof(); usados.MoveNext()) numeros.insert(usados.Fields(0).Entero());
  long libre = desde;
  while (numeros.count(libre)) ++libre;
  return libre;
}

}  // namespace

long Folios::Siguiente_Folio(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra,
                             std::string& stLlave, bool blGrabarFolio) {
  stLlave = texto::Mayusculas(stLlave);
  stTablaMaestra = texto::Minusculas(stTablaMaestra);
  if (blGrabarFolio) return Avanza(cnn, stDatoConfig);
  return Lee(cnn, stDatoConfig) + 1;
}

long Folios::Foliar_(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra, std::string& stLlave) {
  stLlave = texto::Mayusculas(stLlave);
  stTablaMaestra = texto::Minusculas(stTablaMaestra);
  const Uso uso = UsoDelContador(stTablaMaestra, stDatoConfig);
  // The number drawn is asked about in the same round trip: mostly free.
  const auto [primero, usado] = Contadores::AvanzaYPregunta(
      cnn, Avance(stDatoConfig), [&](const std::string& numero) { return Usado(cnn, stTablaMaestra, uso, numero); });
  long folio = static_cast<long>(primero);
  if (usado == 0) return folio;
  // Numbers already used are passed over by advancing the counter itself past
  // them: what it gives stays its own, and no other counter is touched.
  for (long libre = PrimeroLibre(cnn, stTablaMaestra, uso, folio); libre != folio;
       libre = PrimeroLibre(cnn, stTablaMaestra, uso, folio))
    folio = Avanza(cnn, stDatoConfig, libre);
  return folio;
}

double Folios::A2Decimales(double dbCantidad) {
  // "##########0.00": the text of the rounded number, read back.
  const double redondeado = std::round(dbCantidad * 100.0) / 100.0;
  char texto[64];
  std::snprintf(texto, sizeof texto, "%.2f", redondeado);
  return libNalda::prVal(texto);
}

}  // namespace travesa
