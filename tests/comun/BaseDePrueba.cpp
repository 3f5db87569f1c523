#include "comun/BaseDePrueba.h"

#include <mysql.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "comun/Entorno.h"

namespace travesa::prueba {
namespace {

std::string NombreNuevo() {
  static std::atomic<int> cuenta{0};
  std::random_device azar;
  return "prueba_" + std::to_string(getpid()) + "_" + std::to_string(cuenta++) + "_" + std::to_string(azar() % 100000);
}

DatosConexion Servidor(const ServidorBD& s) { return {s.host, s.puerto, s.usuario, s.password, ""}; }

std::string Lee(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  if (!f) throw std::runtime_error("No se encontró " + ruta.string());
  std::ostringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// The schema's tables in the database's character set.
std::string EnElJuego(std::string esquema, const std::string& juego) {
  const std::string propio = "CHARSET=utf8mb4", otro = "CHARSET=" + juego;
  if (otro == propio) return esquema;
  for (auto pos = esquema.find(propio); pos != std::string::npos; pos = esquema.find(propio, pos + otro.size()))
    esquema.replace(pos, propio.size(), otro);
  return esquema;
}

}  // namespace

void EjecutaGuion(Conexion& cn, std::string_view guion) {
  MYSQL* m = cn.mysql();
  mysql_set_server_option(m, MYSQL_OPTION_MULTI_STATEMENTS_ON);
  int rc = mysql_real_query(m, guion.data(), guion.size());
  while (true) {
    if (rc != 0) {
      const std::string error = mysql_error(m);
      // Drain what is left so the connection stays usable, then report.
      while (mysql_more_results(m) && mysql_next_result(m) == 0) {
        if (MYSQL_RES* r = mysql_store_result(m)) mysql_free_result(r);
      }
      mysql_set_server_option(m, MYSQL_OPTION_MULTI_STATEMENTS_OFF);
      throw std::runtime_error("Error en el guion SQL: " + error);
    }
    if (MYSQL_RES* r = mysql_store_result(m)) mysql_free_result(r);
    if (!mysql_more_results(m)) break;
    rc = mysql_next_result(m);
  }
  mysql_set_server_option(m, MYSQL_OPTION_MULTI_STATEMENTS_OFF);
}

BaseDePrueba::BaseDePrueba(bool demo) : BaseDePrueba(BD(), demo) {}

BaseDePrueba::BaseDePrueba(const ServidorBD& donde, bool demo) : servidor_(donde), nombre_(NombreNuevo()) {
  // In the server's character set, as an office's database is made: latin1 on
  // the latin1 server of the matrix, utf8mb4 on the others.
  Conexion servidor(Servidor(servidor_));
  const std::string juego = servidor.Escalar("SELECT @@character_set_server").Texto();
  servidor.Execute("CREATE DATABASE " + nombre_ + " CHARACTER SET " + juego);
  cn_.Abrir(Datos());
  Ejecuta(EnElJuego(Lee(Fuentes() / "db/norvento.sql"), juego));
  // The schema of the chosen variant of the matrix, before the rows go in.
  if (const auto esquema = EsquemaDeVariante(); !esquema.empty()) Ejecuta(Lee(esquema));
  if (demo) EjecutaArchivo("db/demo.sql");
}

BaseDePrueba::~BaseDePrueba() {
  try {
    cn_.Cerrar();
    Conexion servidor(Servidor(servidor_));
    servidor.Execute("DROP DATABASE IF EXISTS " + nombre_);
  } catch (...) {
  }
}

DatosConexion BaseDePrueba::Datos() const {
  DatosConexion d = Servidor(servidor_);
  d.base = nombre_;
  return d;
}

BasesDD BaseDePrueba::Host() const {
  const DatosConexion d = Datos();
  BasesDD bd;
  bd.cRuta = d.servidor;
  bd.cPuerto = std::to_string(d.puerto);
  bd.cUsuario = d.usuario;
  bd.cPassword = d.password;
  bd.cMiBase = d.base;
  return bd;
}

Conexion BaseDePrueba::Conecta() const { return Conexion(Datos()); }

void BaseDePrueba::Ejecuta(std::string_view guion) { EjecutaGuion(cn_, guion); }

void BaseDePrueba::EjecutaArchivo(const std::string& rutaRelativa) { Ejecuta(Lee(Fuentes() / rutaRelativa)); }

std::string BaseDePrueba::Dato(std::string_view sql) { return cn_.Escalar(sql).Texto(); }

void BaseDePrueba::Reconecta() { cn_.Abrir(Datos()); }

}  // namespace travesa::prueba
