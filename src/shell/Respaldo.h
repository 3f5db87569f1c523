#pragma once
// The backup folder `respaldo/` of the program folder: device files (sales and
// payments) that were downloaded and read move there instead of being deleted,
// so nothing a phone sent is ever destroyed unread.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class Respaldo {
 public:
  static constexpr const char* kCarpeta = "respaldo";

  explicit Respaldo(std::filesystem::path carpetaPrograma);

  // The folder, created when missing.
  std::filesystem::path Carpeta() const;
  // Moves the file into the folder and returns where it landed. A file of the
  // same name already there is kept: the new one gets a numbered name
  // ("name.1.ext", "name.2.ext"...). Throws ErrorTravesa when it cannot move.
  // With a subfolder, the file goes there (created when missing).
  std::filesystem::path Guarda(const std::filesystem::path& archivo, std::string_view subcarpeta = {}) const;
  // The name a file had before Guarda numbered it: "name.1.ext" gives "name.ext".
  static std::string NombreOriginal(const std::filesystem::path& archivo);
  // The files in the folder whose name starts with `prefijo` and ends with
  // `extension`, by name.
  std::vector<std::filesystem::path> Archivos(std::string_view prefijo, std::string_view extension) const;

 private:
  std::filesystem::path carpetaPrograma_;
};

}  // namespace travesa
