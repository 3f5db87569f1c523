#include "shell/host/RecordSet.h"

#include <mysql.h>

#include <memory>

#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

Valor::Tipo TipoDe(const MYSQL_FIELD& f) {
  switch (f.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
      return Valor::Tipo::Entero;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
      return Valor::Tipo::Real;
    default:
      return Valor::Tipo::Texto;
  }
}

const Valor& Nulo() {
  static const Valor v;
  return v;
}

}  // namespace

void RecordSet::Abre(Conexion& cn, std::string_view sql, std::string tabla) {
  Close();
  MYSQL* m = cn.ParaEnviar();
  EnviaConsulta(m, sql);
  std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)> res(mysql_store_result(m), &mysql_free_result);
  if (!res) {
    throw ErrorBD("La consulta no devolvió filas: " + std::string(sql.substr(0, 500)) + ": " + mysql_error(m));
  }
  columnas_ = ColumnasDe(res.get());
  const std::size_t n = columnas_.size();
  while (MYSQL_ROW fila = mysql_fetch_row(res.get())) {
    const unsigned long* largos = mysql_fetch_lengths(res.get());
    std::vector<Valor> valores;
    valores.reserve(n);
    for (std::size_t i = 0; i < n; ++i) valores.push_back(Valor::DesdeBD(fila[i], largos[i], columnas_[i].tipo));
    filas_.push_back(std::move(valores));
  }
  cn_ = &cn;
  tabla_ = std::move(tabla);
  pos_ = 0;
}

void EnviaConsulta(MYSQL* m, std::string_view sql) {
  if (mysql_real_query(m, sql.data(), sql.size()) != 0) LanzaErrorBD(m, mysql_errno(m), mysql_error(m), sql);
}

std::vector<RecordSet::Columna> ColumnasDe(MYSQL_RES* res) {
  const unsigned n = mysql_num_fields(res);
  const MYSQL_FIELD* campos = mysql_fetch_fields(res);
  std::vector<RecordSet::Columna> columnas;
  columnas.reserve(n);
  for (unsigned i = 0; i < n; ++i) {
    columnas.push_back(RecordSet::Columna{campos[i].name, campos[i].org_name ? campos[i].org_name : campos[i].name,
                                          TipoDe(campos[i]), (campos[i].flags & AUTO_INCREMENT_FLAG) != 0});
  }
  return columnas;
}

void RecordSet::Close() {
  cn_ = nullptr;
  tabla_.clear();
  columnas_.clear();
  filas_.clear();
  pos_ = 0;
  agregando_ = false;
  nueva_.clear();
  asignadas_.clear();
}

int IndiceDeColumna(const std::vector<RecordSet::Columna>& columnas, std::string_view nombre) {
  for (std::size_t i = 0; i < columnas.size(); ++i)
    if (texto::IgualesSinMayusculas(columnas[i].nombre, nombre)) return static_cast<int>(i);
  return -1;
}

int RecordSet::Indice(std::string_view nombre) const { return IndiceDeColumna(columnas_, nombre); }

std::size_t RecordSet::IndiceObligado(std::string_view nombre) const {
  const int i = Indice(nombre);
  if (i < 0) {
    throw ErrorBD("La tabla «" + tabla_ + "» no tiene la columna «" + std::string(nombre) + "» en la consulta.");
  }
  return static_cast<std::size_t>(i);
}

const Valor& RecordSet::Fields(std::size_t i) const {
  if (Eof() || i >= columnas_.size()) return Nulo();
  return filas_[pos_][i];
}

const Valor& RecordSet::Fields(std::string_view nombre) const {
  const std::size_t i = IndiceObligado(nombre);
  if (Eof()) return Nulo();
  return filas_[pos_][i];
}

void RecordSet::AddNew() {
  if (cn_ == nullptr) throw ErrorBD("El conjunto de registros no está abierto.");
  agregando_ = true;
  nueva_.assign(columnas_.size(), Valor());
  asignadas_.assign(columnas_.size(), false);
}

void RecordSet::Set(std::string_view nombre, Valor valor) {
  if (!agregando_) throw ErrorBD("Se asignó «" + std::string(nombre) + "» sin AddNew.");
  const std::size_t i = IndiceObligado(nombre);
  nueva_[i] = std::move(valor);
  asignadas_[i] = true;
}

void RecordSet::Update() {
  if (!agregando_) return;
  std::vector<std::string> nombres;
  std::vector<Valor> valores;
  for (std::size_t i = 0; i < columnas_.size(); ++i) {
    if (!asignadas_[i]) continue;
    nombres.push_back(columnas_[i].original);
    valores.push_back(nueva_[i]);
  }
  const unsigned long long id = cn_->Inserta(tabla_, nombres, valores);
  for (std::size_t i = 0; i < columnas_.size(); ++i) {
    if (!columnas_[i].autoIncremento) continue;
    nueva_[i] = Valor(static_cast<long long>(id));
    cn_->RecuerdaInsercion(tabla_, columnas_[i].original, id);
  }
  filas_.push_back(std::move(nueva_));
  pos_ = filas_.size() - 1;
  agregando_ = false;
  nueva_.clear();
  asignadas_.clear();
}

}  // namespace travesa
