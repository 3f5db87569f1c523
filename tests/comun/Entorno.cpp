#include "comun/Entorno.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

namespace travesa::prueba {
namespace {

const std::map<std::string, std::string>& DelArchivo() {
  static const std::map<std::string, std::string> valores = [] {
    std::map<std::string, std::string> m;
    std::ifstream f(TRAVESA_ENTORNO_SERVIDORES);
    std::string linea;
    while (std::getline(f, linea)) {
      if (linea.rfind("export ", 0) == 0) linea.erase(0, 7);
      const auto igual = linea.find('=');
      if (igual != std::string::npos) m[linea.substr(0, igual)] = linea.substr(igual + 1);
    }
    return m;
  }();
  return valores;
}

}  // namespace

std::string Variable(const std::string& nombre) {
  if (const char* v = std::getenv(nombre.c_str())) return v;
  const auto& m = DelArchivo();
  auto it = m.find(nombre);
  if (it == m.end())
    throw std::runtime_error("Falta " + nombre + ": arranque los servidores con scripts/servidores-prueba start");
  return it->second;
}

ServidorBD BD() {
  return {Variable("TRAVESA_PRUEBA_MYSQL_HOST"),
          static_cast<unsigned>(std::stoul(Variable("TRAVESA_PRUEBA_MYSQL_PUERTO"))),
          Variable("TRAVESA_PRUEBA_MYSQL_USUARIO"), Variable("TRAVESA_PRUEBA_MYSQL_PASSWORD")};
}

ServidorFTP FTP() {
  return {Variable("TRAVESA_PRUEBA_FTP_HOST"),
          static_cast<unsigned>(std::stoul(Variable("TRAVESA_PRUEBA_FTP_PUERTO"))),
          static_cast<unsigned>(std::stoul(Variable("TRAVESA_PRUEBA_FTPS_PUERTO"))),
          Variable("TRAVESA_PRUEBA_FTP_USUARIO"),
          Variable("TRAVESA_PRUEBA_FTP_PASSWORD"),
          Variable("TRAVESA_PRUEBA_FTP_CARPETA"),
          Variable("TRAVESA_PRUEBA_FTP_CERTIFICADO")};
}

std::filesystem::path Fuentes() { return TRAVESA_FUENTES; }
std::filesystem::path Ejecutable() { return TRAVESA_EJECUTABLE; }

}  // namespace travesa::prueba
