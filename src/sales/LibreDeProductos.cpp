#include "sales/LibreDeProductos.h"

#include <cctype>

namespace travesa {
namespace {

constexpr int kDecimales = 4;
// At most a billion units less one: scaled, a figure is below 10^13, and the
// reservations of a block (hundreds of thousands of lines) still add up
// inside a long long. A larger figure is asked of the server.
constexpr std::size_t kCifras = 9;

long long Suma(const std::map<std::string, long long>& m, const std::string& clave) {
  const auto hallada = m.find(clave);
  return hallada == m.end() ? 0 : hallada->second;
}

}  // namespace

std::optional<long long> LibreDeProductos::Diezmilesimos(std::string_view texto) {
  const bool negativo = !texto.empty() && texto.front() == '-';
  if (negativo) texto.remove_prefix(1);
  const std::size_t punto = texto.find('.');
  const std::string_view entera = texto.substr(0, punto);
  std::string_view fraccion = punto == std::string_view::npos ? std::string_view() : texto.substr(punto + 1);
  while (fraccion.size() > kDecimales && fraccion.back() == '0') fraccion.remove_suffix(1);
  if (entera.empty() || entera.size() > kCifras || fraccion.size() > kDecimales) return std::nullopt;
  if (punto != std::string_view::npos && punto + 1 == texto.size()) return std::nullopt;
  long long n = 0;
  for (char c : entera) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  for (int i = 0; i < kDecimales; ++i) {
    const char c = i < static_cast<int>(fraccion.size()) ? fraccion[i] : '0';
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return negativo ? -n : n;
}

void LibreDeProductos::Nuevo() {
  apartado_.clear();
  pendiente_.clear();
  desconocidos_.clear();
}

bool LibreDeProductos::Sabe(const std::string& clave, std::string_view libre, std::string_view cantidad) const {
  return !desconocidos_.count(clave) && Diezmilesimos(libre) && Diezmilesimos(cantidad);
}

bool LibreDeProductos::Aparta(const std::string& clave, std::string_view libre, std::string_view cantidad) {
  const long long queda = *Diezmilesimos(libre) - Suma(apartado_, clave) - Suma(pendiente_, clave);
  const long long pide = *Diezmilesimos(cantidad);
  if (queda < pide) return false;
  pendiente_[clave] += pide;
  return true;
}

void LibreDeProductos::Anota(const std::string& clave, std::string_view cantidad) {
  if (const std::optional<long long> n = Diezmilesimos(cantidad))
    pendiente_[clave] += *n;
  else
    desconocidos_[clave] = true;
}

void LibreDeProductos::Confirma() {
  for (const auto& [clave, n] : pendiente_) apartado_[clave] += n;
  pendiente_.clear();
}

void LibreDeProductos::Desconoce() {
  for (const auto& [clave, n] : pendiente_) desconocidos_[clave] = true;
  pendiente_.clear();
}

}  // namespace travesa
