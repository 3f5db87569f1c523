#include "shell/host/RecordSetSecuencial.h"

#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {

void RecordSetSecuencial::Abre(Conexion& cn, std::string_view sql) {
  Close();
  MYSQL* m = cn.ParaEnviar();
  sql_ = std::string(sql.substr(0, 500));
  EnviaConsulta(m, sql);
  res_ = mysql_use_result(m);
  if (res_ == nullptr) throw ErrorBD("La consulta no devolvió filas: " + sql_ + ": " + mysql_error(m));
  mysql_ = m;
  columnas_ = ColumnasDe(res_);
  Siguiente();
}

void RecordSetSecuencial::Close() {
  // Freeing a result read by parts first reads what the server still sends.
  if (res_ != nullptr) mysql_free_result(res_);
  res_ = nullptr;
  mysql_ = nullptr;
  fila_ = nullptr;
  largos_ = nullptr;
  columnas_.clear();
}

void RecordSetSecuencial::MoveNext() {
  if (fila_ != nullptr) Siguiente();
}

void RecordSetSecuencial::Siguiente() {
  fila_ = mysql_fetch_row(res_);
  if (fila_ != nullptr) {
    largos_ = mysql_fetch_lengths(res_);
    return;
  }
  // The end of the rows, or a connection lost on the way: the second must not
  // pass for a shorter result.
  if (mysql_errno(mysql_) == 0) return;
  MYSQL* m = mysql_;
  const unsigned numero = mysql_errno(m);
  const std::string texto = mysql_error(m);
  Close();
  LanzaErrorBD(m, numero, texto, sql_);
}

std::size_t RecordSetSecuencial::Columna(std::string_view nombre) const {
  const int i = IndiceDeColumna(columnas_, nombre);
  if (i < 0) throw ErrorBD("La consulta no tiene la columna «" + std::string(nombre) + "»: " + sql_);
  return static_cast<std::size_t>(i);
}

Valor RecordSetSecuencial::Fields(std::size_t i) const {
  if (EsNulo(i)) return {};
  return Valor::DesdeBD(fila_[i], largos_[i], columnas_[i].tipo);
}

}  // namespace travesa
