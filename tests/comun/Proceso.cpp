#include "comun/Proceso.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <stdexcept>

#include <sys/wait.h>

#include "comun/CarpetaTemporal.h"
#include "comun/Entorno.h"

extern char** environ;

namespace travesa::prueba {

namespace {

struct Lanzamiento {
  int pid = -1;
};

std::vector<std::string> Variables(const std::map<std::string, std::string>& entorno) {
  std::map<std::string, std::string> variables;
  for (char** e = environ; *e; ++e) {
    const std::string v = *e;
    const auto igual = v.find('=');
    if (igual != std::string::npos) variables[v.substr(0, igual)] = v.substr(igual + 1);
  }
  for (const auto& [k, v] : entorno) variables[k] = v;
  std::vector<std::string> pares;
  for (const auto& [k, v] : variables) pares.push_back(k + "=" + v);
  return pares;
}

// Starts the program with standard input, output and error on files of `dir`.
int Lanza(const std::filesystem::path& dir, const std::filesystem::path& programa,
          const std::vector<std::string>& argumentos, const std::map<std::string, std::string>& entorno) {
  std::vector<std::string> args = {programa.string()};
  args.insert(args.end(), argumentos.begin(), argumentos.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> pares = Variables(entorno);
  std::vector<char*> envp;
  for (std::string& p : pares) envp.push_back(p.data());
  envp.push_back(nullptr);
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_addopen(&acciones, 0, (dir / "entrada").c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&acciones, 1, (dir / "salida").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&acciones, 2, (dir / "errores").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, argv[0], &acciones, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&acciones);
  if (rc != 0) throw std::runtime_error("No se pudo ejecutar " + programa.string() + ": " + std::strerror(rc));
  return pid;
}

Resultado Recoge(const std::filesystem::path& dir, int estado) {
  Resultado r;
  r.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
  r.salida = LeeArchivo(dir / "salida");
  r.errores = LeeArchivo(dir / "errores");
  return r;
}

Resultado EjecutaCon(const std::filesystem::path& programa, const std::vector<std::string>& argumentos,
                     const std::map<std::string, std::string>& entorno, const std::string& entrada) {
  CarpetaTemporal dir;
  EscribeArchivo(dir / "entrada", entrada);
  const int pid = Lanza(dir.ruta(), programa, argumentos, entorno);
  int estado = 0;
  waitpid(pid, &estado, 0);
  return Recoge(dir.ruta(), estado);
}

}  // namespace

Resultado Ejecuta(const std::vector<std::string>& argumentos, const std::map<std::string, std::string>& entorno,
                  const std::string& entrada) {
  return EjecutaCon(Ejecutable(), argumentos, entorno, entrada);
}

Resultado EjecutaPrograma(const std::filesystem::path& programa, const std::vector<std::string>& argumentos) {
  return EjecutaCon(programa, argumentos, {}, "");
}

ProcesoEnFondo::ProcesoEnFondo(const std::vector<std::string>& argumentos,
                               const std::map<std::string, std::string>& entorno) {
  Arranca(Ejecutable(), argumentos, entorno);
}

ProcesoEnFondo::ProcesoEnFondo(const std::filesystem::path& programa, const std::vector<std::string>& argumentos,
                               const std::map<std::string, std::string>& entorno) {
  Arranca(programa, argumentos, entorno);
}

void ProcesoEnFondo::Arranca(const std::filesystem::path& programa, const std::vector<std::string>& argumentos,
                             const std::map<std::string, std::string>& entorno) {
  std::string plantilla = (std::filesystem::temp_directory_path() / "travesa-fondo-XXXXXX").string();
  if (mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp falló");
  dir_ = plantilla;
  EscribeArchivo(std::filesystem::path(dir_) / "entrada", "");
  pid_ = Lanza(dir_, programa, argumentos, entorno);
}

ProcesoEnFondo::~ProcesoEnFondo() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

std::string ProcesoEnFondo::Salida() const { return LeeArchivo(std::filesystem::path(dir_) / "salida"); }

void ProcesoEnFondo::Senal(int senal) {
  if (pid_ > 0) kill(pid_, senal);
}

Resultado ProcesoEnFondo::Espera(int segundos) {
  int estado = 0;
  for (int i = 0; i < segundos * 20; ++i) {
    if (waitpid(pid_, &estado, WNOHANG) == pid_) {
      pid_ = -1;
      return Recoge(dir_, estado);
    }
    usleep(50000);
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, &estado, 0);
  pid_ = -1;
  return Recoge(dir_, estado);
}

}  // namespace travesa::prueba
