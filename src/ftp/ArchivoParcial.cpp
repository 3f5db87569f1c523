#include "ftp/ArchivoParcial.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace travesa {
namespace {

std::filesystem::path NombreTemporal(const std::filesystem::path& destino) {
  static std::atomic<unsigned> contador{0};
  const std::string nombre = "." + destino.filename().string() + ".parcial-" + std::to_string(::getpid()) + "-" +
                             std::to_string(contador.fetch_add(1));
  return destino.parent_path() / nombre;
}

}  // namespace

ArchivoParcial::ArchivoParcial(std::filesystem::path destino) : destino_(std::move(destino)) {
  if (destino_.filename().empty()) {
    errno_ = EISDIR;
    error_ = "El archivo local «" + destino_.string() + "» no tiene nombre";
    return;
  }
  temporal_ = NombreTemporal(destino_);
  fd_ = ::open(temporal_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd_ < 0) Falla("No se pudo crear el archivo local", destino_);
}

ArchivoParcial::~ArchivoParcial() {
  Cierra();
  if (!confirmado_ && !temporal_.empty()) ::unlink(temporal_.c_str());
}

bool ArchivoParcial::Escribe(const char* datos, std::size_t largo) {
  while (largo > 0 && fd_ >= 0) {
    const ssize_t n = ::write(fd_, datos, largo);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Falla("No se pudo escribir el archivo local", destino_);
    datos += n;
    largo -= static_cast<std::size_t>(n);
    escritos_ += n;
  }
  return fd_ >= 0;
}

bool ArchivoParcial::Confirma() {
  if (fd_ < 0) return false;
  const int resultado = ::close(fd_);
  fd_ = -1;
  if (resultado != 0) return Falla("No se pudo cerrar el archivo local", destino_);
  if (std::rename(temporal_.c_str(), destino_.c_str()) != 0)
    return Falla("No se pudo reemplazar el archivo local", destino_);
  confirmado_ = true;
  return true;
}

bool ArchivoParcial::Falla(std::string_view que, const std::filesystem::path& archivo) {
  errno_ = errno;
  error_ = std::string(que) + " «" + archivo.string() + "»: " + std::strerror(errno_);
  return false;
}

void ArchivoParcial::Cierra() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
}

}  // namespace travesa
