#pragma once
// The staging table `tmpventassql`: the lines of the sales read in one run,
// one sale (one future document) being the lines of one `Id`. It lives only
// during a run, under the run's named lock.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sales/LineaDeVenta.h"

namespace travesa {

class Conexion;

class VentasEnEspera {
 public:
  static constexpr const char* kBorrar = "DROP TABLE IF EXISTS tmpventassql";

  explicit VentasEnEspera(Conexion& cn) : cn_(cn) {}

  void Borra();
  // Client, seller and product columns as wide as those of the document
  // tables they feed (`tablaDocumento`, `tablaDetalle`), so a value the
  // document accepts is never refused here.
  void Crea(std::string_view tablaDocumento, std::string_view tablaDetalle);
  // For each sale (its first line), the Id of the sale already staged with
  // its date, time, seller and client; one query for all of them.
  std::vector<std::optional<unsigned>> YaEstan(const std::vector<const LineaDeVenta*>& primeras);
  // The lines of one sale, in one statement: all of them or none.
  void Agrega(unsigned id, const std::vector<LineaDeVenta>& lineas);
  // The lines of many sales (Id, lines), in one statement: all of them or none.
  void AgregaVarias(const std::vector<std::pair<unsigned, const std::vector<LineaDeVenta>*>>& ventas);
  // The lines of these sales taken out again.
  void Quita(const std::vector<unsigned>& ids);
  // Every staged sale, by Id.
  std::vector<unsigned> Ids();
  // The lines of the sales with Ids from `desde` to `hasta`, by Id, each
  // sale's lines in the order they were read; one query for all of them.
  std::map<unsigned, std::vector<LineaDeVenta>> Lineas(unsigned desde, unsigned hasta);

 private:
  std::string ConsultaYaEsta(const LineaDeVenta& l);
  unsigned Ancho(std::string_view tabla, std::string_view columna, unsigned porOmision);

  Conexion& cn_;
};

}  // namespace travesa
