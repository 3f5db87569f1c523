#pragma once
// The program's own warning log (travesa.log in the program folder). Not the
// transfer log of the download runs.
#include <filesystem>
#include <string_view>

namespace travesa {

class Bitacora {
 public:
  // Where warnings go from now on; without a file they go to standard error.
  static void Configura(const std::filesystem::path& archivo);
  static void Advierte(std::string_view texto);
};

}  // namespace travesa
