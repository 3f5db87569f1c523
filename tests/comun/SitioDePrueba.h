#pragma once
// The shared test FTP site seen from one test: a folder of its own under the
// FTP home, named after the running test and emptied at the start, so that
// tests can run in parallel. The site is the server of the matrix the run
// was given (Entorno.h): pyftpdlib unless told otherwise.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "comun/Entorno.h"
#include "ftp/clsFTP.h"
#include "shell/Ajustes.h"

namespace travesa::prueba {

class SitioDePrueba {
 public:
  SitioDePrueba();
  ~SitioDePrueba();
  SitioDePrueba(const SitioDePrueba&) = delete;
  SitioDePrueba& operator=(const SitioDePrueba&) = delete;

  const ServidorFTP& servidor() const { return servidor_; }
  std::string sitio() const;     // "127.0.0.1:port", or "ftps://127.0.0.1:port" on a TLS server
  std::string sitioTls() const;  // "ftps://127.0.0.1:port"
  // The test's folder as the FTP client sees it: "/Suite.Prueba" (with the
  // server's name after it on the Debian servers).
  const std::string& carpeta() const { return carpeta_; }
  // A file of the test's folder on the server's disk.
  std::filesystem::path EnDisco(std::string_view nombre) const;
  void Escribe(std::string_view nombre, std::string_view contenido) const;

  // Passive, binary, trusting the test certificate.
  void Prepara(clsFTP& ftp) const;
  // Prepared, logged in and standing in the test's folder.
  bool Conecta(clsFTP& ftp) const;

  // The settings that point a program at the test's folder (relative to the
  // login folder, no final "/"), with the certificate unchecked on a TLS
  // server: in the record, or as `travesa ajustes` arguments.
  void Pon(Ajustes& a) const;
  // `travesa ajustes` pointing at this folder, plus `mas` settings.
  std::vector<std::string> ComoAjustes(std::initializer_list<std::string> mas = {}) const;

 private:
  ServidorFTP servidor_;
  std::string carpeta_;
  std::filesystem::path enDisco_;
};

// `n` bytes of varied content.
std::string Bytes(std::size_t n);

}  // namespace travesa::prueba
