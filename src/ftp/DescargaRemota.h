#pragma once
// One remote file fetched whole to a local path, given as the point-of-sale
// system's transfer component took it: the site and the file's path in one
// text ("host:port/carpeta/clientes.xml", "ftps://host/carpeta/clientes.xml"),
// the login, and where to store it. Each call is one connection of its own.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace travesa {

class DescargaRemota {
 public:
  // Bytes so far and the file's length, as clsFTP reports them.
  std::function<void(std::int64_t actual, std::int64_t total)> Progreso;
  bool verificarCertificado = true;

  // True when the whole file was stored at `local`. An empty or missing
  // remote file, a refused login or a broken transfer give false and leave
  // the local file as it was.
  bool BajarArchivo(std::string_view remoto, std::string_view usuario, std::string_view contrasena,
                    std::string_view local);
  // Why the last call failed, in the FTP client's words (empty when the file
  // was only missing or empty).
  const std::string& Motivo() const { return motivo_; }

  // "host:port/a/b.xml" as the site "host:port" and the path "/a/b.xml".
  struct Partes {
    std::string sitio;
    std::string ruta;
  };
  static Partes Separa(std::string_view remoto);

 private:
  std::string motivo_;
};

}  // namespace travesa
