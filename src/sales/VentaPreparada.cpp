#include "sales/VentaPreparada.h"

#include <chrono>
#include <cmath>

#include "sales/clsDescargarSQLs.h"
#include "shell/host/Conexion.h"
#include "shell/host/FilasPorClave.h"
#include "shell/host/RecordSet.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

// Document column, client column.
constexpr std::pair<const char*, const char*> kDatosCliente[] = {{"Telefono", "Telefono1"},
                                                                 {"Domicilio", "Domicilio"},
                                                                 {"CP", "CP"},
                                                                 {"Colonia", "Colonia"},
                                                                 {"Ciudad", "Ciudad"},
                                                                 {"Estado", "Estado"},
                                                                 {"RFC", "RFC"},
                                                                 {"Calle", "Calle"},
                                                                 {"NumExterior", "NumExterior"},
                                                                 {"NumInterior", "NumInterior"},
                                                                 {"ReferenciaDomic", "ReferenciaDomic"},
                                                                 {"Localidad", "Localidad"},
                                                                 {"Pais", "Pais"}};

}  // namespace

VentaPreparada VentaPreparada::SinCliente(unsigned id, std::vector<LineaDeVenta> lineas) {
  VentaPreparada v;
  v.id = id;
  v.lineas = std::move(lineas);
  double suma = 0;
  for (const LineaDeVenta& l : v.lineas) suma += l.importe;
  v.total = std::round(suma * 10000.0) / 10000.0;
  return v;
}

VentaPreparada VentaPreparada::Lee(Conexion& cn, unsigned id, std::vector<LineaDeVenta> lineas) {
  VentaPreparada v = SinCliente(id, std::move(lineas));
  RecordSet cliente;
  cliente.Abre(cn, cn.Prepara("SELECT * FROM clientes WHERE Clave = ?", {Valor(v.venta().cliente)}), "clientes");
  if (!cliente.Eof()) v.TomaCliente(cliente);
  return v;
}

void VentaPreparada::LeeClientes(Conexion& cn, std::vector<VentaPreparada>& ventas) {
  std::vector<std::string> claves;
  for (const VentaPreparada& v : ventas) claves.push_back(v.venta().cliente);
  // Only the columns the documents copy: a row of clientes is wide.
  std::vector<std::string> columnas = {"Clave", "Nombre", "DCredito"};
  for (const auto& [documento, columna] : kDatosCliente) columnas.emplace_back(columna);
  FilasPorClave clientes(cn, "clientes", "Clave", claves, FilasPorClave::Columnas(), columnas);
  for (std::size_t i = 0; i < ventas.size(); ++i)
    if (const RecordSet* cliente = clientes.De(i)) ventas[i].TomaCliente(*cliente);
}

void VentaPreparada::TomaCliente(const RecordSet& cliente) {
  clienteExiste = true;
  nombre = cliente.Fields("Nombre").Texto();
  diasCredito = static_cast<int>(cliente.Fields("DCredito").Entero());
  datosCliente.clear();
  for (const auto& [documento, columna] : kDatosCliente)
    datosCliente.emplace_back(documento, cliente.Fields(columna).Texto());
}

std::string VentaPreparada::Dispositivo() const { return clsDescargarSQLs::Dispositivo(venta().archivo); }

std::string VentaPreparada::FechaMas(int dias) const {
  const std::string& f = venta().fecha;
  const int anio = static_cast<int>(libNalda::prVal(f.substr(0, 4)));
  const unsigned mes = static_cast<unsigned>(libNalda::prVal(f.substr(5, 2)));
  const unsigned dia = static_cast<unsigned>(libNalda::prVal(f.substr(8, 2)));
  const std::chrono::sys_days base{std::chrono::year(anio) / std::chrono::month(mes) / std::chrono::day(dia)};
  return libNalda::FechaSQL(std::chrono::year_month_day{base + std::chrono::days(dias)});
}

}  // namespace travesa
