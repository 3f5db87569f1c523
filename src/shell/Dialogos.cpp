#include "shell/Dialogos.h"

#include "shell/host/Texto.h"

namespace travesa {

bool ArchivoDelVendedor(std::string_view nombre, std::size_t inicio, std::string_view vendedor) {
  if (inicio < 1 || inicio > nombre.size()) return false;
  if (nombre.substr(inicio - 1).find('_') == std::string_view::npos) return false;
  if (vendedor.empty()) return true;
  const auto campo = CampoDelVendedor(nombre, inicio);
  return campo && texto::IgualesSinMayusculas(*campo, vendedor);
}

std::optional<std::string_view> CampoDelVendedor(std::string_view nombre, std::size_t inicio) {
  if (inicio < 1 || inicio > nombre.size()) return std::nullopt;
  const std::string_view resto = nombre.substr(inicio - 1);
  const std::size_t primero = resto.find('_');
  if (primero == std::string_view::npos) return std::nullopt;
  const std::size_t segundo = resto.find('_', primero + 1);
  if (segundo == std::string_view::npos) return std::nullopt;
  return resto.substr(primero + 1, segundo - primero - 1);
}

}  // namespace travesa
