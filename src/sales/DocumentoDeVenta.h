#pragma once
// What orders and remissions share: the duplicate test, the folio of the
// series, the header columns taken from the sale and its client, and the
// document lines.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/host/Valor.h"

namespace travesa {

class Conexion;
class Lote;
class RecordSet;
struct ContextoDePosteo;
struct LineaDeVenta;
class VentaPreparada;

class DocumentoDeVenta {
 public:
  // Columns and values of one row to insert.
  struct Campos {
    std::vector<std::string> columnas;
    std::vector<Valor> valores;
    void Agrega(std::string columna, Valor valor) {
      columnas.push_back(std::move(columna));
      valores.push_back(std::move(valor));
    }
  };

  // A document of the table with the sale's date, time (first 8 characters),
  // client and seller already exists.
  static std::string ConsultaYaExiste(Conexion& cn, std::string_view tabla, const VentaPreparada& v);
  // The folio from the counter `prefijo` + series ("PE-", "RE-").
  static long Folio(const ContextoDePosteo& c, std::string_view prefijo, std::string_view tabla);
  // Factura, Serie, Fecha, Vence, Hora, Vendedor.
  static Campos Cabecera(const ContextoDePosteo& c, const VentaPreparada& v, long folio, const std::string& vence);
  // Cliente, Usuario, SubTotal, Nombre, nota, OtraLlave (phone "bajaventaslini0")
  // and the client's data when the client exists.
  static void Cliente(Campos& campos, const VentaPreparada& v);
  // A line of `pedidosdetalle` or `remisionesdetalle`; the product's columns
  // only when it was found.
  static Campos Linea(long long id, int partida, const LineaDeVenta& l, const RecordSet* producto);
  // A sale's document lines in `tablaDetalle`, each made by `linea` from its
  // number (from 1), the sale's line and its product (null when not found),
  // and the stock they take out of the warehouse under `referencia` + the
  // line number; all as writes of `lote`, with one query for the products.
  using HazLinea = std::function<Campos(int partida, const LineaDeVenta& l, const RecordSet* producto)>;
  static void GrabaLineasYSalida(Lote& lote, const VentaPreparada& v, std::string_view tablaDetalle,
                                 const std::string& referencia, const HazLinea& linea);
  // The document's lines, each run of lines with the same columns in one
  // statement (lines of products not found carry fewer columns).
  static void InsertaLineas(Lote& lote, std::string_view tablaDetalle, const std::vector<Campos>& lineas);
  // Removes any line left under the new document's Id.
  static void LimpiaLineas(Lote& lote, std::string_view tablaDetalle, long long id);
};

}  // namespace travesa
