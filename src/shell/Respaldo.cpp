#include "shell/Respaldo.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "shell/host/ErrorTravesa.h"

namespace fs = std::filesystem;

namespace travesa {
namespace {

fs::path NombreLibre(const fs::path& carpeta, const fs::path& nombre) {
  fs::path destino = carpeta / nombre;
  const std::string raiz = nombre.stem().string();
  const std::string ext = nombre.extension().string();
  for (int n = 1; fs::exists(destino); ++n) {
    destino = carpeta / (raiz + "." + std::to_string(n) + ext);
  }
  return destino;
}

bool Empieza(std::string_view texto, std::string_view prefijo) { return texto.substr(0, prefijo.size()) == prefijo; }

bool Termina(std::string_view texto, std::string_view fin) {
  return texto.size() >= fin.size() && texto.substr(texto.size() - fin.size()) == fin;
}

}  // namespace

Respaldo::Respaldo(fs::path carpetaPrograma) : carpetaPrograma_(std::move(carpetaPrograma)) {}

fs::path Respaldo::Carpeta() const {
  const fs::path carpeta = carpetaPrograma_ / kCarpeta;
  std::error_code ec;
  fs::create_directories(carpeta, ec);
  if (ec) {
    throw ErrorTravesa("No se pudo crear la carpeta de respaldo «" + carpeta.string() + "»: " + ec.message());
  }
  return carpeta;
}

fs::path Respaldo::Guarda(const fs::path& archivo, std::string_view subcarpeta) const {
  fs::path carpeta = Carpeta();
  std::error_code ec;
  if (!subcarpeta.empty()) {
    carpeta /= subcarpeta;
    fs::create_directories(carpeta, ec);
  }
  const fs::path destino = NombreLibre(carpeta, archivo.filename());
  fs::rename(archivo, destino, ec);
  if (!ec) return destino;
  // Another file system: copy whole, then remove the original.
  fs::copy_file(archivo, destino, ec);
  if (!ec) fs::remove(archivo, ec);
  if (ec) {
    throw ErrorTravesa("No se pudo guardar «" + archivo.string() + "» en la carpeta de respaldo: " + ec.message());
  }
  return destino;
}

std::string Respaldo::NombreOriginal(const fs::path& archivo) {
  const std::string raiz = archivo.stem().string();
  const std::size_t punto = raiz.rfind('.');
  if (punto == std::string::npos || punto + 1 == raiz.size() ||
      raiz.find_first_not_of("0123456789", punto + 1) != std::string::npos)
    return archivo.filename().string();
  return raiz.substr(0, punto) + archivo.extension().string();
}

std::vector<fs::path> Respaldo::Archivos(std::string_view prefijo, std::string_view extension) const {
  std::vector<fs::path> archivos;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(carpetaPrograma_ / kCarpeta, ec)) {
    if (!e.is_regular_file()) continue;
    const std::string nombre = e.path().filename().string();
    if (Empieza(nombre, prefijo) && Termina(nombre, extension)) archivos.push_back(e.path());
  }
  std::sort(archivos.begin(), archivos.end());
  return archivos;
}

}  // namespace travesa
