#pragma once
// The login dialogue as the login rules see it: it shows the remembered user
// and code and gives back what the operator accepted, or nothing when the
// operator closed it.
#include <optional>
#include <string>

namespace travesa {

struct Credenciales {
  std::string usuario;
  std::string codigo;
};

class PideCredenciales {
 public:
  virtual ~PideCredenciales() = default;
  virtual std::optional<Credenciales> Pide(const Credenciales& recordadas) = 0;
};

}  // namespace travesa
