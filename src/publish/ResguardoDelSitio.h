#pragma once
// The phones leave their new customers and their leftover stock in the site's
// folder under the names the catalogue publishes (`clientes.xml`,
// `productos.xml`). Before the catalogue takes one of those names, the file
// there is looked at: a version this program published, or a phone's file
// already read, may go; a phone's file nobody read is first saved to
// `respaldo/`, where the next read run takes it (see ArchivosDeTelefonos).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace travesa {

class ArchivosConocidos;
class ArchivosDeTelefonos;
class clsFTP;

class ResguardoDelSitio {
 public:
  ResguardoDelSitio(clsFTP& ftp, ArchivosConocidos& conocidos, const ArchivosDeTelefonos& telefonos);

  // True when `remoto` (published as `nombre`) may be replaced: there is no
  // file, it is empty, it is known, or it was just saved. False, with the
  // reason in Motivo, when a phone's file is there and could not be saved
  // whole: it must stay until the next publish.
  bool Resguarda(const std::string& remoto, const std::string& nombre);

  // Where this run saved each phone's file.
  const std::vector<std::filesystem::path>& Guardados() const { return guardados_; }
  const std::string& Motivo() const { return motivo_; }

 private:
  bool Guarda(const std::string& remoto, const std::string& nombre, const std::string& modificado, std::int64_t tamano);
  bool Falla(const std::string& motivo);

  clsFTP& ftp_;
  ArchivosConocidos& conocidos_;
  const ArchivosDeTelefonos& telefonos_;
  std::vector<std::filesystem::path> guardados_;
  std::string motivo_;
};

}  // namespace travesa
