#pragma once
// The login without a window: the user and code given on the command line (or
// in TRAVESA_USUARIO/TRAVESA_CODIGO) are tried first; further attempts are asked
// at the terminal, and with no terminal there is none.
#include <optional>
#include <string>

#include "shell/Operador.h"
#include "shell/PideCredenciales.h"

namespace travesa {

class CredencialesConsola : public PideCredenciales {
 public:
  CredencialesConsola(std::string usuario, std::string codigo, Operador& operador)
      : usuario_(std::move(usuario)), codigo_(std::move(codigo)), operador_(operador) {}

  std::optional<Credenciales> Pide(const Credenciales& recordadas) override;

 private:
  std::optional<Credenciales> PreguntaEnTerminal(const Credenciales& recordadas);

  std::string usuario_;
  std::string codigo_;
  Operador& operador_;
  bool primera_ = true;
};

}  // namespace travesa
