#pragma once
// A fresh folder under /tmp, removed with everything in it at the end.
#include <filesystem>

namespace travesa::prueba {

class CarpetaTemporal {
 public:
  CarpetaTemporal();
  ~CarpetaTemporal();
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

  const std::filesystem::path& ruta() const { return ruta_; }
  std::filesystem::path operator/(const std::filesystem::path& p) const { return ruta_ / p; }

 private:
  std::filesystem::path ruta_;
};

std::string LeeArchivo(const std::filesystem::path& archivo);
void EscribeArchivo(const std::filesystem::path& archivo, std::string_view contenido);

}  // namespace travesa::prueba
