#pragma once
// A private, throttled instance of the test FTP server, started by one test on
// a free port so that the test may kill or freeze it in the middle of a transfer.
#include <sys/types.h>

#include <filesystem>
#include <string>

#include "comun/CarpetaTemporal.h"

namespace travesa::prueba {

class ServidorPropio {
 public:
  static constexpr const char* kUsuario = "propio";
  static constexpr const char* kPassword = "clave.Propia1";

  // Data moves at no more than `bytesPorSegundo`.
  explicit ServidorPropio(int bytesPorSegundo);
  ~ServidorPropio();
  ServidorPropio(const ServidorPropio&) = delete;
  ServidorPropio& operator=(const ServidorPropio&) = delete;

  bool enMarcha() const { return listo_; }
  std::string sitio() const;  // "127.0.0.1:port"
  std::filesystem::path EnDisco(const std::string& nombre) const { return raiz_ / nombre; }

  void Mata();     // SIGKILL: every connection drops at once
  void Congela();  // SIGSTOP: connections stay open, nothing answers
  void Reanuda();  // SIGCONT after Congela

 private:
  CarpetaTemporal raiz_;
  unsigned puerto_ = 0;
  pid_t pid_ = -1;
  bool listo_ = false;
};

// A loopback port that nothing listens on (at the moment of asking).
unsigned PuertoLibre();

}  // namespace travesa::prueba
