#pragma once
// A complete local setup for one test: a program folder with its INI file, a
// Norvento installation folder with registro.ini pointing at the test server,
// and a database of its own (or, for a second desk, the database of another
// installation).
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "comun/BaseDePrueba.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Proceso.h"

namespace travesa::prueba {

class Instalacion {
 public:
  // demo = true loads the demo rows (users admin/admin, vendedor1/1234,
  // consulta/0000).
  explicit Instalacion(bool demo = true);
  // Another desk: a program folder of its own on the database of `primera`,
  // which must outlive it.
  explicit Instalacion(Instalacion& primera);
  // The same on another server than the shared test server.
  Instalacion(const ServidorBD& servidor, bool demo = true);

  const std::filesystem::path& programa() const { return dir_.ruta(); }
  std::filesystem::path ini() const { return dir_ / "travesa.ini"; }
  std::filesystem::path norvento() const { return dir_ / "norvento"; }
  BaseDePrueba& base() { return *base_; }

  // Runs `travesa --carpeta <program folder> args...`.
  Resultado Travesa(const std::vector<std::string>& args, const std::string& entrada = "");
  // The same, logged in as admin.
  Resultado ComoAdmin(const std::vector<std::string>& args, const std::string& entrada = "");
  // `ajustes ...` as admin; the test fails if the settings are refused.
  void Ajusta(const std::vector<std::string>& orden);

  // Adds a user whose rights string is `modulos`, in the users table cipher.
  void AgregaUsuario(int id, const std::string& usuario, const std::string& codigo, const std::string& modulos);

 private:
  void Escribe();

  CarpetaTemporal dir_;
  std::unique_ptr<BaseDePrueba> propia_;
  BaseDePrueba* base_;
  ServidorBD servidor_;
};

}  // namespace travesa::prueba
