#include "comun/BasePropia.h"

#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <stdexcept>
#include <thread>

#include "comun/ServidorPropio.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa::prueba {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsuario = "travesa";
constexpr const char* kPassword = "Prueba.Travesa1";

fs::path Programa(std::initializer_list<const char*> rutas) {
  for (const char* r : rutas)
    if (fs::exists(r)) return r;
  throw std::runtime_error(std::string("No se encontró ") + *rutas.begin());
}

// The server runs as whoever runs the test.
std::string UsuarioDelSistema() {
  const passwd* p = ::getpwuid(::geteuid());
  return p ? p->pw_name : "root";
}

// Run at every start: the test user exists with every right.
std::string Inicio() {
  const std::string usuario = std::string("'") + kUsuario + "'@'%'";
  return "CREATE USER IF NOT EXISTS " + usuario + " IDENTIFIED BY '" + kPassword + "';\n" +
         "GRANT ALL PRIVILEGES ON *.* TO " + usuario + " WITH GRANT OPTION;\n";
}

bool Responde(const ServidorBD& s) {
  try {
    Conexion cn(DatosConexion{s.host, s.puerto, s.usuario, s.password, ""});
    return true;
  } catch (const ErrorTravesa&) {
    return false;
  }
}

}  // namespace

BasePropia::BasePropia() : puerto_(PuertoLibre()) {
  // Its own folder for temporary tables: nothing another program does in /tmp touches them.
  fs::create_directories(dir_ / "tmp");
  const Resultado r = EjecutaPrograma(
      Programa({"/usr/bin/mariadb-install-db", "/usr/bin/mysql_install_db"}),
      {"--no-defaults", "--datadir=" + (dir_ / "datos").string(), "--user=" + UsuarioDelSistema(),
       "--auth-root-authentication-method=normal", "--skip-test-db", "--tmpdir=" + (dir_ / "tmp").string()});
  if (r.estado != 0) throw std::runtime_error("mariadb-install-db falló: " + r.Todo());
  EscribeArchivo(dir_ / "inicio.sql", Inicio());
  Arranca();
}

BasePropia::~BasePropia() { Mata(); }

ServidorBD BasePropia::servidor() const { return {"127.0.0.1", puerto_, kUsuario, kPassword}; }

void BasePropia::Arranca() {
  proceso_ = std::make_unique<ProcesoEnFondo>(
      Programa({"/usr/sbin/mariadbd", "/usr/sbin/mysqld", "/usr/libexec/mariadbd"}),
      std::vector<std::string>{
          "--no-defaults", "--datadir=" + (dir_ / "datos").string(), "--socket=" + (dir_ / "mysqld.sock").string(),
          "--tmpdir=" + (dir_ / "tmp").string(), "--port=" + std::to_string(puerto_), "--bind-address=127.0.0.1",
          "--user=" + UsuarioDelSistema(), "--skip-log-bin", "--innodb-buffer-pool-size=64M",
          "--innodb-log-file-size=16M", "--innodb-flush-log-at-trx-commit=2", "--skip-name-resolve",
          "--character-set-server=utf8mb4", "--collation-server=utf8mb4_general_ci",
          "--init-file=" + (dir_ / "inicio.sql").string(), "--log-error=" + (dir_ / "error.log").string()});
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  listo_ = Responde(servidor());
  while (!listo_ && std::chrono::steady_clock::now() < limite) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    listo_ = Responde(servidor());
  }
}

void BasePropia::Mata() {
  if (!proceso_) return;
  proceso_->Senal(SIGKILL);
  proceso_->Espera();
  proceso_.reset();
  listo_ = false;
}

}  // namespace travesa::prueba
