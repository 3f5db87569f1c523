#pragma once
// One staged sale made ready to post: its lines (the first one carries the
// sale's own values: date, time, seller, client, payment text, note and
// payment amounts), its total and line count, and what the document copies
// from the client. A client missing from `clientes` gives an empty name, no
// address and 0 credit days.
#include <string>
#include <utility>
#include <vector>

#include "sales/LineaDeVenta.h"

namespace travesa {

class Conexion;
class FilasPorClave;
class RecordSet;

class VentaPreparada {
 public:
  static VentaPreparada Lee(Conexion& cn, unsigned id, std::vector<LineaDeVenta> lineas);
  // The sale without its client's values, for LeeClientes.
  static VentaPreparada SinCliente(unsigned id, std::vector<LineaDeVenta> lineas);
  // The clients of many sales, read together.
  static void LeeClientes(Conexion& cn, std::vector<VentaPreparada>& ventas);

  unsigned id = 0;
  std::vector<LineaDeVenta> lineas;
  double total = 0;  // the sum of the line amounts, to four decimals
  bool clienteExiste = false;
  std::string nombre;
  int diasCredito = 0;
  // The document's client columns and their values, NULL read as empty.
  std::vector<std::pair<std::string, std::string>> datosCliente;
  // The products of its lines when they were read with its block of sales,
  // from row `primeraLinea` on; null when they are read with the sale.
  FilasPorClave* productos = nullptr;
  std::size_t primeraLinea = 0;

  const LineaDeVenta& venta() const { return lineas.front(); }
  int Partidas() const { return static_cast<int>(lineas.size()); }
  // The device of the file the sale came from ("ventas_<device>_...").
  std::string Dispositivo() const;
  // The sale's date plus `dias` days, "yyyy-mm-dd".
  std::string FechaMas(int dias) const;

 private:
  void TomaCliente(const RecordSet& cliente);
};

}  // namespace travesa
