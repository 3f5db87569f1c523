#pragma once
// A phone that downloads the published catalogue again and again while a test
// publishes beside it: tests/comun/lector_de_catalogo.py in the background,
// one line a download, read back here.
#include <string>
#include <string_view>
#include <vector>

#include "comun/Proceso.h"

namespace travesa::prueba {

class LectorDeCatalogo {
 public:
  struct Lectura {
    std::string estado;  // "entero", "roto", "falta" or "sin-conexion"
    std::string archivo;
    long registros = -1;  // elements inside the root of a whole document
    std::string huella;   // MD5 of a whole document
    std::string linea;    // as the reader printed it
  };

  // `carpeta` as the FTP client sees it ("/" or "/Suite.Prueba").
  LectorDeCatalogo(const std::string& sitio, const std::string& usuario, const std::string& password,
                   const std::string& carpeta, const std::vector<std::string>& archivos);

  std::vector<Lectura> Lecturas() const;
  // Waits (up to `segundos`) until `archivo` has arrived whole with the
  // content of `contenido`.
  bool Espera(const std::string& archivo, std::string_view contenido, int segundos);
  // Stops it once its download under way ends, and gives every download.
  std::vector<Lectura> Termina();

 private:
  static std::vector<Lectura> Lee(const std::string& salida);

  ProcesoEnFondo proceso_;
};

std::string Md5(std::string_view datos);

}  // namespace travesa::prueba
