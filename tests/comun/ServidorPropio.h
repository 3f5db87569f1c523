#pragma once
// A private, throttled instance of the test FTP server, started by one test on
// a free port so that the test may kill or freeze it in the middle of a transfer.
#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>

#include "comun/CarpetaTemporal.h"

namespace travesa::prueba {

class ServidorPropio {
 public:
  static constexpr const char* kUsuario = "propio";
  static constexpr const char* kPassword = "clave.Propia1";

  // Data moves at no more than `bytesPorSegundo`. With `nombresFalsos`, every
  // listing also names those files (tests/comun/ftp_hostil.py): a server that
  // lies, naming what no folder can hold ("ventas_x/../../fuera.sql").
  // With `casa`, the login lands in that folder of the server's tree ("/casa/u"),
  // "/" staying the tree's root, as local users of vsftpd land in their home.
  explicit ServidorPropio(int bytesPorSegundo, const std::vector<std::string>& nombresFalsos = {},
                          std::string casa = {});
  ~ServidorPropio();
  ServidorPropio(const ServidorPropio&) = delete;
  ServidorPropio& operator=(const ServidorPropio&) = delete;

  bool enMarcha() const { return listo_; }
  std::string sitio() const;  // "127.0.0.1:port"
  // `travesa ajustes` pointing at `carpeta` of this server, plus `mas` settings.
  std::vector<std::string> ComoAjustes(const std::string& carpeta, std::initializer_list<std::string> mas = {}) const;
  std::filesystem::path EnDisco(const std::string& nombre) const { return raiz_ / nombre; }

  void Mata();  // SIGKILL: every connection drops at once
  // Again after Mata, on the same port and folder, at this speed.
  void Arranca(int bytesPorSegundo);
  void Congela();  // SIGSTOP: connections stay open, nothing answers
  void Reanuda();  // SIGCONT after Congela

 private:
  CarpetaTemporal raiz_;
  unsigned puerto_ = 0;
  std::vector<std::string> nombresFalsos_;
  std::string casa_;
  pid_t pid_ = -1;
  bool listo_ = false;
};

// A loopback port that nothing listens on (at the moment of asking).
unsigned PuertoLibre();

}  // namespace travesa::prueba
