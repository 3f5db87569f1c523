#include "comun/Entorno.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

#include <gtest/gtest.h>

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
      if (igual == std::string::npos) continue;
      std::string valor = linea.substr(igual + 1);
      if (valor.size() >= 2 && valor.front() == '\'' && valor.back() == '\'') valor = valor.substr(1, valor.size() - 2);
      m[linea.substr(0, igual)] = valor;
    }
    return m;
  }();
  return valores;
}

std::string Opcional(const std::string& nombre) {
  if (const char* v = std::getenv(nombre.c_str())) return v;
  const auto& m = DelArchivo();
  const auto it = m.find(nombre);
  return it == m.end() ? std::string() : it->second;
}

std::string Mayusculas(std::string texto) {
  std::transform(texto.begin(), texto.end(), texto.begin(), [](unsigned char c) { return std::toupper(c); });
  return texto;
}

// "proftpd-tls": the server "PROFTPD", with TLS.
std::string Elegido() { return Opcional("TRAVESA_PRUEBA_FTP_SERVIDOR"); }
bool ConTls(const std::string& elegido) { return elegido.ends_with("-tls"); }
std::string Prefijo(std::string elegido) {
  if (ConTls(elegido)) elegido.resize(elegido.size() - 4);
  return "TRAVESA_PRUEBA_FTP_" + Mayusculas(elegido);
}

unsigned Puerto(const std::string& nombre) { return static_cast<unsigned>(std::stoul(Variable(nombre))); }

// A server of the matrix that does not run here skips every test of its run,
// saying why.
class ServidorDeLaMatriz : public ::testing::Environment {
 public:
  void SetUp() override {
    const std::string ausente = FTPAusente();
    if (!ausente.empty()) GTEST_SKIP() << ausente;
  }
};

[[maybe_unused]] const ::testing::Environment* const kMatriz =
    ::testing::AddGlobalTestEnvironment(new ServidorDeLaMatriz);

}  // namespace

std::string Variable(const std::string& nombre) {
  std::string valor = Opcional(nombre);
  if (valor.empty())
    throw std::runtime_error("Falta " + nombre + ": arranque los servidores con scripts/servidores-prueba start");
  return valor;
}

std::string VarianteBD() { return Opcional("TRAVESA_PRUEBA_BD_VARIANTE"); }

std::filesystem::path EsquemaDeVariante() {
  const std::string variante = VarianteBD();
  if (variante.empty()) return {};
  const std::filesystem::path esquema = Fuentes() / "tests/comun/esquemas" / (variante + ".sql");
  return std::filesystem::exists(esquema) ? esquema : std::filesystem::path();
}

ServidorBD BD() {
  std::string puerto = "TRAVESA_PRUEBA_MYSQL_PUERTO";
  const std::string variante = VarianteBD();
  if (!variante.empty() && EsquemaDeVariante().empty())
    puerto = "TRAVESA_PRUEBA_MYSQL_" + Mayusculas(variante) + "_PUERTO";
  return {Variable("TRAVESA_PRUEBA_MYSQL_HOST"), Puerto(puerto), Variable("TRAVESA_PRUEBA_MYSQL_USUARIO"),
          Variable("TRAVESA_PRUEBA_MYSQL_PASSWORD")};
}

ServidorFTP FTP() {
  ServidorFTP s;
  s.host = Variable("TRAVESA_PRUEBA_FTP_HOST");
  s.certificado = Variable("TRAVESA_PRUEBA_FTP_CERTIFICADO");
  const std::string elegido = Elegido();
  if (elegido.empty() || elegido == "pyftpdlib") {
    s.puerto = Puerto("TRAVESA_PRUEBA_FTP_PUERTO");
    s.puertoTls = Puerto("TRAVESA_PRUEBA_FTPS_PUERTO");
    s.usuario = Variable("TRAVESA_PRUEBA_FTP_USUARIO");
    s.password = Variable("TRAVESA_PRUEBA_FTP_PASSWORD");
    s.carpeta = Variable("TRAVESA_PRUEBA_FTP_CARPETA");
    return s;
  }
  const std::string prefijo = Prefijo(elegido);
  s.nombre = elegido;
  s.tls = ConTls(elegido);
  s.puertoTls = Puerto(prefijo + "_PUERTO_TLS");
  s.puerto = s.tls ? s.puertoTls : Puerto(prefijo + "_PUERTO");
  s.usuario = Variable("TRAVESA_PRUEBA_FTP_DEMONIOS_USUARIO");
  s.password = Variable("TRAVESA_PRUEBA_FTP_DEMONIOS_PASSWORD");
  s.carpeta = Variable(prefijo + "_CARPETA");
  s.otroDueno = true;
  return s;
}

std::string FTPAusente() {
  const std::string elegido = Elegido();
  if (elegido.empty() || elegido == "pyftpdlib") return {};
  for (const std::string& falta :
       {Opcional("TRAVESA_PRUEBA_FTP_DEMONIOS_FALTA"), Opcional(Prefijo(elegido) + "_FALTA")})
    if (!falta.empty()) return elegido + " no corre aquí: " + falta;
  return {};
}

unsigned PuertoDeInstancia(const std::string& que) { return Puerto(Prefijo(Elegido()) + "_PUERTO_" + que); }

std::filesystem::path Fuentes() { return TRAVESA_FUENTES; }
std::filesystem::path Ejecutable() { return TRAVESA_EJECUTABLE; }

}  // namespace travesa::prueba
