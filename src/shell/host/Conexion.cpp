#include "shell/host/Conexion.h"

#include <errmsg.h>
#include <mysql.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr unsigned kSegundosConexion = 10;

std::string Describe(const DatosConexion& d) { return d.servidor + ":" + std::to_string(d.puerto); }

std::string Identificador(std::string_view nombre) {
  std::string out = "`";
  for (const char c : nombre) {
    if (c == '`') out += '`';
    out += c;
  }
  return out + "`";
}

// "servidor:puerto" of an open connection.
std::string Describe(MYSQL* m) {
  const char* servidor = nullptr;
  unsigned puerto = 0;
  mariadb_get_infov(m, MARIADB_CONNECTION_HOST, &servidor);
  mariadb_get_infov(m, MARIADB_CONNECTION_PORT, &puerto);
  return std::string(servidor ? servidor : "") + ":" + std::to_string(puerto);
}

// The connection lost in the middle of a statement (the server stopped,
// restarted or cut it): the operator's text for it, naming the server.
void LanzaSiSePerdioLaConexion(MYSQL* m, unsigned numero, std::string_view texto) {
  if (numero != CR_SERVER_GONE_ERROR && numero != CR_SERVER_LOST && numero != CR_SERVER_LOST_EXTENDED) return;
  throw ErrorBD("Se perdió la conexión con el servidor de base de datos " + Describe(m) + " (" +
                    std::to_string(numero) + ": " + std::string(texto) +
                    "). El proceso quedó sin terminar; vuelva a ejecutarlo cuando el servidor responda.",
                numero);
}

}  // namespace

void LanzaErrorBD(MYSQL* m, unsigned numero, std::string_view texto, std::string_view sql) {
  LanzaSiSePerdioLaConexion(m, numero, texto);
  std::string mensaje =
      "Error de la base de datos (" + Describe(m) + ") " + std::to_string(numero) + ": " + std::string(texto);
  if (!sql.empty()) mensaje += "\nInstrucción: " + std::string(sql.substr(0, 500));
  throw ErrorBD(mensaje, numero);
}

void Conexion::CierraSentencia::operator()(MYSQL_STMT* s) const { mysql_stmt_close(s); }
void Conexion::CierraConexion::operator()(MYSQL* m) const { mysql_close(m); }

void Conexion::Abrir(const DatosConexion& datos) {
  Cerrar();
  datos_ = datos;
  MYSQL* m = mysql_init(nullptr);
  if (m == nullptr) throw ErrorBD("No hay memoria para abrir la conexión con la base de datos.");
  const unsigned protocolo = MYSQL_PROTOCOL_TCP;
  mysql_optionsv(m, MYSQL_OPT_PROTOCOL, &protocolo);
  mysql_optionsv(m, MYSQL_OPT_CONNECT_TIMEOUT, &kSegundosConexion);
  mysql_optionsv(m, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  const char* base = datos.base.empty() ? nullptr : datos.base.c_str();
  auto conecta = [&] {
    return mysql_real_connect(m, datos.servidor.c_str(), datos.usuario.c_str(), datos.password.c_str(), base,
                              datos.puerto, nullptr, 0) != nullptr;
  };
  bool conectado = conecta();
  // A server older than MySQL 5.5.3 knows no utf8mb4: its three-byte utf8 then.
  if (!conectado && (mysql_errno(m) == CR_CANT_READ_CHARSET || mysql_errno(m) == 1115)) {
    mysql_optionsv(m, MYSQL_SET_CHARSET_NAME, "utf8");
    conectado = conecta();
  }
  if (!conectado) {
    const std::string motivo = mysql_error(m);
    const unsigned numero = mysql_errno(m);
    mysql_close(m);
    std::string mensaje =
        "No se pudo conectar con el servidor de base de datos " + Describe(datos) + " (usuario «" + datos.usuario + "»";
    if (base) mensaje += ", base de datos «" + datos.base + "»";
    throw ErrorBD(mensaje + "): " + motivo, numero);
  }
  mysql_.reset(m);
  AjustaModoSql();
}

// What the program's own statements need, whatever the server's sql_mode, and
// the rest of the server's settings kept:
// - texts are escaped with backslashes; a server that ignored them would read
//   the escapes as data (NO_BACKSLASH_ESCAPES off);
// - the staging tables and old rows of the point-of-sale system hold zero
//   dates, which MySQL 5.7 and 8.0 refuse by default (NO_ZERO_DATE and
//   NO_ZERO_IN_DATE off);
// - a value that does not fit its column fails its statement, on every table
//   and engine, instead of being cut to another product's code
//   (STRICT_TRANS_TABLES and STRICT_ALL_TABLES on).
// One statement, worked out by the server: no round trip to read the mode.
void Conexion::AjustaModoSql() {
  std::string modo = "CONCAT(',', @@SESSION.sql_mode, ',')";
  for (const char* fuera : {"NO_BACKSLASH_ESCAPES", "NO_ZERO_DATE", "NO_ZERO_IN_DATE"})
    modo = "REPLACE(" + modo + ", '," + fuera + ",', ',')";
  Execute("SET SESSION sql_mode = TRIM(BOTH ',' FROM CONCAT(" + modo + ", 'STRICT_TRANS_TABLES,STRICT_ALL_TABLES'))");
}

void Conexion::Cerrar() {
  sentencias_.clear();
  mysql_.reset();
  variasALaVez_ = false;
  inserciones_.clear();
  columnasDeTexto_.Olvida();
}

bool Conexion::Vive() { return mysql_ != nullptr && mysql_ping(mysql_.get()) == 0; }

MYSQL* Conexion::mysql() {
  if (mysql_ == nullptr) throw ErrorBD("La conexión con la base de datos no está abierta.");
  return mysql_.get();
}

void Conexion::SinRespuesta(std::string_view sql) {
  MYSQL* m = mysql_.get();
  if (mysql_errno(m) != 0) Falla(sql);
  LanzaErrorBD(m, CR_SERVER_LOST, "el servidor no respondió a todas las instrucciones enviadas juntas", sql);
}

void Conexion::Falla(std::string_view sql) {
  MYSQL* m = mysql_.get();
  LanzaErrorBD(m, mysql_errno(m), mysql_error(m), sql);
}

st_mysql* Conexion::ParaEnviar() {
  MYSQL* m = mysql();
  if (comienzoPendiente_) {
    comienzoPendiente_ = false;
    if (mysql_real_query(m, "START TRANSACTION", 17) != 0) Falla("START TRANSACTION");
  }
  return m;
}

void Conexion::Envia(std::string_view sql) {
  MYSQL* m = mysql();
  if (comienzoPendiente_ && variasALaVez_) {
    comienzoPendiente_ = false;
    const std::string juntas = "START TRANSACTION;\n" + std::string(sql);
    if (mysql_real_query(m, juntas.data(), juntas.size()) != 0) Falla("START TRANSACTION");
    if (mysql_next_result(m) != 0) SinRespuesta(sql);
  } else if (mysql_real_query(ParaEnviar(), sql.data(), sql.size()) != 0) {
    Falla(sql);
  }
}

unsigned long long Conexion::Execute(std::string_view sql) {
  Envia(sql);
  MYSQL* m = mysql();
  // A statement that happens to return rows leaves nothing pending.
  if (MYSQL_RES* r = mysql_store_result(m)) mysql_free_result(r);
  const my_ulonglong n = mysql_affected_rows(m);
  return n == static_cast<my_ulonglong>(-1) ? 0 : n;
}

// What the statement just answered left in LAST_INSERT_ID() or, when it
// returned rows, the whole number its first row starts with.
unsigned long long Conexion::NumeroDeRespuesta() {
  MYSQL* m = mysql();
  MYSQL_RES* r = mysql_store_result(m);
  if (r == nullptr) return mysql_insert_id(m);
  std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)> res(r, &mysql_free_result);
  const MYSQL_ROW fila = mysql_fetch_row(r);
  if (fila == nullptr || mysql_num_fields(r) == 0 || fila[0] == nullptr) return 0;
  return std::strtoull(fila[0], nullptr, 10);
}

unsigned long long Conexion::UltimoId() { return mysql_insert_id(mysql()); }

std::string Conexion::Literal(const Valor& v) {
  switch (v.tipo()) {
    case Valor::Tipo::Nulo:
      return "NULL";
    case Valor::Tipo::Entero:
    case Valor::Tipo::Real:
      return v.Texto();
    case Valor::Tipo::Texto:
      break;
  }
  const std::string& t = v.Texto();
  std::string out(t.size() * 2 + 3, '\0');
  out[0] = '\'';
  const unsigned long n = mysql_real_escape_string(mysql(), out.data() + 1, t.data(), t.size());
  out.resize(n + 1);
  out += '\'';
  return out;
}

std::string Conexion::Prepara(std::string_view sql, const std::vector<Valor>& valores) {
  std::string out;
  std::size_t k = 0;
  char comilla = 0;
  for (std::size_t i = 0; i < sql.size(); ++i) {
    const char c = sql[i];
    if (comilla != 0) {
      out += c;
      if (c == '\\' && i + 1 < sql.size()) {
        out += sql[++i];
      } else if (c == comilla) {
        comilla = 0;
      }
      continue;
    }
    if (c == '\'' || c == '"' || c == '`') {
      comilla = c;
      out += c;
    } else if (c == '?') {
      if (k >= valores.size()) throw ErrorBD("Faltan valores para la instrucción: " + std::string(sql));
      out += Literal(valores[k++]);
    } else {
      out += c;
    }
  }
  return out;
}

Valor Conexion::Escalar(std::string_view sql) {
  MYSQL* m = ParaEnviar();
  if (mysql_real_query(m, sql.data(), sql.size()) != 0) Falla(sql);
  MYSQL_RES* r = mysql_store_result(m);
  if (r == nullptr) {
    if (mysql_field_count(m) != 0) Falla(sql);
    return {};
  }
  std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)> res(r, &mysql_free_result);
  MYSQL_ROW fila = mysql_fetch_row(r);
  if (fila == nullptr || mysql_num_fields(r) == 0) return {};
  const unsigned long* largos = mysql_fetch_lengths(r);
  return Valor::DesdeBD(fila[0], largos[0], Valor::Tipo::Texto);
}

unsigned long long Conexion::Inserta(std::string_view tabla, const std::vector<std::string>& columnas,
                                     const std::vector<Valor>& valores) {
  std::string sql = "INSERT INTO " + Identificador(tabla) + " (";
  std::string marcas;
  for (std::size_t i = 0; i < columnas.size(); ++i) {
    sql += (i ? "," : "") + Identificador(columnas[i]);
    marcas += i ? ",?" : "?";
  }
  sql += ") VALUES (" + marcas + ")";
  const std::vector<Valor> ajustados = ParaColumnas(tabla, columnas, valores);
  const std::vector<Valor>& datos = ajustados.empty() ? valores : ajustados;
  MYSQL_STMT* st = Sentencia(sql);
  std::vector<MYSQL_BIND> binds(valores.size());
  std::vector<long long> enteros(valores.size());
  std::vector<double> reales(valores.size());
  std::vector<unsigned long> largos(valores.size());
  std::vector<char> nulos(valores.size());
  for (std::size_t i = 0; i < valores.size(); ++i) {
    MYSQL_BIND& b = binds[i];
    std::memset(&b, 0, sizeof b);
    const Valor& v = datos[i];
    switch (v.tipo()) {
      case Valor::Tipo::Nulo:
        nulos[i] = 1;
        b.buffer_type = MYSQL_TYPE_NULL;
        b.is_null = &nulos[i];
        break;
      case Valor::Tipo::Entero:
        enteros[i] = v.Entero();
        b.buffer_type = MYSQL_TYPE_LONGLONG;
        b.buffer = &enteros[i];
        break;
      case Valor::Tipo::Real:
        reales[i] = v.Numero();
        b.buffer_type = MYSQL_TYPE_DOUBLE;
        b.buffer = &reales[i];
        break;
      case Valor::Tipo::Texto:
        largos[i] = v.Texto().size();
        b.buffer_type = MYSQL_TYPE_STRING;
        b.buffer = const_cast<char*>(v.Texto().data());
        b.buffer_length = largos[i];
        b.length = &largos[i];
        break;
    }
  }
  if (!binds.empty() && mysql_stmt_bind_param(st, binds.data()) != 0) Falla(sql);
  ParaEnviar();
  if (mysql_stmt_execute(st) != 0) {
    const unsigned numero = mysql_stmt_errno(st);
    const std::string texto = mysql_stmt_error(st);
    // A statement that failed is prepared anew next time (the connection may
    // have been lost with it).
    sentencias_.erase(sql);
    LanzaErrorBD(mysql_.get(), numero, texto, sql);
  }
  return mysql_stmt_insert_id(st);
}

// Empty when the table's text columns hold whatever the values hold.
std::vector<Valor> Conexion::ParaColumnas(std::string_view tabla, const std::vector<std::string>& columnas,
                                          const std::vector<Valor>& valores) {
  std::vector<Valor> ajustados;
  if (!columnasDeTexto_.Limitada(*this, tabla)) return ajustados;
  for (std::size_t i = 0; i < valores.size() && i < columnas.size(); ++i)
    ajustados.push_back(columnasDeTexto_.Ajusta(*this, tabla, columnas[i], valores[i]));
  return ajustados;
}

std::string Conexion::TextoDeInsercion(std::string_view tabla, const std::vector<std::string>& columnas,
                                       const std::vector<std::vector<Valor>>& filas,
                                       const std::vector<Expresion>& expresiones) {
  std::string sql = "INSERT INTO " + Identificador(tabla) + " (";
  for (std::size_t i = 0; i < columnas.size(); ++i) sql += (i ? "," : "") + Identificador(columnas[i]);
  sql += ") VALUES ";
  for (std::size_t f = 0; f < filas.size(); ++f) {
    if (filas[f].size() != columnas.size())
      throw ErrorBD("Una fila para " + std::string(tabla) + " no tiene un valor por columna.");
    sql += f ? ",(" : "(";
    const std::vector<Valor> ajustados = ParaColumnas(tabla, columnas, filas[f]);
    const std::vector<Valor>& fila = ajustados.empty() ? filas[f] : ajustados;
    for (std::size_t c = 0; c < columnas.size(); ++c) {
      if (c) sql += ',';
      const auto e = std::find_if(expresiones.begin(), expresiones.end(),
                                  [&](const Expresion& x) { return x.fila == f && x.columna == c; });
      sql += e != expresiones.end() ? e->sql : Literal(fila[c]);
    }
    sql += ')';
  }
  return sql;
}

Conexion::VariasALaVez::VariasALaVez(Conexion& cn) : cn_(cn), antes_(cn.variasALaVez_) {
  if (antes_) return;
  if (mysql_set_server_option(cn_.mysql(), MYSQL_OPTION_MULTI_STATEMENTS_ON) != 0) cn_.Falla("");
  cn_.variasALaVez_ = true;
}

Conexion::VariasALaVez::~VariasALaVez() {
  if (antes_ || cn_.mysql_ == nullptr) return;
  mysql_set_server_option(cn_.mysql_.get(), MYSQL_OPTION_MULTI_STATEMENTS_OFF);
  cn_.variasALaVez_ = false;
}

std::vector<unsigned long long> Conexion::EjecutaJuntas(const std::vector<std::string>& sentencias) {
  std::vector<unsigned long long> ids;
  if (!variasALaVez_ || sentencias.size() < 2) {
    for (const std::string& s : sentencias) {
      Envia(s);
      ids.push_back(NumeroDeRespuesta());
    }
    return ids;
  }
  // A transaction not started yet starts with them.
  const bool comienza = comienzoPendiente_;
  comienzoPendiente_ = false;
  std::string sql = comienza ? "START TRANSACTION" : "";
  for (const std::string& s : sentencias) sql += (sql.empty() ? "" : ";\n") + s;
  MYSQL* m = mysql();
  std::size_t i = 0;
  int estado = mysql_real_query(m, sql.data(), sql.size());
  if (comienza && estado == 0) estado = mysql_next_result(m);
  while (estado == 0) {
    ids.push_back(NumeroDeRespuesta());
    ++i;
    estado = mysql_next_result(m);
  }
  // A statement left without its answer: the connection went away.
  if (estado > 0 || ids.size() < sentencias.size()) SinRespuesta(sentencias[std::min(i, sentencias.size() - 1)]);
  return ids;
}

MYSQL_STMT* Conexion::Sentencia(const std::string& sql) {
  if (const auto it = sentencias_.find(sql); it != sentencias_.end()) return it->second.get();
  std::unique_ptr<MYSQL_STMT, CierraSentencia> st(mysql_stmt_init(mysql()));
  if (!st) Falla(sql);
  if (mysql_stmt_prepare(st.get(), sql.data(), sql.size()) != 0)
    LanzaErrorBD(mysql_.get(), mysql_stmt_errno(st.get()), mysql_stmt_error(st.get()), sql);
  return sentencias_.emplace(sql, std::move(st)).first->second.get();
}

void Conexion::Comienza() {
  if (variasALaVez_) {
    comienzoPendiente_ = true;
    return;
  }
  Execute("START TRANSACTION");
}
void Conexion::Confirma() {
  if (comienzoPendiente_) {
    comienzoPendiente_ = false;
    return;
  }
  Execute("COMMIT");
}
void Conexion::Deshace() {
  comienzoPendiente_ = false;
  if (mysql_ != nullptr) mysql_real_query(mysql_.get(), "ROLLBACK", 8);
}

void Conexion::RecuerdaInsercion(std::string_view tabla, std::string columnaAuto, unsigned long long id) {
  inserciones_[texto::Minusculas(tabla)] = Insercion{std::move(columnaAuto), id};
}

const Conexion::Insercion* Conexion::UltimaInsercion(std::string_view tabla) const {
  auto it = inserciones_.find(texto::Minusculas(tabla));
  return it == inserciones_.end() ? nullptr : &it->second;
}

}  // namespace travesa
