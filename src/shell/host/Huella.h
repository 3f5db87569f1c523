#pragma once
// Digests of texts and files, as lowercase hexadecimal: SHA-256 to tell one
// file from another (what was published, what a phone sent), MD5 where the
// phones expect it (the application password).
#include <filesystem>
#include <string>
#include <string_view>

namespace travesa {

class Huella {
 public:
  static std::string Sha256(std::string_view contenido);
  // The file read in pieces; throws ErrorTravesa when it cannot be read.
  static std::string Sha256DeArchivo(const std::filesystem::path& archivo);
  static std::string Md5(std::string_view contenido);
};

}  // namespace travesa
