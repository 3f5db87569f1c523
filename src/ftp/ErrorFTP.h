#pragma once
// The texts of FTP failures, in one shape: label + " error code: " + number +
// " Message: " + text, where the label names the step that failed and the
// number is libcurl's code (or the system's errno for a local file). When the
// failure is the server's answer (a refused login, a missing file, a closed
// connection...), the text is that answer alone, as the server wrote it, with
// a hint when the server wants TLS and the site is plain; a transfer the
// server ended keeps the label and ends with the server's words.
#include <optional>
#include <string>
#include <string_view>

#include <curl/curl.h>

namespace travesa {

class SesionCurl;
struct RespuestaFTP;

class ErrorFTP {
 public:
  static std::string Texto(std::string_view etiqueta, long numero, std::string_view mensaje);
  static std::string DeCurl(std::string_view etiqueta, CURLcode codigo, const SesionCurl& sesion);
  // What the code means, in the operator's words.
  static std::string Descripcion(CURLcode codigo);
  // The text used when there is no open connection.
  static std::string SinConexion(std::string_view etiqueta);
  // The number and the message of a text of this shape; nothing for another
  // text (the server's own answer).
  static std::optional<long> Codigo(std::string_view texto);
  static std::string_view Mensaje(std::string_view texto);

 private:
  static bool RespondioElServidor(CURLcode codigo);
  static const RespuestaFTP* Rechazo(const SesionCurl& sesion);
  static std::string ConSugerencia(const std::string& respuesta, const SesionCurl& sesion);
  static std::string SoloTls13(const RespuestaFTP& rechazo, const SesionCurl& sesion);
};

}  // namespace travesa
