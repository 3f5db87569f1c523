#include "shell/host/DeAcceso.h"

#include "shell/host/Bitacora.h"

namespace travesa {
namespace {

int ValorHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string DeAcceso::DesEncripta(std::string_view valor, std::string_view alE) {
  if (alE.empty()) return std::string(valor);
  if (valor.size() % 2 != 0) {
    Bitacora::Advierte("Un dato de la tabla de usuarios no es hexadecimal; se toma como vacío.");
    return {};
  }
  std::string plano;
  plano.reserve(valor.size() / 2);
  for (std::size_t i = 0; i < valor.size(); i += 2) {
    const int alto = ValorHex(valor[i]);
    const int bajo = ValorHex(valor[i + 1]);
    if (alto < 0 || bajo < 0) {
      Bitacora::Advierte("Un dato de la tabla de usuarios no es hexadecimal; se toma como vacío.");
      return {};
    }
    const auto byte = static_cast<unsigned char>(alto * 16 + bajo);
    const auto clave = static_cast<unsigned char>(alE[(i / 2) % alE.size()]);
    plano += static_cast<char>(byte ^ clave);
  }
  return plano;
}

std::string DeAcceso::Encripta(std::string_view plano, std::string_view alE) {
  if (alE.empty()) return std::string(plano);
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < plano.size(); ++i) {
    const auto b = static_cast<unsigned char>(plano[i]) ^ static_cast<unsigned char>(alE[i % alE.size()]);
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  }
  return out;
}

}  // namespace travesa
