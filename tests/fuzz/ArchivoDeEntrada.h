#pragma once
// The fuzzer's bytes as a file of this process's own, for the readers that
// take a path (the sales file reader, the INI reader). Kept in the system's
// temporary folder and rewritten on every input.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace travesa::fuzz {

class ArchivoDeEntrada {
 public:
  explicit ArchivoDeEntrada(const std::string& nombre);
  ~ArchivoDeEntrada();
  ArchivoDeEntrada(const ArchivoDeEntrada&) = delete;
  ArchivoDeEntrada& operator=(const ArchivoDeEntrada&) = delete;

  // Writes the bytes over the file and gives its path.
  const std::filesystem::path& Escribe(const std::uint8_t* datos, std::size_t largo);
  const std::filesystem::path& Ruta() const { return ruta_; }

 private:
  std::filesystem::path carpeta_;
  std::filesystem::path ruta_;
};

}  // namespace travesa::fuzz
