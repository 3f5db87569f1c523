#pragma once
// The phones' files that a publish found in the site's folder, unread, where
// the catalogue was about to take their name (`clientes.xml`,
// `productos.xml`). The publish saves each in `respaldo/` as
// "telefono_<name>_<yyyymmdd>_<hhmmss>.xml" (the time the phone wrote it, local
// time) and the next read run takes them, oldest first, before the file on
// the site; once read they move on to `respaldo/procesados/`.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Respaldo.h"

namespace travesa {

class ArchivosDeTelefonos {
 public:
  static constexpr const char* kPrefijo = "telefono_";
  static constexpr const char* kProcesados = "procesados";

  explicit ArchivosDeTelefonos(std::filesystem::path carpetaPrograma);

  // Where a phone's `nombre` written at `momento` is kept (a free name: two
  // saved in the same second keep both).
  std::filesystem::path Destino(std::string_view nombre, std::chrono::system_clock::time_point momento) const;
  // Those of `nombre` waiting, oldest first.
  std::vector<std::filesystem::path> Pendientes(std::string_view nombre) const;
  // A file read: it moves to respaldo/procesados/.
  void Terminado(const std::filesystem::path& archivo) const;
  // "09/dic/2026 - 08:15:30", from the name of a saved file; empty when the
  // name does not carry it.
  static std::string Cuando(const std::filesystem::path& archivo);

 private:
  Respaldo respaldo_;
};

}  // namespace travesa
