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

// One FTP server of the matrix the FTP tests run in: pyftpdlib (the one every
// other test uses), or one of the servers Debian ships, plain or with TLS,
// chosen by TRAVESA_PRUEBA_FTP_SERVIDOR ("vsftpd", "proftpd-tls"...).
struct ServidorFTP {
  std::string nombre = "pyftpdlib";
  std::string host;
  unsigned puerto = 0;     // the tests' site: plain FTP, or explicit TLS when `tls`
  unsigned puertoTls = 0;  // explicit TLS on the same folder
  bool tls = false;
  std::string usuario;
  std::string password;
  std::filesystem::path carpeta;  // the FTP user's home on disk
  std::filesystem::path certificado;
  // The server writes as another system user: folders the tests make must be
  // open to it.
  bool otroDueno = false;
};

// The database variant of the matrix the tests run in, chosen by
// TRAVESA_PRUEBA_BD_VARIANTE; "" is the default server and schema. A variant
// is either a server of its own started with the settings offices run
// ("mysql57", "sinmodo", "latin1": TRAVESA_PRUEBA_MYSQL_<VARIANT>_PUERTO), or
// a change to the schema on the default server, the file
// tests/comun/esquemas/<variant>.sql ("antiguo", "myisam"), run after
// db/norvento.sql as one query of several statements.
std::string VarianteBD();
// The schema change of the chosen variant, or an empty path.
std::filesystem::path EsquemaDeVariante();

// The chosen variant's server.
ServidorBD BD();
ServidorFTP FTP();
// Why the chosen FTP server of the matrix is not running here, or nothing.
std::string FTPAusente();
// The port of another instance of the chosen Debian server
// (TRAVESA_PRUEBA_FTP_<SERVER>_PUERTO_<que>).
unsigned PuertoDeInstancia(const std::string& que);

std::filesystem::path Fuentes();
std::filesystem::path Ejecutable();

}  // namespace travesa::prueba
