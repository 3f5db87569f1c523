#include "comun/BaseDePrueba.h"

#include <mysql.h>
#include <unistd.h>

#include <atomic>
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
  return "prueba_" + std::to_string(getpid()) + "_" + std::to_string(cuenta++) + "_" +
         std::to_string(azar() % 100000);
}

DatosConexion Servidor(const ServidorBD& s) { return {s.host, s.puerto, s.usuario, s.password, ""}; }

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
  Conexion servidor(Servidor(servidor_));
  servidor.Execute("CREATE DATABASE " + nombre_ + " CHARACTER SET utf8mb4");
  cn_.Abrir(Datos());
  EjecutaArchivo("db/norvento.sql");
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

void BaseDePrueba::EjecutaArchivo(const std::string& rutaRelativa) {
  std::ifstream f(Fuentes() / rutaRelativa, std::ios::binary);
  if (!f) throw std::runtime_error("No se encontró " + rutaRelativa);
  std::ostringstream ss;
  ss << f.rdbuf();
  Ejecuta(ss.str());
}

std::string BaseDePrueba::Dato(std::string_view sql) { return cn_.Escalar(sql).Texto(); }

void BaseDePrueba::Reconecta() { cn_.Abrir(Datos()); }

}  // namespace travesa::prueba
