#include "shell/host/Huella.h"

#include <fstream>
#include <memory>

#include <openssl/evp.h>

#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

struct LiberaContexto {
  void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
using Contexto = std::unique_ptr<EVP_MD_CTX, LiberaContexto>;

std::string Hex(const unsigned char* resumen, unsigned int largo) {
  return texto::HexMinusculas(std::string_view(reinterpret_cast<const char*>(resumen), largo));
}

std::string Digiere(std::string_view contenido, const EVP_MD* algoritmo) {
  unsigned char resumen[EVP_MAX_MD_SIZE];
  unsigned int largo = 0;
  EVP_Digest(contenido.data(), contenido.size(), resumen, &largo, algoritmo, nullptr);
  return Hex(resumen, largo);
}

}  // namespace

std::string Huella::Sha256(std::string_view contenido) { return Digiere(contenido, EVP_sha256()); }

std::string Huella::Md5(std::string_view contenido) { return Digiere(contenido, EVP_md5()); }

std::string Huella::Sha256DeArchivo(const std::filesystem::path& archivo) {
  std::ifstream entrada(archivo, std::ios::binary);
  if (!entrada) throw ErrorTravesa("No se pudo leer «" + archivo.string() + "».");
  Contexto c(EVP_MD_CTX_new());
  EVP_DigestInit_ex(c.get(), EVP_sha256(), nullptr);
  char trozo[64 * 1024];
  while (entrada.read(trozo, sizeof trozo) || entrada.gcount() > 0)
    EVP_DigestUpdate(c.get(), trozo, static_cast<std::size_t>(entrada.gcount()));
  if (entrada.bad()) throw ErrorTravesa("No se pudo leer «" + archivo.string() + "».");
  unsigned char resumen[EVP_MAX_MD_SIZE];
  unsigned int largo = 0;
  EVP_DigestFinal_ex(c.get(), resumen, &largo);
  return Hex(resumen, largo);
}

}  // namespace travesa
