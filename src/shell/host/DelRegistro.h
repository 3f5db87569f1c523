#pragma once
// The Norvento installation record: the file registro.ini of the installation
// folder, section [Norvento].
#include <filesystem>
#include <string>
#include <string_view>

namespace travesa {

class DelRegistro {
 public:
  // The folder when it holds registro.ini, the empty text otherwise.
  std::string BuscarRegistroNVW(const std::filesystem::path& carpeta);
  // Values of the installation found last ("servidor", "MySQLServer", ...).
  std::string DatosNVW(std::string_view nombre) const;
  // Writes in the record's own encoding; its other lines stay byte for byte.
  void GuardaDatosNVW(std::string_view nombre, std::string_view valor) const;
  const std::filesystem::path& archivo() const { return archivo_; }

  static constexpr const char* kArchivo = "registro.ini";
  static constexpr const char* kSeccion = "Norvento";

 private:
  std::filesystem::path archivo_;
};

}  // namespace travesa
