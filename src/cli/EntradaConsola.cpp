#include "cli/EntradaConsola.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace travesa {
namespace {

// Echo comes back however the read ends.
class SinEco {
 public:
  explicit SinEco(bool activo) : activo_(activo && tcgetattr(STDIN_FILENO, &antes_) == 0) {
    if (!activo_) return;
    termios sinEco = antes_;
    sinEco.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &sinEco);
  }
  ~SinEco() {
    if (!activo_) return;
    tcsetattr(STDIN_FILENO, TCSANOW, &antes_);
    std::cerr << std::endl;
  }
  SinEco(const SinEco&) = delete;
  SinEco& operator=(const SinEco&) = delete;

 private:
  termios antes_{};
  bool activo_;
};

}  // namespace

bool EntradaConsola::EsTerminal() { return isatty(STDIN_FILENO) == 1; }

std::optional<std::string> EntradaConsola::LeeLinea(bool oculta) {
  std::string linea;
  bool leida = false;
  {
    SinEco eco(oculta);
    leida = static_cast<bool>(std::getline(std::cin, linea));
  }
  if (!leida) return std::nullopt;
  if (!linea.empty() && linea.back() == '\r') linea.pop_back();
  return linea;
}

std::optional<std::string> EntradaConsola::PideSecreto(std::string_view pregunta) {
  if (!EsTerminal()) return LeeLinea(false);
  std::cerr << pregunta << ": " << std::flush;
  return LeeLinea(true);
}

}  // namespace travesa
