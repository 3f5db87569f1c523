#pragma once
// One SQLite database file, opened for the ledger: write-ahead log so the
// window and the service of one desk write to it at the same time, and a
// busy timeout so one waits for the other instead of failing.
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace travesa {

class BaseSqlite {
 public:
  using Dato = std::variant<std::nullptr_t, long long, double, std::string>;

  // Throws ErrorTravesa when the file cannot be opened.
  explicit BaseSqlite(const std::filesystem::path& archivo);
  ~BaseSqlite();
  BaseSqlite(const BaseSqlite&) = delete;
  BaseSqlite& operator=(const BaseSqlite&) = delete;

  // Statements without rows, separated by ";".
  void Guion(std::string_view sql);
  // One statement with its "?" bound in order; returns the new row's id.
  long long Ejecuta(std::string_view sql, const std::vector<Dato>& valores = {});

  // `escribe` in one transaction: all of it or, when it throws, nothing.
  void EnTransaccion(const std::function<void()>& escribe);

  // The rows of a query, every column as text ("" for NULL).
  using Fila = std::vector<std::string>;
  std::vector<Fila> Consulta(std::string_view sql, const std::vector<Dato>& valores = {});

 private:
  // The statement, prepared once per text and kept, with the values bound.
  sqlite3_stmt* Prepara(std::string_view sql, const std::vector<Dato>& valores);
  [[noreturn]] void Falla(std::string_view que);

  sqlite3* db_ = nullptr;
  std::map<std::string, sqlite3_stmt*, std::less<>> preparadas_;
  std::filesystem::path archivo_;
};

}  // namespace travesa
