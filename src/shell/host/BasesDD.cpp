#include "shell/host/BasesDD.h"

#include "shell/host/ErrorTravesa.h"
#include "shell/host/libNalda.h"

namespace travesa {

std::string TablaDeFuente(std::string_view fuente) {
  std::size_t i = 0;
  while (i < fuente.size() && fuente[i] == ' ') ++i;
  std::size_t j = i;
  while (j < fuente.size() && fuente[j] != ' ' && fuente[j] != '\t' && fuente[j] != '\n') ++j;
  return std::string(fuente.substr(i, j - i));
}

std::string IdentificadorSeguro(std::string_view nombre) {
  if (nombre.empty()) throw ErrorBD("Falta el nombre de la tabla o columna.");
  for (const char c : nombre) {
    const bool valido =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
    if (!valido) throw ErrorBD("Nombre de tabla o columna no válido: «" + std::string(nombre) + "».");
  }
  return "`" + std::string(nombre) + "`";
}

DatosConexion BasesDD::Datos(std::string_view base) const {
  DatosConexion d;
  d.servidor = cRuta;
  const double puerto = libNalda::prVal(cPuerto);
  d.puerto = puerto > 0 && puerto < 65536 ? static_cast<unsigned>(puerto) : 3306;
  d.usuario = cUsuario;
  d.password = cPassword;
  d.base = std::string(base);
  return d;
}

void BasesDD::AbrirBdD(Conexion& cn, std::string_view base) const { cn.Abrir(Datos(base)); }

void BasesDD::AbrirBdD(Conexion& cn) const { cn.Abrir(Datos({})); }

namespace {

std::string Seleccion(std::string_view fuente, std::string_view columnas) {
  std::string sql = "SELECT ";
  sql += columnas.empty() ? std::string_view("*") : columnas;
  sql += " FROM ";
  sql += fuente;
  return sql;
}

}  // namespace

bool BasesDD::AbrirTabla(RecordSet& rs, Conexion& cn, std::string_view fuente, std::string_view columnas) const {
  rs.Abre(cn, Seleccion(fuente, columnas), TablaDeFuente(fuente));
  return !rs.Eof();
}

bool BasesDD::AbrirTabla(RecordSetSecuencial& rs, Conexion& cn, std::string_view fuente,
                         std::string_view columnas) const {
  rs.Abre(cn, Seleccion(fuente, columnas));
  return !rs.Eof();
}

std::string BasesDD::LeeDato(std::string_view dato, Conexion& cn, std::string_view tabla) const {
  const std::string sql =
      cn.Prepara("SELECT Contenido FROM " + IdentificadorSeguro(tabla) + " WHERE Dato=? LIMIT 1", {Valor(dato)});
  return cn.Escalar(sql).Texto();
}

long long BasesDD::LastId(Conexion& cn, std::string_view tabla, std::string_view columna) const {
  const std::string t = IdentificadorSeguro(tabla);
  const std::string c = IdentificadorSeguro(columna);
  const Conexion::Insercion* ins = cn.UltimaInsercion(tabla);
  if (ins == nullptr) return cn.Escalar("SELECT MAX(" + c + ") FROM " + t).Entero();
  if (ins->columnaAuto.size() == columna.size() &&
      std::equal(columna.begin(), columna.end(), ins->columnaAuto.begin(),
                 [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
    return static_cast<long long>(ins->id);
  return cn
      .Escalar("SELECT " + c + " FROM " + t + " WHERE " + IdentificadorSeguro(ins->columnaAuto) + "=" +
               std::to_string(ins->id))
      .Entero();
}

double BasesDD::Sum(Conexion& cn, std::string_view fuente, std::string_view columna) const {
  return cn.Escalar("SELECT SUM(" + std::string(columna) + ") FROM " + std::string(fuente)).Numero();
}

long long BasesDD::LastRec(Conexion& cn, std::string_view fuente) const {
  return cn.Escalar("SELECT COUNT(*) FROM " + std::string(fuente)).Entero();
}

}  // namespace travesa
