#pragma once
// Runs the real travesa executable (or another program a test needs, such as
// a server of its own) and collects what it printed.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace travesa::prueba {

struct Resultado {
  int estado = -1;
  std::string salida;   // standard output
  std::string errores;  // standard error
  std::string Todo() const { return salida + errores; }
};

// Standard input comes from `entrada` (no terminal). `entorno` adds or replaces
// variables of the test's own environment.
Resultado Ejecuta(const std::vector<std::string>& argumentos, const std::map<std::string, std::string>& entorno = {},
                  const std::string& entrada = "");
// Another program, with no input.
Resultado EjecutaPrograma(const std::filesystem::path& programa, const std::vector<std::string>& argumentos);

// travesa running in the background, for commands that run until told to stop
// (or another program: a server a test starts and kills).
class ProcesoEnFondo {
 public:
  ProcesoEnFondo(const std::vector<std::string>& argumentos, const std::map<std::string, std::string>& entorno = {});
  // Another program in the background.
  ProcesoEnFondo(const std::filesystem::path& programa, const std::vector<std::string>& argumentos,
                 const std::map<std::string, std::string>& entorno = {});
  ~ProcesoEnFondo();
  ProcesoEnFondo(const ProcesoEnFondo&) = delete;
  ProcesoEnFondo& operator=(const ProcesoEnFondo&) = delete;

  // What it has printed so far on standard output.
  std::string Salida() const;
  void Senal(int senal);
  // Waits for the end (killing it after `segundos`) and gives what it printed.
  Resultado Espera(int segundos = 30);

 private:
  void Arranca(const std::filesystem::path& programa, const std::vector<std::string>& argumentos,
               const std::map<std::string, std::string>& entorno);

  std::string dir_;
  int pid_ = -1;
};

}  // namespace travesa::prueba
