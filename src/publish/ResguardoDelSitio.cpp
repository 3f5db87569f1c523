#include "publish/ResguardoDelSitio.h"

#include <ctime>
#include <system_error>

#include "ftp/clsFTP.h"
#include "shell/ArchivosConocidos.h"
#include "shell/ArchivosDeTelefonos.h"
#include "shell/host/Bitacora.h"
#include "shell/host/Huella.h"

namespace fs = std::filesystem;

namespace travesa {
namespace {

// "yyyymmddhhmmss" in UTC, as MDTM gives it; now when the server did not say.
std::chrono::system_clock::time_point Momento(const std::string& modificado) {
  std::tm tm{};
  if (modificado.size() != 14) return std::chrono::system_clock::now();
  tm.tm_year = std::stoi(modificado.substr(0, 4)) - 1900;
  tm.tm_mon = std::stoi(modificado.substr(4, 2)) - 1;
  tm.tm_mday = std::stoi(modificado.substr(6, 2));
  tm.tm_hour = std::stoi(modificado.substr(8, 2));
  tm.tm_min = std::stoi(modificado.substr(10, 2));
  tm.tm_sec = std::stoi(modificado.substr(12, 2));
  return std::chrono::system_clock::from_time_t(timegm(&tm));
}

}  // namespace

ResguardoDelSitio::ResguardoDelSitio(clsFTP& ftp, ArchivosConocidos& conocidos, const ArchivosDeTelefonos& telefonos)
    : ftp_(ftp), conocidos_(conocidos), telefonos_(telefonos) {}

bool ResguardoDelSitio::Falla(const std::string& motivo) {
  motivo_ = motivo;
  return false;
}

bool ResguardoDelSitio::Resguarda(const std::string& remoto, const std::string& nombre) {
  const std::int64_t tamano = ftp_.GetFTPFileSize(remoto);
  if (tamano == -1 || tamano == 0) return true;  // nothing there, or nothing in it
  if (tamano < 0)
    return Falla("no se pudo ver si «" + nombre + "» del sitio es de un teléfono: " + ftp_.GetLastErrorMessage());
  const std::string modificado = ftp_.GetFTPFileTime(remoto);
  if (conocidos_.Conocido(nombre, tamano, modificado)) return true;
  return Guarda(remoto, nombre, modificado, tamano);
}

// The file comes down whole; when its digest is a known version it goes
// (published by another desk, or read already), otherwise it stays in
// respaldo/ for the next read run.
bool ResguardoDelSitio::Guarda(const std::string& remoto, const std::string& nombre, const std::string& modificado,
                               std::int64_t tamano) {
  const fs::path destino = telefonos_.Destino(nombre, Momento(modificado));
  fs::path bajando = destino;
  bajando += ".bajando";
  std::error_code ec;
  if (!ftp_.FTPDownloadFile(bajando.string(), remoto)) {
    fs::remove(bajando, ec);
    return Falla("no se pudo guardar «" + nombre +
                 "», que dejó un teléfono en el sitio y no se ha leído: " + ftp_.GetLastErrorMessage());
  }
  // A phone still writing it: it is not replaced now; the next publish looks again.
  if (ftp_.GetFTPFileSize(remoto) != tamano || static_cast<std::int64_t>(fs::file_size(bajando, ec)) != tamano) {
    fs::remove(bajando, ec);
    return Falla("un teléfono está subiendo «" + nombre + "»; se publicará en la siguiente corrida");
  }
  if (conocidos_.Busca(nombre, Huella::Sha256DeArchivo(bajando))) {
    fs::remove(bajando, ec);
    return true;
  }
  fs::rename(bajando, destino, ec);
  if (ec) {
    fs::remove(bajando, ec);
    return Falla("no se pudo guardar «" + nombre + "» en «" + destino.string() + "»: " + ec.message());
  }
  guardados_.push_back(destino);
  Bitacora::Advierte("El sitio tenía «" + nombre + "» de un teléfono, sin leer; se guardó en «" + destino.string() +
                     "» para la siguiente lectura antes de publicar el catálogo.");
  return true;
}

}  // namespace travesa
