#pragma once
// Local files: delete one, open one in the program associated with it.
#include <filesystem>

namespace travesa {

class DeArchivos {
 public:
  // True when the file no longer exists.
  static bool BorraArchivo(const std::filesystem::path& archivo);
  // Opens the file with xdg-open when there is a display; false otherwise.
  static bool AbreDocumento(const std::filesystem::path& archivo);
};

}  // namespace travesa
