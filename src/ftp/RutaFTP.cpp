#include "ftp/RutaFTP.h"

#include <vector>

namespace travesa {
namespace {

std::vector<std::string> Segmentos(std::string_view ruta) {
  std::vector<std::string> partes;
  std::size_t inicio = 0;
  while (inicio <= ruta.size()) {
    auto fin = ruta.find('/', inicio);
    if (fin == std::string_view::npos) fin = ruta.size();
    partes.emplace_back(ruta.substr(inicio, fin - inicio));
    inicio = fin + 1;
  }
  return partes;
}

void Agrega(std::vector<std::string>& pila, const std::string& segmento) {
  if (segmento.empty() || segmento == ".") return;
  if (segmento == "..") {
    if (!pila.empty()) pila.pop_back();
    return;
  }
  pila.push_back(segmento);
}

bool NoReservado(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

std::string Escapa(std::string_view segmento) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : segmento) {
    const auto c = static_cast<unsigned char>(ch);
    if (NoReservado(c)) {
      out += ch;
      continue;
    }
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
  }
  return out;
}

}  // namespace

std::string RutaFTP::Absoluta(std::string_view actual, std::string_view ruta) {
  std::vector<std::string> pila;
  if (ruta.empty() || ruta.front() != '/') {
    for (const auto& s : Segmentos(actual)) Agrega(pila, s);
  }
  for (const auto& s : Segmentos(ruta)) Agrega(pila, s);
  std::string out;
  for (const auto& s : pila) out += "/" + s;
  return out.empty() ? "/" : out;
}

std::pair<std::string, std::string> RutaFTP::Separa(std::string_view ruta) {
  const auto diagonal = ruta.rfind('/');
  if (diagonal == std::string_view::npos) return {"", std::string(ruta)};
  const std::string carpeta = diagonal == 0 ? "/" : std::string(ruta.substr(0, diagonal));
  return {carpeta, std::string(ruta.substr(diagonal + 1))};
}

std::string RutaFTP::ParaUrl(std::string_view absoluta, bool esCarpeta) {
  std::string out = "/%2F";
  bool primero = true;
  for (const auto& s : Segmentos(absoluta)) {
    if (s.empty()) continue;
    if (!primero) out += '/';
    out += Escapa(s);
    primero = false;
  }
  if (esCarpeta && !primero) out += '/';
  return out;
}

bool RutaFTP::Segura(std::string_view ruta) {
  return ruta.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

}  // namespace travesa
