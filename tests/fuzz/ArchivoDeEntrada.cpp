#include "ArchivoDeEntrada.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace travesa::fuzz {

ArchivoDeEntrada::ArchivoDeEntrada(const std::string& nombre)
    : carpeta_(std::filesystem::temp_directory_path() / ("travesa-fuzz-" + std::to_string(::getpid()))),
      ruta_(carpeta_ / nombre) {
  std::filesystem::create_directories(carpeta_);
}

ArchivoDeEntrada::~ArchivoDeEntrada() {
  std::error_code ec;
  std::filesystem::remove_all(carpeta_, ec);
}

const std::filesystem::path& ArchivoDeEntrada::Escribe(const std::uint8_t* datos, std::size_t largo) {
  std::ofstream f(ruta_, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(largo));
  f.close();
  if (!f) {
    std::fprintf(stderr, "No se pudo escribir %s\n", ruta_.c_str());
    std::abort();
  }
  return ruta_;
}

}  // namespace travesa::fuzz
