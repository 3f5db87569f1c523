#include "sales/SalidaDeAlmacen.h"

#include <map>

#include "shell/host/LlaveUnica.h"
#include "shell/host/Lote.h"
#include "shell/host/RecordSet.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr int kTipoVenta = 0;  // histalmacen.Tipo of a sale

std::string Variable(std::size_t i) { return "@travesa_existencia" + std::to_string(i + 1); }

}  // namespace

SalidaDeAlmacen::SalidaDeAlmacen(std::string vendedor, std::string cliente, std::string nombreCliente)
    : vendedor_(std::move(vendedor)), cliente_(std::move(cliente)), nombreCliente_(std::move(nombreCliente)) {}

void SalidaDeAlmacen::Agrega(const RecordSet& producto, double cantidad, std::string fecha, std::string referencia) {
  salidas_.push_back({producto.Fields("Clave").Texto(), cantidad, std::move(fecha), std::move(referencia)});
}

// One statement for the sale: each product's row goes down by its lines in
// turn, each line's variable keeping the stock it left. The codes are the
// rows' own keys, so each row meets one WHEN.
std::string SalidaDeAlmacen::Existencias(Conexion& cn) const {
  std::vector<std::string> claves;
  std::map<std::string, std::vector<std::size_t>> lineasDe;
  for (std::size_t i = 0; i < salidas_.size(); ++i) {
    std::vector<std::size_t>& lineas = lineasDe[salidas_[i].clave];
    if (lineas.empty()) claves.push_back(salidas_[i].clave);
    lineas.push_back(i);
  }
  std::string casos, lista;
  std::vector<Valor> valores;
  for (const std::string& clave : claves) {
    std::string existencia = "Existencia";
    valores.emplace_back(clave);
    for (const std::size_t i : lineasDe[clave]) {
      existencia = "(" + Variable(i) + " := " + existencia + " - ?)";
      valores.emplace_back(salidas_[i].cantidad);
    }
    casos += " WHEN ? THEN " + existencia;
    lista += lista.empty() ? "?" : ",?";
  }
  for (const std::string& clave : claves) valores.emplace_back(clave);
  return cn.Prepara(
      "UPDATE productos SET Existencia = CASE Clave" + casos + " ELSE Existencia END WHERE Clave IN (" + lista + ")",
      valores);
}

void SalidaDeAlmacen::Graba(Lote& lote) {
  if (salidas_.empty()) return;
  // A variable left by an earlier sale must never reach the history: if a
  // product disappears meanwhile, its row is refused (Existencia is NOT NULL).
  std::string limpia = "SET ";
  for (std::size_t i = 0; i < salidas_.size(); ++i) limpia += (i ? ", " : "") + Variable(i) + " = NULL";
  lote.Execute(limpia);
  if (LlaveUnica::Tiene(lote.cn(), "productos", "Clave")) {
    lote.Execute(Existencias(lote.cn()));
  } else {
    // Without the key two codes may name the same rows: line by line.
    for (std::size_t i = 0; i < salidas_.size(); ++i) {
      lote.Execute(
          lote.cn().Prepara("UPDATE productos SET Existencia = (" + Variable(i) + " := Existencia - ?) WHERE Clave = ?",
                            {Valor(salidas_[i].cantidad), Valor(salidas_[i].clave)}));
    }
  }
  const std::string hora = libNalda::Ahora("%H:%M:%S");
  std::vector<std::vector<Valor>> filas;
  std::vector<Conexion::Expresion> existencias;
  for (std::size_t i = 0; i < salidas_.size(); ++i) {
    const Salida& s = salidas_[i];
    filas.push_back({Valor(s.fecha), Valor(hora), Valor(vendedor_), Valor(s.clave), Valor(kTipoVenta),
                     Valor(s.cantidad), Valor(), Valor(s.referencia), Valor(cliente_), Valor(nombreCliente_)});
    existencias.push_back({i, 6, Variable(i)});
  }
  lote.InsertaFilas("histalmacen",
                    {"Fecha", "Hora", "Vendedor", "Producto", "Tipo", "Cantidad", "Existencia", "Referencia", "Cliente",
                     "NombreCliente"},
                    filas, existencias);
}

}  // namespace travesa
