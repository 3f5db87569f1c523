#include "ftp/ErrorFTP.h"

#include <charconv>
#include <map>
#include <regex>

#include "ftp/SesionCurl.h"

namespace travesa {
namespace {

constexpr std::string_view kCodigo = " error code: ";
constexpr std::string_view kMensaje = " Message: ";

const std::map<CURLcode, std::string_view>& Descripciones() {
  static const std::map<CURLcode, std::string_view> textos = {
      {CURLE_UNSUPPORTED_PROTOCOL, "Protocolo no admitido"},
      {CURLE_FAILED_INIT, "No se pudo iniciar el cliente FTP"},
      {CURLE_URL_MALFORMAT, "La dirección del sitio FTP no es válida"},
      {CURLE_COULDNT_RESOLVE_HOST, "No se encontró el servidor con ese nombre"},
      {CURLE_COULDNT_CONNECT, "No se pudo conectar con el servidor"},
      {CURLE_WEIRD_SERVER_REPLY, "El servidor dio una respuesta no reconocida"},
      {CURLE_REMOTE_ACCESS_DENIED, "El servidor negó el acceso"},
      {CURLE_FTP_ACCEPT_FAILED, "El servidor no abrió la conexión de datos (modo activo)"},
      {CURLE_FTP_ACCEPT_TIMEOUT, "El servidor no abrió la conexión de datos a tiempo (modo activo)"},
      {CURLE_FTP_WEIRD_PASV_REPLY, "El servidor respondió mal al modo pasivo"},
      {CURLE_FTP_WEIRD_227_FORMAT, "El servidor respondió mal al modo pasivo"},
      {CURLE_FTP_CANT_GET_HOST, "No se pudo abrir la conexión de datos"},
      {CURLE_FTP_COULDNT_SET_TYPE, "El servidor no aceptó el tipo de transferencia"},
      {CURLE_PARTIAL_FILE, "La transferencia quedó incompleta"},
      {CURLE_FTP_COULDNT_RETR_FILE, "No se pudo leer el archivo remoto"},
      {CURLE_QUOTE_ERROR, "El servidor rechazó la orden"},
      {CURLE_WRITE_ERROR, "No se pudieron guardar los datos recibidos"},
      {CURLE_UPLOAD_FAILED, "El servidor rechazó el envío"},
      {CURLE_READ_ERROR, "No se pudo leer el archivo local"},
      {CURLE_OUT_OF_MEMORY, "Memoria insuficiente"},
      {CURLE_OPERATION_TIMEDOUT, "El servidor dejó de responder (se agotó el tiempo de espera)"},
      {CURLE_FTP_PORT_FAILED, "El servidor rechazó el modo activo"},
      {CURLE_SSL_CONNECT_ERROR, "Falló la negociación TLS con el servidor"},
      {CURLE_ABORTED_BY_CALLBACK, "Transferencia cancelada"},
      {CURLE_GOT_NOTHING, "El servidor no respondió nada"},
      {CURLE_SEND_ERROR, "Falló el envío de datos por la red"},
      {CURLE_RECV_ERROR, "Falló la recepción de datos por la red"},
      {CURLE_PEER_FAILED_VERIFICATION, "No se pudo verificar el certificado del servidor"},
      {CURLE_USE_SSL_FAILED, "El servidor no admite conexiones cifradas (TLS)"},
      {CURLE_LOGIN_DENIED, "El servidor rechazó el usuario o la contraseña"},
      {CURLE_SSL_CACERT_BADFILE, "No se pudo leer el archivo de certificados de confianza"},
      {CURLE_REMOTE_FILE_NOT_FOUND, "No existe el archivo o la carpeta en el sitio"},
      {CURLE_FTP_BAD_FILE_LIST, "El listado de archivos no es válido"},
  };
  return textos;
}

}  // namespace

std::string ErrorFTP::Texto(std::string_view etiqueta, long numero, std::string_view mensaje) {
  return std::string(etiqueta) + std::string(kCodigo) + std::to_string(numero) + std::string(kMensaje) +
         std::string(mensaje);
}

std::optional<long> ErrorFTP::Codigo(std::string_view texto) {
  const std::size_t donde = texto.find(kCodigo);
  if (donde == std::string_view::npos) return std::nullopt;
  const char* inicio = texto.data() + donde + kCodigo.size();
  const char* fin = texto.data() + texto.size();
  long numero = 0;
  const auto [resto, ec] = std::from_chars(inicio, fin, numero);
  if (ec != std::errc() ||
      std::string_view(resto, static_cast<std::size_t>(fin - resto)).substr(0, kMensaje.size()) != kMensaje)
    return std::nullopt;
  return numero;
}

std::string_view ErrorFTP::Mensaje(std::string_view texto) {
  if (!Codigo(texto)) return texto;
  const std::size_t donde = texto.find(kMensaje, texto.find(kCodigo));
  return texto.substr(donde + kMensaje.size());
}

std::string ErrorFTP::Descripcion(CURLcode codigo) {
  const auto& textos = Descripciones();
  if (const auto it = textos.find(codigo); it != textos.end()) return std::string(it->second);
  return curl_easy_strerror(codigo);
}

std::string ErrorFTP::SinConexion(std::string_view etiqueta) {
  return Texto(etiqueta, CURLE_COULDNT_CONNECT, "No hay conexión abierta con el sitio FTP");
}

bool ErrorFTP::RespondioElServidor(CURLcode codigo) {
  switch (codigo) {
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_FTP_WEIRD_PASS_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_QUOTE_ERROR:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_COULDNT_USE_REST:
    case CURLE_USE_SSL_FAILED:
    case CURLE_LOGIN_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_PRET_FAILED:
      return true;
    default:
      return false;
  }
}

// The server's refusal that ended the operation, when it gave one.
const RespuestaFTP* ErrorFTP::Rechazo(const SesionCurl& sesion) {
  const RespuestaFTP* respuesta = sesion.UltimaRespuesta();
  return respuesta != nullptr && respuesta->codigo >= 400 ? respuesta : nullptr;
}

std::string ErrorFTP::DeCurl(std::string_view etiqueta, CURLcode codigo, const SesionCurl& sesion) {
  const RespuestaFTP* rechazo = Rechazo(sesion);
  // libcurl takes a 421 ("closing the connection": too many connections, TLS
  // required...) for a timeout; it is the server's answer.
  const bool cerro = codigo == CURLE_OPERATION_TIMEDOUT && rechazo != nullptr && rechazo->codigo == 421;
  if (rechazo != nullptr && (RespondioElServidor(codigo) || cerro)) return ConSugerencia(rechazo->texto, sesion);
  std::string mensaje = Descripcion(codigo);
  if (!sesion.fallaInterna().empty()) mensaje += ": " + sesion.fallaInterna();
  const std::string detalle = sesion.detalle();
  if (rechazo != nullptr)
    mensaje += ": " + rechazo->texto + SoloTls13(*rechazo, sesion);  // a transfer the server ended, in its words
  else if (!detalle.empty() && detalle != curl_easy_strerror(codigo))
    mensaje += " (" + detalle + ")";
  return Texto(etiqueta, codigo, mensaje);
}

// A server that speaks only TLS 1.3 and refuses a data connection: under TLS
// 1.3 libcurl does not resume the session after an upload, which the server
// may require (its reply rarely says so).
std::string ErrorFTP::SoloTls13(const RespuestaFTP& rechazo, const SesionCurl& sesion) {
  const auto& p = sesion.parametros();
  if (!p.sitio.tls() || p.hastaTls12 || (rechazo.codigo != 425 && rechazo.codigo != 426 && rechazo.codigo != 522))
    return {};
  return "\r\nEl servidor solo acepta TLS 1.3 y rechaza la conexión de datos que no reanuda la sesión TLS: "
         "permita TLS 1.2 en el servidor, o que no exija reanudarla.";
}

// A plain site whose server wants TLS: its refusal names TLS, SSL or
// encryption ("530 Non-anonymous sessions must use encryption.").
std::string ErrorFTP::ConSugerencia(const std::string& respuesta, const SesionCurl& sesion) {
  const SitioFTP& sitio = sesion.parametros().sitio;
  if (sitio.tls()) return respuesta;
  static const std::regex kPideTls(R"(\b(TLS|SSL|encrypt\w*)\b)", std::regex::icase);
  if (!std::regex_search(respuesta, kPideTls)) return respuesta;
  return respuesta + "\r\nEl servidor solo acepta conexiones cifradas: escriba el sitio FTP como «" +
         sitio.ComoTexto(true) + "».";
}

}  // namespace travesa
