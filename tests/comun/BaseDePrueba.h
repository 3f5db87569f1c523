#pragma once
// A database of its own for one test, made from db/norvento.sql on the test
// server of the chosen variant of the matrix (or on a server the test
// started), with that variant's schema, and dropped when the test ends.
#include <string>
#include <string_view>

#include "comun/Entorno.h"
#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"

namespace travesa::prueba {

class BaseDePrueba {
 public:
  // With demo = true the demo rows of db/demo.sql are loaded as well.
  explicit BaseDePrueba(bool demo = false);
  BaseDePrueba(const ServidorBD& servidor, bool demo);
  ~BaseDePrueba();
  BaseDePrueba(const BaseDePrueba&) = delete;
  BaseDePrueba& operator=(const BaseDePrueba&) = delete;

  const std::string& nombre() const { return nombre_; }
  DatosConexion Datos() const;
  // The host's connection settings pointing at this database.
  BasesDD Host() const;
  // A new connection on this database.
  Conexion Conecta() const;
  // Runs a script of several statements on this database.
  void Ejecuta(std::string_view guion);
  void EjecutaArchivo(const std::string& rutaRelativa);
  // The first column of the first row of a query, as text ("" for NULL).
  std::string Dato(std::string_view sql);
  // A new connection for Dato and Ejecuta, after the server was restarted.
  void Reconecta();

 private:
  ServidorBD servidor_;
  std::string nombre_;
  Conexion cn_;
};

// Runs a script of several statements on an open connection.
void EjecutaGuion(Conexion& cn, std::string_view guion);

}  // namespace travesa::prueba
