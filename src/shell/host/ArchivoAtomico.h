#pragma once
// Settings files read whole and replaced whole. A reader never sees half a
// file: the new content goes to a temporary file of its own in the same
// folder, reaches the disk, takes the mode and owner of the file it replaces
// and is renamed over it. A symbolic link is followed, so the link stays and
// its target changes. Writers of one folder take turns.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace travesa {

class ArchivoAtomico {
 public:
  // The whole file; nothing when it does not exist. Throws ErrorTravesa when
  // it exists but cannot be read to its end.
  static std::optional<std::string> LeeCompleto(const std::filesystem::path& archivo);

  // Reads the file whole (nothing when absent), asks `cambio` for the new
  // content and writes it, with the folder's other writers held off
  // meanwhile. Throws ErrorTravesa when the file cannot be read or replaced;
  // the file is then as it was.
  static void Modifica(const std::filesystem::path& archivo,
                       const std::function<std::string(const std::optional<std::string>&)>& cambio);

  // The file a path names once its symbolic links are followed (the path
  // itself when it is not a link, even when it does not exist).
  static std::filesystem::path Destino(const std::filesystem::path& archivo);

 private:
  static void Reemplaza(const std::filesystem::path& destino, const std::string& contenido);
};

}  // namespace travesa
