#include "cli/CredencialesConsola.h"

#include <iostream>

#include "cli/EntradaConsola.h"
#include "shell/host/Texto.h"

namespace travesa {

std::optional<Credenciales> CredencialesConsola::Pide(const Credenciales& recordadas) {
  if (primera_) {
    primera_ = false;
    const Credenciales dadas{texto::Recorta(usuario_), texto::Recorta(codigo_)};
    if (!dadas.usuario.empty() || !dadas.codigo.empty()) return dadas;
  }
  if (!EntradaConsola::EsTerminal()) {
    if (recordadas.usuario.empty() && recordadas.codigo.empty())
      operador_.Mensaje(
          "Indique el usuario y el código de acceso con --usuario y --codigo "
          "(o en TRAVESA_USUARIO y TRAVESA_CODIGO).",
          Botones::kCritico, "Acceso al programa");
    return std::nullopt;
  }
  return PreguntaEnTerminal(recordadas);
}

std::optional<Credenciales> CredencialesConsola::PreguntaEnTerminal(const Credenciales& recordadas) {
  while (true) {
    std::cerr << "Usuario" << (recordadas.usuario.empty() ? "" : " [" + recordadas.usuario + "]") << ": " << std::flush;
    auto usuario = EntradaConsola::LeeLinea(false);
    if (!usuario) return std::nullopt;
    std::cerr << "Código de acceso: " << std::flush;
    auto codigo = EntradaConsola::LeeLinea(true);
    if (!codigo) return std::nullopt;
    Credenciales c{texto::Recorta(*usuario), texto::Recorta(*codigo)};
    if (c.usuario.empty()) c.usuario = recordadas.usuario;
    if (!c.usuario.empty() || !c.codigo.empty()) return c;
    operador_.Pitido();
  }
}

}  // namespace travesa
