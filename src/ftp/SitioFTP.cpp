#include "ftp/SitioFTP.h"

#include <algorithm>
#include <charconv>

#include "ftp/RutaFTP.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr unsigned kPuertoFTP = 21;

std::optional<unsigned> LeePuerto(std::string_view texto) {
  unsigned puerto = 0;
  const auto* fin = texto.data() + texto.size();
  const auto [resto, error] = std::from_chars(texto.data(), fin, puerto);
  if (texto.empty() || error != std::errc() || resto != fin) return std::nullopt;
  if (puerto == 0 || puerto > 65535) return std::nullopt;
  return puerto;
}

bool HostValido(std::string_view host) {
  if (host.empty()) return false;
  return std::none_of(host.begin(), host.end(), [](char c) {
    return c == '@' || c == '/' || c == '?' || c == '#' || static_cast<unsigned char>(c) <= ' ';
  });
}

}  // namespace

std::optional<SitioFTP> SitioFTP::Lee(std::string_view sitio) {
  std::string texto = texto::Recorta(sitio);
  SitioFTP s;
  const std::string minusculas = texto::Minusculas(texto);
  if (texto::EmpiezaCon(minusculas, "ftps://")) {
    s.tls_ = true;
    texto.erase(0, 7);
  } else if (texto::EmpiezaCon(minusculas, "ftp://")) {
    texto.erase(0, 6);
  } else if (texto.find("://") != std::string::npos) {
    return std::nullopt;
  }
  // A trailing "/" (or anything after it) names no folder here: the folder is a setting of its own.
  std::string_view autoridad(texto);
  autoridad = autoridad.substr(0, autoridad.find('/'));

  std::string_view host = autoridad;
  std::string_view puerto;
  if (!autoridad.empty() && autoridad.front() == '[') {
    const auto cierre = autoridad.find(']');
    if (cierre == std::string_view::npos) return std::nullopt;
    host = autoridad.substr(1, cierre - 1);
    const auto resto = autoridad.substr(cierre + 1);
    if (!resto.empty() && resto.front() != ':') return std::nullopt;
    if (!resto.empty()) puerto = resto.substr(1);
    if (!resto.empty() && puerto.empty()) return std::nullopt;
  } else if (std::count(autoridad.begin(), autoridad.end(), ':') == 1) {
    const auto dos = autoridad.find(':');
    host = autoridad.substr(0, dos);
    puerto = autoridad.substr(dos + 1);
    if (puerto.empty()) return std::nullopt;
  }
  if (!HostValido(host)) return std::nullopt;
  s.host_ = std::string(host);
  s.puerto_ = kPuertoFTP;
  if (!puerto.empty()) {
    const auto numero = LeePuerto(puerto);
    if (!numero) return std::nullopt;
    s.puerto_ = *numero;
  }
  return s;
}

std::string SitioFTP::Url() const { return "ftp://" + Autoridad(true); }

std::string SitioFTP::ComoTexto(bool tls) const {
  return (tls ? "ftps://" : "ftp://") + Autoridad(puerto_ != kPuertoFTP);
}

std::string SitioFTP::Autoridad(bool conPuerto) const {
  const bool ipv6 = host_.find(':') != std::string::npos;
  const std::string host = ipv6 ? "[" + host_ + "]" : host_;
  return conPuerto ? host + ":" + std::to_string(puerto_) : host;
}

std::string SitioFTP::Identidad(std::string_view sitio, std::string_view carpeta) {
  const auto leido = Lee(sitio);
  const std::string donde =
      leido ? texto::Minusculas(leido->host()) + ":" + std::to_string(leido->puerto()) : std::string(sitio);
  return donde + "|" + RutaFTP::Absoluta("/", carpeta);
}

}  // namespace travesa
