#pragma once
// An INI file read and written whole: sections, keys and their order survive a
// write, as do lines the program does not know. UTF-8 on disk; a file written by
// another editor in Windows-1252 is read as such and rewritten in UTF-8.
#include <filesystem>
#include <string>
#include <string_view>

namespace travesa {

class ArchivoIni {
 public:
  // The value of a key; empty when the file, the section or the key is absent
  // or the file cannot be read.
  static std::string Lee(const std::filesystem::path& archivo, std::string_view seccion,
                         std::string_view clave);
  // Stores the value, creating the file and the section when needed. Throws
  // ErrorTravesa when the file cannot be written.
  static void Escribe(const std::filesystem::path& archivo, std::string_view seccion,
                      std::string_view clave, std::string_view valor);
};

}  // namespace travesa
