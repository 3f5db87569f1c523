#pragma once
// Where the test servers are: the variables printed by
// `scripts/servidores-prueba env`, taken from the environment or, when absent,
// from the file the CTest fixture writes.
#include <filesystem>
#include <string>

namespace travesa::prueba {

std::string Variable(const std::string& nombre);

struct ServidorBD {
  std::string host;
  unsigned puerto = 0;
  std::string usuario;
  std::string password;
};

struct ServidorFTP {
  std::string host;
  unsigned puerto = 0;
  unsigned puertoTls = 0;
  std::string usuario;
  std::string password;
  std::filesystem::path carpeta;  // the FTP user's home on disk
  std::filesystem::path certificado;
};

ServidorBD BD();
ServidorFTP FTP();

std::filesystem::path Fuentes();
std::filesystem::path Ejecutable();

}  // namespace travesa::prueba
