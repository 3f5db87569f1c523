// The INI reader and writer over any file. A file it cannot use (a NUL byte)
// is refused with an error and left as it was. Otherwise: a value written
// reads back as written, and another key of another section reads the same
// before and after the write. No crash, no hang, no sanitizer report.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "ArchivoDeEntrada.h"
#include "shell/host/ArchivoIni.h"
#include "shell/host/ErrorTravesa.h"

using namespace travesa;

namespace {

std::string Bytes(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  static fuzz::ArchivoDeEntrada archivo("travesa.ini");
  const std::filesystem::path& ruta = archivo.Escribe(datos, largo);
  std::string otra;
  try {
    otra = ArchivoIni::Lee(ruta, "Configuración", "Minutos");
    (void)ArchivoIni::Lee(ruta, "FTP", "ftpSitio");
  } catch (const ErrorTravesa&) {
    const std::string original(reinterpret_cast<const char*>(datos), largo);
    try {
      ArchivoIni::Escribe(ruta, "FTP", "ftpSitio", "ftp://sitio:2121");
    } catch (const ErrorTravesa&) {
      if (Bytes(ruta) != original) std::abort();  // refused files are never written
      return 0;
    }
    std::abort();
  }
  const std::string valor = "ftps://año.example:990";
  ArchivoIni::Escribe(ruta, "FTP", "ftpSitio", valor);
  if (ArchivoIni::Lee(ruta, "FTP", "ftpSitio") != valor) std::abort();
  if (ArchivoIni::Lee(ruta, "Configuración", "Minutos") != otra) std::abort();
  return 0;
}
