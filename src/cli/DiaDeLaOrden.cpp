#include "cli/DiaDeLaOrden.h"

#include <ctime>
#include <regex>

#include "shell/host/ErrorTravesa.h"
#include "shell/host/libNalda.h"

namespace travesa {

std::string DiaDeLaOrden(const Orden& orden) {
  if (!orden.dia.empty()) {
    static const std::regex kDia(R"(\d{4}-\d{2}-\d{2})");
    if (!std::regex_match(orden.dia, kDia))
      throw ErrorTravesa("El día «" + orden.dia + "» no es válido; escríbalo como AAAA-MM-DD.");
    return orden.dia;
  }
  return libNalda::Ahora("%Y-%m-%d");
}

}  // namespace travesa
