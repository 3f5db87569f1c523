#include "shell/host/DelRegistro.h"

#include <system_error>

#include "shell/host/ArchivoIni.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {

std::string DelRegistro::BuscarRegistroNVW(const std::filesystem::path& carpeta) {
  std::error_code ec;
  const std::filesystem::path archivo = carpeta / kArchivo;
  if (carpeta.empty() || !std::filesystem::is_regular_file(archivo, ec)) return {};
  archivo_ = archivo;
  return carpeta.string();
}

std::string DelRegistro::DatosNVW(std::string_view nombre) const {
  if (archivo_.empty()) return {};
  return ArchivoIni::Lee(archivo_, kSeccion, nombre);
}

void DelRegistro::GuardaDatosNVW(std::string_view nombre, std::string_view valor) const {
  if (archivo_.empty()) throw ErrorTravesa("No se ha encontrado la instalación de Norvento.");
  ArchivoIni::Escribe(archivo_, kSeccion, nombre, valor, ArchivoIni::Codificacion::LaDelArchivo);
}

}  // namespace travesa
