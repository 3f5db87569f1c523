#include "comun/Proceso.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

#include "comun/CarpetaTemporal.h"
#include "comun/Entorno.h"

extern char** environ;

namespace travesa::prueba {

Resultado Ejecuta(const std::vector<std::string>& argumentos,
                  const std::map<std::string, std::string>& entorno, const std::string& entrada) {
  CarpetaTemporal dir;
  EscribeArchivo(dir / "entrada", entrada);
  std::vector<std::string> args = {Ejecutable().string()};
  args.insert(args.end(), argumentos.begin(), argumentos.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  std::map<std::string, std::string> variables;
  for (char** e = environ; *e; ++e) {
    const std::string v = *e;
    const auto igual = v.find('=');
    if (igual != std::string::npos) variables[v.substr(0, igual)] = v.substr(igual + 1);
  }
  for (const auto& [k, v] : entorno) variables[k] = v;
  std::vector<std::string> pares;
  for (const auto& [k, v] : variables) pares.push_back(k + "=" + v);
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
  if (rc != 0) throw std::runtime_error(std::string("No se pudo ejecutar travesa: ") + std::strerror(rc));
  int estado = 0;
  waitpid(pid, &estado, 0);
  Resultado r;
  r.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : 128 + WTERMSIG(estado);
  r.salida = LeeArchivo(dir / "salida");
  r.errores = LeeArchivo(dir / "errores");
  return r;
}

}  // namespace travesa::prueba
