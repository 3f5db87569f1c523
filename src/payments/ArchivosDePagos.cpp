#include "payments/ArchivosDePagos.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "shell/host/Texto.h"

namespace fs = std::filesystem;

namespace travesa {
namespace {

constexpr std::string_view kPrefijo = "cxcs_";
constexpr std::string_view kExtension = ".sql";

std::vector<fs::path> DePago(const fs::path& carpeta) {
  std::vector<fs::path> archivos;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(carpeta, ec)) {
    if (!e.is_regular_file()) continue;
    const std::string nombre = e.path().filename().string();
    if (texto::EmpiezaCon(nombre, kPrefijo) && texto::TerminaCon(nombre, kExtension)) archivos.push_back(e.path());
  }
  std::sort(archivos.begin(), archivos.end());
  return archivos;
}

}  // namespace

ArchivosDePagos::ArchivosDePagos(const fs::path& carpetaPrograma)
    : carpetaPrograma_(carpetaPrograma), respaldo_(carpetaPrograma) {}

std::vector<fs::path> ArchivosDePagos::Pendientes() const {
  for (const fs::path& descargado : DePago(carpetaPrograma_)) respaldo_.Guarda(descargado);
  return respaldo_.Archivos(kPrefijo, kExtension);
}

void ArchivosDePagos::Procesado(const fs::path& archivo) const {
  std::error_code ec;
  // Another run may have finished it meanwhile.
  if (!fs::exists(archivo, ec)) return;
  respaldo_.Guarda(archivo, kProcesados);
}

std::vector<fs::path> ArchivosDePagos::Procesados() const { return DePago(respaldo_.Carpeta() / kProcesados); }

}  // namespace travesa
