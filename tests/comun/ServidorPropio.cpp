#include "comun/ServidorPropio.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>

#include "comun/Entorno.h"

namespace travesa::prueba {
namespace {

sockaddr_in Local(unsigned puerto) {
  sockaddr_in dir{};
  dir.sin_family = AF_INET;
  dir.sin_port = htons(static_cast<uint16_t>(puerto));
  dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return dir;
}

bool Escucha(unsigned puerto) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in dir = Local(puerto);
  const bool si = ::connect(s, reinterpret_cast<const sockaddr*>(&dir), sizeof dir) == 0;
  ::close(s);
  return si;
}

}  // namespace

unsigned PuertoLibre() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in dir = Local(0);
  ::bind(s, reinterpret_cast<const sockaddr*>(&dir), sizeof dir);
  socklen_t largo = sizeof dir;
  ::getsockname(s, reinterpret_cast<sockaddr*>(&dir), &largo);
  ::close(s);
  return ntohs(dir.sin_port);
}

ServidorPropio::ServidorPropio(int bytesPorSegundo, const std::vector<std::string>& nombresFalsos, std::string casa)
    : nombresFalsos_(nombresFalsos), casa_(std::move(casa)) {
  // Another program may take the free port before the server binds it: then another port.
  for (int intento = 0; intento < 3 && !listo_; ++intento) {
    puerto_ = PuertoLibre();
    Arranca(bytesPorSegundo);
  }
}

void ServidorPropio::Arranca(int bytesPorSegundo) {
  if (pid_ > 0) return;
  const std::string guion = nombresFalsos_.empty() ? (Fuentes() / "scripts" / "ftp_prueba.py").string()
                                                   : (Fuentes() / "tests" / "comun" / "ftp_hostil.py").string();
  std::vector<std::string> args = {"/usr/bin/python3", guion,
                                   "--puerto",         std::to_string(puerto_),
                                   "--usuario",        kUsuario,
                                   "--password",       kPassword,
                                   "--carpeta",        raiz_.ruta().string(),
                                   "--limite",         std::to_string(bytesPorSegundo)};
  for (const std::string& n : nombresFalsos_) args.insert(args.end(), {"--nombre", n});
  if (!casa_.empty()) args.insert(args.end(), {"--casa", casa_});
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_ = ::fork();
  if (pid_ == 0) {
    const int nulo = ::open("/dev/null", O_WRONLY);
    ::dup2(nulo, STDOUT_FILENO);
    ::dup2(nulo, STDERR_FILENO);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  listo_ = false;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (pid_ > 0 && !listo_ && std::chrono::steady_clock::now() < limite) {
    listo_ = Escucha(puerto_);
    if (listo_) break;
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) pid_ = -1;  // it could not listen
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

ServidorPropio::~ServidorPropio() { Mata(); }

std::string ServidorPropio::sitio() const { return "127.0.0.1:" + std::to_string(puerto_); }

std::vector<std::string> ServidorPropio::ComoAjustes(const std::string& carpeta,
                                                     std::initializer_list<std::string> mas) const {
  std::vector<std::string> orden = {"ajustes", "ftpSitio=" + sitio(), std::string("ftpUsuario=") + kUsuario,
                                    std::string("FTPcontraseña=") + kPassword, "FTPcarpeta=" + carpeta};
  orden.insert(orden.end(), mas);
  return orden;
}

void ServidorPropio::Mata() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
  listo_ = false;
}

void ServidorPropio::Congela() {
  if (pid_ > 0) ::kill(pid_, SIGSTOP);
}

void ServidorPropio::Reanuda() {
  if (pid_ > 0) ::kill(pid_, SIGCONT);
}

}  // namespace travesa::prueba
