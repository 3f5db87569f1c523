#pragma once
// Where payment files wait until they are applied. A downloaded file moves from
// the program folder into `respaldo/` when it is read, and stays there, shown by
// every review, until its payments were applied (or it has none left to apply);
// then it moves on to `respaldo/procesados/`. So a review closed without
// applying loses nothing, and a file is never destroyed.
#include <filesystem>
#include <vector>

#include "shell/Respaldo.h"

namespace travesa {

class ArchivosDePagos {
 public:
  static constexpr const char* kProcesados = "procesados";

  explicit ArchivosDePagos(const std::filesystem::path& carpetaPrograma);

  // Moves the payment files the download left in the program folder into
  // respaldo/, then gives every file waiting there, by name.
  std::vector<std::filesystem::path> Pendientes() const;
  // A file whose payments were applied, or that has none left.
  void Procesado(const std::filesystem::path& archivo) const;
  // The files of respaldo/procesados/, by name.
  std::vector<std::filesystem::path> Procesados() const;

 private:
  std::filesystem::path carpetaPrograma_;
  Respaldo respaldo_;
};

}  // namespace travesa
