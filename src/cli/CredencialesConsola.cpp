#include "cli/CredencialesConsola.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

#include "shell/host/Texto.h"

namespace travesa {
namespace {

std::optional<std::string> LeeLinea(bool oculta) {
  termios antes{};
  const bool conTerminal = tcgetattr(STDIN_FILENO, &antes) == 0;
  if (oculta && conTerminal) {
    termios sinEco = antes;
    sinEco.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &sinEco);
  }
  std::string linea;
  const bool leida = static_cast<bool>(std::getline(std::cin, linea));
  if (oculta && conTerminal) {
    tcsetattr(STDIN_FILENO, TCSANOW, &antes);
    std::cerr << std::endl;
  }
  if (!leida) return std::nullopt;
  return linea;
}

}  // namespace

std::optional<Credenciales> CredencialesConsola::Pide(const Credenciales& recordadas) {
  if (primera_) {
    primera_ = false;
    const Credenciales dadas{texto::Recorta(usuario_), texto::Recorta(codigo_)};
    if (!dadas.usuario.empty() || !dadas.codigo.empty()) return dadas;
  }
  if (isatty(STDIN_FILENO) != 1) {
    if (recordadas.usuario.empty() && recordadas.codigo.empty())
      operador_.Mensaje("Indique el usuario y el código de acceso con --usuario y --codigo "
                        "(o en TRAVESA_USUARIO y TRAVESA_CODIGO).",
                        Botones::kCritico, "Acceso al programa");
    return std::nullopt;
  }
  return PreguntaEnTerminal(recordadas);
}

std::optional<Credenciales> CredencialesConsola::PreguntaEnTerminal(const Credenciales& recordadas) {
  while (true) {
    std::cerr << "Usuario" << (recordadas.usuario.empty() ? "" : " [" + recordadas.usuario + "]") << ": "
              << std::flush;
    auto usuario = LeeLinea(false);
    if (!usuario) return std::nullopt;
    std::cerr << "Código de acceso: " << std::flush;
    auto codigo = LeeLinea(true);
    if (!codigo) return std::nullopt;
    Credenciales c{texto::Recorta(*usuario), texto::Recorta(*codigo)};
    if (c.usuario.empty()) c.usuario = recordadas.usuario;
    if (!c.usuario.empty() || !c.codigo.empty()) return c;
    operador_.Pitido();
  }
}

}  // namespace travesa
