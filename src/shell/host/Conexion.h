#pragma once
// One connection to the Norvento MariaDB/MySQL server (MariaDB Connector/C).
// The client's own types are only named here; what calls the client's
// functions includes <mysql.h> itself.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "shell/host/ColumnasDeTexto.h"
#include "shell/host/Valor.h"

struct st_mysql;
struct st_mysql_stmt;

namespace travesa {

struct DatosConexion {
  std::string servidor;
  unsigned puerto = 3306;
  std::string usuario;
  std::string password;
  std::string base;  // empty: no database selected

  // "server:port/database": what a fact about one database is kept under.
  std::string Identidad() const { return servidor + ":" + std::to_string(puerto) + "/" + base; }
};

class Conexion {
 public:
  Conexion() = default;
  explicit Conexion(const DatosConexion& datos) { Abrir(datos); }
  // The prepared statements are closed before the connection.
  ~Conexion() { Cerrar(); }
  Conexion(const Conexion&) = delete;
  Conexion& operator=(const Conexion&) = delete;
  // A moved-from connection is closed: it may be destroyed or opened again.
  Conexion(Conexion&&) noexcept = default;
  Conexion& operator=(Conexion&&) noexcept = default;

  // Throws ErrorBD naming the server, port and user when the server refuses.
  void Abrir(const DatosConexion& datos);
  void Cerrar();
  bool Abierta() const { return mysql_ != nullptr; }
  // Open and answering.
  bool Vive();
  const DatosConexion& datos() const { return datos_; }

  // A statement without rows. Returns the number of rows it changed.
  unsigned long long Execute(std::string_view sql);
  // The statement with each "?" outside quotes replaced by the escaped literal of the
  // matching value.
  std::string Prepara(std::string_view sql, const std::vector<Valor>& valores);
  // What the last statement left in LAST_INSERT_ID(): the value it set with
  // LAST_INSERT_ID(expr), or the auto-increment value it produced. Known from
  // the server's answer, so it costs no further round trip.
  unsigned long long UltimoId();
  // The first column of the first row, NULL when there is no row.
  Valor Escalar(std::string_view sql);
  // An INSERT of the given columns with bound parameters; returns the
  // auto-increment value it produced (0 when the table has none). The
  // statement is prepared once per table and column list and kept for the
  // connection's life, so a repeated insert costs one round trip.
  unsigned long long Inserta(std::string_view tabla, const std::vector<std::string>& columnas,
                             const std::vector<Valor>& valores);
  // The INSERT of rows of the same columns, one statement for all of them.
  // Each row holds one value per column; an entry of `expresiones` (row,
  // column) replaces that value by an SQL expression written by the caller.
  struct Expresion {
    std::size_t fila, columna;
    std::string sql;
  };
  std::string TextoDeInsercion(std::string_view tabla, const std::vector<std::string>& columnas,
                               const std::vector<std::vector<Valor>>& filas,
                               const std::vector<Expresion>& expresiones = {});

  // While `VariasALaVez` lives, EjecutaJuntas sends its statements in one
  // request; otherwise one by one. Only writes built from escaped values go
  // together, and only while the run that needs it holds the permission.
  class VariasALaVez {
   public:
    explicit VariasALaVez(Conexion& cn);
    ~VariasALaVez();
    VariasALaVez(const VariasALaVez&) = delete;
    VariasALaVez& operator=(const VariasALaVez&) = delete;

   private:
    Conexion& cn_;
    bool antes_;
  };
  // Statements without rows, in order; the first that fails stops the rest
  // and throws ErrorBD naming it. Returns what each left in LAST_INSERT_ID()
  // (see UltimoId) or, for a SELECT of one number, that number.
  std::vector<unsigned long long> EjecutaJuntas(const std::vector<std::string>& sentencias);
  // A value as an SQL literal: NULL, a number, or a quoted and escaped text.
  std::string Literal(const Valor& v);

  // While VariasALaVez lives, the START TRANSACTION of Comienza travels with
  // the transaction's first statement (one round trip less); a transaction
  // that sent nothing ends without a word to the server.
  void Comienza();
  void Confirma();
  void Deshace();

  // The auto-increment value of the row this connection last added to a table.
  struct Insercion {
    std::string columnaAuto;
    unsigned long long id = 0;
  };
  void RecuerdaInsercion(std::string_view tabla, std::string columnaAuto, unsigned long long id);
  const Insercion* UltimaInsercion(std::string_view tabla) const;

  st_mysql* mysql();
  // The connection for a statement about to be sent: a transaction started
  // and still unsent is sent first.
  st_mysql* ParaEnviar();

  // Texts that Inserta and TextoDeInsercion stored with "?" for the letters
  // their columns cannot hold, as lines for the log (see ColumnasDeTexto).
  std::vector<std::string> TomaAvisosDeTexto() { return columnasDeTexto_.TomaAvisos(); }

 private:
  std::vector<Valor> ParaColumnas(std::string_view tabla, const std::vector<std::string>& columnas,
                                  const std::vector<Valor>& valores);
  // Sends one statement, with the START TRANSACTION still unsent.
  void Envia(std::string_view sql);
  unsigned long long NumeroDeRespuesta();
  [[noreturn]] void Falla(std::string_view sql);
  // Falla, or the connection lost when the server gave no error.
  [[noreturn]] void SinRespuesta(std::string_view sql);
  void AjustaModoSql();
  st_mysql_stmt* Sentencia(const std::string& sql);

  struct CierraSentencia {
    void operator()(st_mysql_stmt* s) const;
  };
  struct CierraConexion {
    void operator()(st_mysql* m) const;
  };

  // Prepared inserts by their text. Declared before the connection, so that a
  // move assignment closes the old statements before the old connection (the
  // destructor closes them first through Cerrar).
  std::map<std::string, std::unique_ptr<st_mysql_stmt, CierraSentencia>> sentencias_;
  std::unique_ptr<st_mysql, CierraConexion> mysql_;
  DatosConexion datos_;
  bool variasALaVez_ = false;
  bool comienzoPendiente_ = false;
  std::map<std::string, Insercion> inserciones_;
  ColumnasDeTexto columnasDeTexto_;
};

// Every error the server gives to a statement, as ErrorBD: when `numero` says
// the connection was lost on the way (the server stopped, restarted or cut
// it), "Se perdió la conexión con el servidor de base de datos ..."; any other,
// "Error de la base de datos (servidor:puerto) número: mensaje" and, when
// there is one, the start of the statement on a line "Instrucción: ...".
[[noreturn]] void LanzaErrorBD(st_mysql* m, unsigned numero, std::string_view texto, std::string_view sql);

}  // namespace travesa
