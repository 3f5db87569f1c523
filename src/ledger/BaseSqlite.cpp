#include "ledger/BaseSqlite.h"

#include <sqlite3.h>

#include <memory>

#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

constexpr int kEsperaMs = 10000;

// Leaves a kept statement ready for its next use.
struct Reinicia {
  void operator()(sqlite3_stmt* s) const {
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
  }
};
using Sentencia = std::unique_ptr<sqlite3_stmt, Reinicia>;

}  // namespace

BaseSqlite::BaseSqlite(const std::filesystem::path& archivo) : archivo_(archivo) {
  if (sqlite3_open_v2(archivo.string().c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK) {
    const std::string motivo = db_ ? sqlite3_errmsg(db_) : "sin memoria";
    sqlite3_close(db_);
    db_ = nullptr;
    throw ErrorTravesa("No se pudo abrir el historial «" + archivo.string() + "»: " + motivo);
  }
  sqlite3_busy_timeout(db_, kEsperaMs);
  Guion("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON");
}

BaseSqlite::~BaseSqlite() {
  for (auto& [texto, s] : preparadas_) sqlite3_finalize(s);
  sqlite3_close(db_);
}

void BaseSqlite::Falla(std::string_view que) {
  throw ErrorTravesa("Error del historial «" + archivo_.string() + "» (" + std::string(que.substr(0, 200)) +
                     "): " + sqlite3_errmsg(db_));
}

void BaseSqlite::Guion(std::string_view sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string texto = error ? error : "";
    sqlite3_free(error);
    throw ErrorTravesa("Error del historial «" + archivo_.string() + "»: " + texto);
  }
}

sqlite3_stmt* BaseSqlite::Prepara(std::string_view sql, const std::vector<Dato>& valores) {
  sqlite3_stmt* s = nullptr;
  if (const auto hallada = preparadas_.find(sql); hallada != preparadas_.end()) {
    s = hallada->second;
  } else {
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &s, nullptr) != SQLITE_OK) Falla(sql);
    preparadas_.emplace(std::string(sql), s);
  }
  for (std::size_t i = 0; i < valores.size(); ++i) {
    const int n = static_cast<int>(i + 1);
    const Dato& v = valores[i];
    int rc = SQLITE_OK;
    if (std::holds_alternative<long long>(v))
      rc = sqlite3_bind_int64(s, n, std::get<long long>(v));
    else if (std::holds_alternative<double>(v))
      rc = sqlite3_bind_double(s, n, std::get<double>(v));
    else if (std::holds_alternative<std::string>(v))
      rc = sqlite3_bind_text(s, n, std::get<std::string>(v).data(), static_cast<int>(std::get<std::string>(v).size()),
                             SQLITE_TRANSIENT);
    else
      rc = sqlite3_bind_null(s, n);
    if (rc != SQLITE_OK) {
      Reinicia()(s);
      Falla(sql);
    }
  }
  return s;
}

void BaseSqlite::EnTransaccion(const std::function<void()>& escribe) {
  Guion("BEGIN");
  try {
    escribe();
  } catch (...) {
    Guion("ROLLBACK");
    throw;
  }
  Guion("COMMIT");
}

long long BaseSqlite::Ejecuta(std::string_view sql, const std::vector<Dato>& valores) {
  const Sentencia s(Prepara(sql, valores));
  int rc;
  while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) Falla(sql);
  return sqlite3_last_insert_rowid(db_);
}

std::vector<BaseSqlite::Fila> BaseSqlite::Consulta(std::string_view sql, const std::vector<Dato>& valores) {
  const Sentencia s(Prepara(sql, valores));
  std::vector<Fila> filas;
  int rc;
  while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
    Fila f;
    const int columnas = sqlite3_column_count(s.get());
    for (int c = 0; c < columnas; ++c) {
      const unsigned char* t = sqlite3_column_text(s.get(), c);
      f.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
    }
    filas.push_back(std::move(f));
  }
  if (rc != SQLITE_DONE) Falla(sql);
  return filas;
}

}  // namespace travesa
