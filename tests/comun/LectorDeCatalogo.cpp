#include "comun/LectorDeCatalogo.h"

#include <chrono>
#include <csignal>
#include <sstream>
#include <thread>

#include <openssl/evp.h>

#include "comun/Entorno.h"

namespace travesa::prueba {

LectorDeCatalogo::LectorDeCatalogo(const std::string& sitio, const std::string& usuario, const std::string& password,
                                   const std::string& carpeta, const std::vector<std::string>& archivos)
    : proceso_("/usr/bin/python3", [&] {
        std::vector<std::string> args = {(Fuentes() / "tests" / "comun" / "lector_de_catalogo.py").string(),
                                         "--sitio",
                                         sitio,
                                         "--usuario",
                                         usuario,
                                         "--password",
                                         password,
                                         "--carpeta",
                                         carpeta};
        args.insert(args.end(), archivos.begin(), archivos.end());
        return args;
      }()) {}

std::vector<LectorDeCatalogo::Lectura> LectorDeCatalogo::Lee(const std::string& salida) {
  std::vector<Lectura> lecturas;
  std::istringstream lineas(salida);
  std::string linea;
  while (std::getline(lineas, linea)) {
    Lectura l;
    l.linea = linea;
    std::istringstream campos(linea);
    campos >> l.estado >> l.archivo;
    if (l.estado == "entero") campos >> l.registros >> l.huella;
    lecturas.push_back(std::move(l));
  }
  return lecturas;
}

std::vector<LectorDeCatalogo::Lectura> LectorDeCatalogo::Lecturas() const { return Lee(proceso_.Salida()); }

bool LectorDeCatalogo::Espera(const std::string& archivo, std::string_view contenido, int segundos) {
  const std::string huella = Md5(contenido);
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
  while (std::chrono::steady_clock::now() < limite) {
    for (const Lectura& l : Lecturas())
      if (l.archivo == archivo && l.huella == huella) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

std::vector<LectorDeCatalogo::Lectura> LectorDeCatalogo::Termina() {
  proceso_.Senal(SIGTERM);
  return Lee(proceso_.Espera(120).salida);
}

std::string Md5(std::string_view datos) {
  unsigned char resumen[EVP_MAX_MD_SIZE];
  unsigned int largo = 0;
  EVP_Digest(datos.data(), datos.size(), resumen, &largo, EVP_md5(), nullptr);
  static const char* const kHex = "0123456789abcdef";
  std::string hex;
  for (unsigned int i = 0; i < largo; ++i) {
    hex += kHex[resumen[i] >> 4];
    hex += kHex[resumen[i] & 0xF];
  }
  return hex;
}

}  // namespace travesa::prueba
