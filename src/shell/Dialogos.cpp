#include "shell/Dialogos.h"

#include "shell/host/Texto.h"

namespace travesa {

bool ArchivoDelVendedor(std::string_view nombre, std::size_t inicio, std::string_view vendedor) {
  if (inicio < 1 || inicio > nombre.size()) return false;
  const std::string_view resto = nombre.substr(inicio - 1);
  const std::size_t primero = resto.find('_');
  if (primero == std::string_view::npos) return false;
  if (vendedor.empty()) return true;
  const std::size_t segundo = resto.find('_', primero + 1);
  if (segundo == std::string_view::npos) return false;
  return texto::IgualesSinMayusculas(resto.substr(primero + 1, segundo - primero - 1), vendedor);
}

}  // namespace travesa
