#include "comun/CarpetaTemporal.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace travesa::prueba {

CarpetaTemporal::CarpetaTemporal() {
  std::string plantilla = (std::filesystem::temp_directory_path() / "travesa-XXXXXX").string();
  if (mkdtemp(plantilla.data()) == nullptr) throw std::runtime_error("mkdtemp falló");
  ruta_ = plantilla;
}

CarpetaTemporal::~CarpetaTemporal() {
  std::error_code ec;
  std::filesystem::remove_all(ruta_, ec);
}

std::string LeeArchivo(const std::filesystem::path& archivo) {
  std::ifstream f(archivo, std::ios::binary);
  std::ostringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

void EscribeArchivo(const std::filesystem::path& archivo, std::string_view contenido) {
  std::filesystem::create_directories(archivo.parent_path());
  std::ofstream f(archivo, std::ios::binary | std::ios::trunc);
  f << contenido;
}

}  // namespace travesa::prueba
