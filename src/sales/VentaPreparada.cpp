#include "sales/VentaPreparada.h"

#include <chrono>
#include <cmath>

#include "sales/clsDescargarSQLs.h"
#include "shell/host/Conexion.h"
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

VentaPreparada VentaPreparada::Lee(Conexion& cn, unsigned id, std::vector<LineaDeVenta> lineas) {
  VentaPreparada v;
  v.id = id;
  v.lineas = std::move(lineas);
  double suma = 0;
  for (const LineaDeVenta& l : v.lineas) suma += l.importe;
  v.total = std::round(suma * 10000.0) / 10000.0;
  RecordSet cliente;
  cliente.Abre(cn, cn.Prepara("SELECT * FROM clientes WHERE Clave = ?", {Valor(v.venta().cliente)}), "clientes");
  if (cliente.Eof()) return v;
  v.clienteExiste = true;
  v.nombre = cliente.Fields("Nombre").Texto();
  v.diasCredito = static_cast<int>(cliente.Fields("DCredito").Entero());
  for (const auto& [documento, columna] : kDatosCliente)
    v.datosCliente.emplace_back(documento, cliente.Fields(columna).Texto());
  return v;
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
