#include "shell/host/ArchivoAtomico.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <mutex>

#include <sys/file.h>
#include <sys/stat.h>

#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int fd() const { return fd_; }
  // Closes now, so a failed close (a full disk on some file systems) is seen.
  bool Cierra() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The temporary file is removed unless it was renamed into place.
class Temporal {
 public:
  explicit Temporal(std::string ruta) : ruta_(std::move(ruta)) {}
  ~Temporal() {
    if (!ruta_.empty()) ::unlink(ruta_.c_str());
  }
  Temporal(const Temporal&) = delete;
  Temporal& operator=(const Temporal&) = delete;
  const std::string& ruta() const { return ruta_; }
  void Conserva() { ruta_.clear(); }

 private:
  std::string ruta_;
};

std::string Nombre(const std::filesystem::path& archivo) { return "«" + archivo.string() + "»"; }

[[noreturn]] void Falla(const std::string& que, const std::filesystem::path& archivo, int numero) {
  throw ErrorTravesa(que + " " + Nombre(archivo) + ": " + std::strerror(numero) + ".");
}

std::filesystem::path Carpeta(const std::filesystem::path& archivo) {
  const auto carpeta = archivo.parent_path();
  return carpeta.empty() ? std::filesystem::path(".") : carpeta;
}

// Threads of one process share the descriptor-less mutex; processes share the
// lock on the folder.
std::mutex& CerrojoDelProceso() {
  static std::mutex m;
  return m;
}

bool EscribeTodo(int fd, const std::string& contenido) {
  std::size_t hecho = 0;
  while (hecho < contenido.size()) {
    const ssize_t n = ::write(fd, contenido.data() + hecho, contenido.size() - hecho);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    hecho += static_cast<std::size_t>(n);
  }
  return true;
}

// The mode of a new file: settings files hold encrypted secrets and where the
// database is, so a new one is its owner's alone (0600, less what the umask
// takes away; the umask is read without changing it, as umask() would, for a
// moment, for every thread). An existing file keeps its own mode.
mode_t PermisosNuevos() {
  std::ifstream estado("/proc/self/status");
  std::string linea;
  while (std::getline(estado, linea)) {
    if (linea.rfind("Umask:", 0) == 0) return 0600 & ~static_cast<mode_t>(std::stoul(linea.substr(6), nullptr, 8));
  }
  return 0600;
}

}  // namespace

std::filesystem::path ArchivoAtomico::Destino(const std::filesystem::path& archivo) {
  std::filesystem::path p = archivo;
  std::error_code ec;
  for (int saltos = 0; saltos < 40; ++saltos) {
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
    const std::filesystem::path enlace = std::filesystem::read_symlink(p, ec);
    if (ec) return p;
    p = enlace.is_absolute() ? enlace : Carpeta(p) / enlace;
  }
  throw ErrorTravesa("El archivo " + Nombre(archivo) + " es un enlace que no lleva a ningún archivo.");
}

std::optional<std::string> ArchivoAtomico::LeeCompleto(const std::filesystem::path& archivo) {
  Descriptor f(::open(archivo.c_str(), O_RDONLY | O_CLOEXEC));
  if (f.fd() < 0) {
    if (errno == ENOENT) return std::nullopt;
    Falla("No se puede leer el archivo", archivo, errno);
  }
  struct stat datos {};
  if (::fstat(f.fd(), &datos) != 0) Falla("No se puede leer el archivo", archivo, errno);
  if (!S_ISREG(datos.st_mode))
    throw ErrorTravesa("No se puede leer el archivo " + Nombre(archivo) + ": no es un archivo común.");
  std::string contenido;
  char bloque[65536];
  while (true) {
    const ssize_t n = ::read(f.fd(), bloque, sizeof bloque);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Falla("No se pudo leer completo el archivo", archivo, errno);
    if (n == 0) break;
    contenido.append(bloque, static_cast<std::size_t>(n));
  }
  return contenido;
}

void ArchivoAtomico::Modifica(const std::filesystem::path& archivo,
                              const std::function<std::string(const std::optional<std::string>&)>& cambio) {
  const std::filesystem::path destino = Destino(archivo);
  std::lock_guard bloqueo(CerrojoDelProceso());
  Descriptor carpeta(::open(Carpeta(destino).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (carpeta.fd() < 0) Falla("No se puede abrir la carpeta del archivo", destino, errno);
  while (::flock(carpeta.fd(), LOCK_EX) != 0) {
    if (errno != EINTR) Falla("No se pudo reservar la carpeta del archivo", destino, errno);
  }
  Reemplaza(destino, cambio(LeeCompleto(destino)));
}

void ArchivoAtomico::Reemplaza(const std::filesystem::path& destino, const std::string& contenido) {
  struct stat anterior {};
  const bool existe = ::stat(destino.c_str(), &anterior) == 0;
  std::string plantilla = (Carpeta(destino) / ("." + destino.filename().string() + ".XXXXXX")).string();
  Descriptor f(::mkstemp(plantilla.data()));
  if (f.fd() < 0) Falla("No se pudo escribir junto al archivo", destino, errno);
  Temporal temporal(plantilla);
  if (!EscribeTodo(f.fd(), contenido) || ::fsync(f.fd()) != 0) Falla("No se pudo escribir el archivo", destino, errno);
  const mode_t modo = existe ? anterior.st_mode & 07777 : PermisosNuevos();
  if (::fchmod(f.fd(), modo) != 0) Falla("No se pudieron conservar los permisos del archivo", destino, errno);
  if (existe && ::fchown(f.fd(), anterior.st_uid, anterior.st_gid) != 0)
    throw ErrorTravesa("El archivo " + Nombre(destino) +
                       " pertenece a otro usuario y no se puede reemplazar conservando su dueño; no se modificó.");
  if (!f.Cierra()) Falla("No se pudo escribir el archivo", destino, errno);
  if (::rename(temporal.ruta().c_str(), destino.c_str()) != 0)
    Falla("No se pudo reemplazar el archivo", destino, errno);
  temporal.Conserva();
  Descriptor carpeta(::open(Carpeta(destino).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (carpeta.fd() >= 0) ::fsync(carpeta.fd());
}

}  // namespace travesa
