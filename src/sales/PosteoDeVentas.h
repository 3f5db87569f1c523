#pragma once
// The posting run over the staged sales: each sale becomes one ticket, order
// or remission, in one transaction with its lines, stock movements or
// reservations, account entries and the counters it drew. A sale whose
// document already exists is skipped; a sale that fails is rolled back whole,
// written to the log, and the run goes on with the next one.
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sales/ContextoDePosteo.h"
#include "sales/LibreDeProductos.h"
#include "sales/ResultadoVentas.h"
#include "sales/VentaPreparada.h"

namespace travesa {

class BasesDD;
class FilasPorClave;
class Historial;
struct DocumentoDelHistorial;
class BitacoraDeArchivos;
class Conexion;
class VentasEnEspera;
struct TipoDeDocumento;

class PosteoDeVentas {
 public:
  // Every sale becomes a document of kind `tipo`. `serie` as the operator
  // chose it ("N/A" or empty for none). Reads the run's settings once.
  PosteoDeVentas(Conexion& cn, const BasesDD& bd, const TipoDeDocumento& tipo, bool blSinExist, std::string_view serie);
  PosteoDeVentas(const PosteoDeVentas&) = delete;
  PosteoDeVentas& operator=(const PosteoDeVentas&) = delete;

  // Posts every staged sale; the Ids of the sales that failed are added to
  // `fallidas`.
  void Graba(VentasEnEspera& espera, ResultadoVentas& resultado, BitacoraDeArchivos& bitacora,
             std::set<unsigned>& fallidas);
  // Where each document posted and each sale that failed is also recorded.
  void AlHistorial(Historial& historial) { historial_ = &historial; }

  // The log entry of a sale that could not be staged or posted.
  static std::string TextoDeFalla(const VentaFallida& f);
  // The log entry of a sale posted to a client missing from `clientes`.
  static std::string TextoDeDesconocido(const VentaPosteada& p);
  // The first line of an error's text (the database's own message).
  static std::string Motivo(const std::exception& e);

 private:
  // The products of all the sales' lines, in one query.
  std::unique_ptr<FilasPorClave> LeeProductos(std::vector<VentaPreparada>& ventas);
  std::vector<std::string> ColumnasDeProductos();
  // Whether each sale was posted before, in one query.
  std::vector<bool> YaPosteadas(const std::vector<VentaPreparada>& ventas);
  void GrabaVenta(VentaPreparada venta, std::optional<bool> yaPosteada, ResultadoVentas& resultado,
                  BitacoraDeArchivos& bitacora, std::set<unsigned>& fallidas);
  static DocumentoDelHistorial AlHistorial(const VentaPreparada& v, const VentaPosteada& p);

  ContextoDePosteo contexto_;
  const TipoDeDocumento& tipo_;
  LibreDeProductos libre_;
  Historial* historial_ = nullptr;
};

}  // namespace travesa
