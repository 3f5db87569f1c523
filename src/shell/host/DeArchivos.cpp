#include "shell/host/DeArchivos.h"

#include <spawn.h>

#include <cstdlib>
#include <system_error>

#include <sys/wait.h>

extern char** environ;

namespace travesa {

bool DeArchivos::BorraArchivo(const std::filesystem::path& archivo) {
  std::error_code ec;
  std::filesystem::remove(archivo, ec);
  return !std::filesystem::exists(archivo, ec);
}

bool DeArchivos::AbreDocumento(const std::filesystem::path& archivo) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) return false;
  const std::string ruta = archivo.string();
  char programa[] = "xdg-open";
  char* argv[] = {programa, const_cast<char*>(ruta.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, programa, nullptr, nullptr, argv, environ) != 0) return false;
  // xdg-open hands the file over and returns; its status says whether it could.
  int estado = 0;
  waitpid(pid, &estado, 0);
  return WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

}  // namespace travesa
