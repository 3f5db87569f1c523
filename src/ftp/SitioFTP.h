#pragma once
// The FTP site as the operator types it: "host", "host:port", "ftp://host[:port]"
// or "ftps://host[:port]". ftps:// means FTP with explicit TLS (AUTH TLS on the
// usual port 21), not the old implicit TLS on port 990.
#include <optional>
#include <string>
#include <string_view>

namespace travesa {

class SitioFTP {
 public:
  // Nothing when the text is not one of the accepted forms.
  static std::optional<SitioFTP> Lee(std::string_view sitio);

  const std::string& host() const { return host_; }
  unsigned puerto() const { return puerto_; }
  bool tls() const { return tls_; }
  // "ftp://host:port" with IPv6 literals in brackets; curl is told about TLS apart.
  std::string Url() const;
  // The site as the operator would type it, plain or with TLS ("ftps://host",
  // with ":port" when it is not 21).
  std::string ComoTexto(bool tls) const;

  // One text for one folder of one server however the settings spell it
  // ("host:port|/folder", host in lower case): two desks, or the service and
  // a desk, that reach the same folder get the same text.
  static std::string Identidad(std::string_view sitio, std::string_view carpeta);

 private:
  std::string Autoridad(bool conPuerto) const;

  std::string host_;
  unsigned puerto_ = 21;
  bool tls_ = false;
};

}  // namespace travesa
