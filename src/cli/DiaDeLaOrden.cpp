#include "cli/DiaDeLaOrden.h"

#include <ctime>
#include <regex>

#include "shell/host/ErrorTravesa.h"

namespace travesa {

std::string DiaDeLaOrden(const Orden& orden) {
  if (!orden.dia.empty()) {
    static const std::regex kDia(R"(\d{4}-\d{2}-\d{2})");
    if (!std::regex_match(orden.dia, kDia))
      throw ErrorTravesa("El día «" + orden.dia + "» no es válido; escríbalo como AAAA-MM-DD.");
    return orden.dia;
  }
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char texto[16];
  std::strftime(texto, sizeof texto, "%Y-%m-%d", &local);
  return texto;
}


}  // namespace travesa
