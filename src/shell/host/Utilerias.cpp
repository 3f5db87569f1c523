#include "shell/host/Utilerias.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <sys/stat.h>

#include "shell/host/Bitacora.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr std::size_t kLargoClave = 32;
constexpr std::size_t kLargoNonce = 12;
constexpr std::size_t kLargoEtiqueta = 16;

using Contexto = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

std::string Base64(const std::string& datos) {
  std::string out(4 * ((datos.size() + 2) / 3) + 1, '\0');
  const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                reinterpret_cast<const unsigned char*>(datos.data()), static_cast<int>(datos.size()));
  out.resize(static_cast<std::size_t>(n));
  return out;
}

bool DeBase64(std::string_view texto, std::string& datos) {
  if (texto.empty() || texto.size() % 4 != 0) return false;
  datos.assign(3 * texto.size() / 4, '\0');
  const int n = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(datos.data()),
                                reinterpret_cast<const unsigned char*>(texto.data()), static_cast<int>(texto.size()));
  if (n < 0) return false;
  std::size_t relleno = 0;
  if (texto.back() == '=') ++relleno;
  if (texto.size() >= 2 && texto[texto.size() - 2] == '=') ++relleno;
  datos.resize(static_cast<std::size_t>(n) - relleno);
  return true;
}

}  // namespace

Utilerias::Utilerias(std::filesystem::path carpetaPrograma)
    : archivoClave_(std::move(carpetaPrograma) / kArchivoClave) {}

bool Utilerias::HayClave() const {
  std::error_code ec;
  return std::filesystem::exists(archivoClave_, ec);
}

std::string Utilerias::Clave(bool crear) const {
  // Created exclusively, so two processes starting together share one key.
  const int fd = crear ? ::open(archivoClave_.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600) : -1;
  if (fd >= 0) {
    unsigned char clave[kLargoClave];
    if (RAND_bytes(clave, sizeof clave) != 1) {
      ::close(fd);
      throw ErrorTravesa("No se pudo generar la clave de cifrado.");
    }
    const bool escrito = ::write(fd, clave, sizeof clave) == static_cast<ssize_t>(sizeof clave);
    ::fsync(fd);
    ::close(fd);
    if (!escrito) throw ErrorTravesa("No se pudo escribir el archivo de clave «" + archivoClave_.string() + "».");
    return std::string(reinterpret_cast<char*>(clave), sizeof clave);
  }
  struct stat datos {};
  if (::stat(archivoClave_.c_str(), &datos) != 0)
    throw ErrorTravesa("Falta el archivo de clave «" + archivoClave_.string() + "».");
  // As a careful SSH client does with its keys: a key others may read is not used.
  if ((datos.st_mode & 077) != 0) {
    char modo[8];
    std::snprintf(modo, sizeof modo, "%04o", static_cast<unsigned>(datos.st_mode & 07777));
    throw ErrorTravesa("El archivo de clave «" + archivoClave_.string() + "» lo pueden leer otros usuarios (permisos " +
                       modo + "), así que no se usa. Quíteles el acceso con: chmod 600 '" + archivoClave_.string() +
                       "'");
  }
  std::ifstream f(archivoClave_, std::ios::binary);
  std::ostringstream ss;
  ss << f.rdbuf();
  std::string clave = ss.str();
  if (!f || clave.size() != kLargoClave)
    throw ErrorTravesa("El archivo de clave «" + archivoClave_.string() + "» no se puede leer o está dañado.");
  return clave;
}

std::string Utilerias::Encripta(std::string_view texto) const {
  const std::string clave = Clave(true);
  unsigned char nonce[kLargoNonce];
  if (RAND_bytes(nonce, sizeof nonce) != 1) throw ErrorTravesa("No se pudo cifrar el dato.");
  Contexto ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
  std::string cifrado(texto.size() + 16, '\0');
  int n = 0, fin = 0;
  unsigned char etiqueta[kLargoEtiqueta];
  const bool ok =
      ctx &&
      EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, reinterpret_cast<const unsigned char*>(clave.data()),
                         nonce) == 1 &&
      EVP_EncryptUpdate(ctx.get(), reinterpret_cast<unsigned char*>(cifrado.data()), &n,
                        reinterpret_cast<const unsigned char*>(texto.data()), static_cast<int>(texto.size())) == 1 &&
      EVP_EncryptFinal_ex(ctx.get(), reinterpret_cast<unsigned char*>(cifrado.data()) + n, &fin) == 1 &&
      EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, kLargoEtiqueta, etiqueta) == 1;
  if (!ok) throw ErrorTravesa("No se pudo cifrar el dato.");
  cifrado.resize(static_cast<std::size_t>(n + fin));
  std::string todo(reinterpret_cast<char*>(nonce), kLargoNonce);
  todo += cifrado;
  todo.append(reinterpret_cast<char*>(etiqueta), kLargoEtiqueta);
  return Base64(todo);
}

std::string Utilerias::DesEncripta(std::string_view cifrado) const {
  try {
    if (auto plano = Descifra(cifrado)) return *plano;
    Bitacora::Advierte("Un dato cifrado fue alterado o se cifró con otra clave; se toma como vacío.");
  } catch (const ErrorTravesa& e) {
    Bitacora::Advierte(std::string(e.what()) + " Un dato cifrado se toma como vacío.");
  }
  return {};
}

std::optional<std::string> Utilerias::Descifra(std::string_view cifrado) const {
  if (texto::Recorta(cifrado).empty()) return std::string();
  std::string datos;
  if (!DeBase64(texto::Recorta(cifrado), datos) || datos.size() < kLargoNonce + kLargoEtiqueta) return std::nullopt;
  const std::string clave = Clave(false);
  const auto* nonce = reinterpret_cast<const unsigned char*>(datos.data());
  const auto* cuerpo = nonce + kLargoNonce;
  const int largo = static_cast<int>(datos.size() - kLargoNonce - kLargoEtiqueta);
  std::string plano(static_cast<std::size_t>(largo) + 16, '\0');
  unsigned char etiqueta[kLargoEtiqueta];
  std::copy(cuerpo + largo, cuerpo + largo + kLargoEtiqueta, etiqueta);
  Contexto ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
  int n = 0, fin = 0;
  const bool ok =
      ctx &&
      EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, reinterpret_cast<const unsigned char*>(clave.data()),
                         nonce) == 1 &&
      EVP_DecryptUpdate(ctx.get(), reinterpret_cast<unsigned char*>(plano.data()), &n, cuerpo, largo) == 1 &&
      EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, kLargoEtiqueta, etiqueta) == 1 &&
      EVP_DecryptFinal_ex(ctx.get(), reinterpret_cast<unsigned char*>(plano.data()) + n, &fin) == 1;
  if (!ok) return std::nullopt;
  plano.resize(static_cast<std::size_t>(n + fin));
  return plano;
}

std::string Utilerias::EscapaSQL(std::string_view valor) {
  std::string out;
  out.reserve(valor.size() + 4);
  for (const char c : valor) {
    switch (c) {
      case '\'':
        out += "''";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\0':
        out += "\\0";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Utilerias::CambXXX(std::string_view plantilla, std::string_view valor) {
  return texto::Reemplaza(plantilla, "XXX", EscapaSQL(valor));
}

bool Utilerias::VarToBool(std::string_view valor) {
  const std::string v = texto::Mayusculas(texto::Recorta(valor));
  if (v.empty()) return false;
  if ((v[0] >= '0' && v[0] <= '9') || v[0] == '-' || v[0] == '.' || v[0] == '+') return libNalda::prVal(v) != 0;
  return v == "S" || v == "SI" || v == "SÍ" || v == "T" || v == "TRUE" || v == "VERDADERO" || v == "Y" || v == "YES" ||
         v == "V";
}

}  // namespace travesa
