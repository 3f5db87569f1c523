#include "ftp/MotivoDeFalla.h"

#include <curl/curl.h>

#include "ftp/ErrorFTP.h"

namespace travesa {
namespace {

std::string Comillas(std::string_view sitio) { return "«" + std::string(sitio) + "»"; }

bool Empieza(std::string_view texto, std::string_view inicio) { return texto.substr(0, inicio.size()) == inicio; }

// The server answered, and its words are the reason.
std::string Respuesta(const std::string& s, std::string_view respuesta) {
  const std::string dijo = " (respondió: «" + std::string(respuesta) + "»)";
  if (Empieza(respuesta, "530"))
    return "El servidor " + s + " no aceptó el usuario o la contraseña del sitio FTP" + dijo + ".";
  if (Empieza(respuesta, "421"))
    return "El servidor " + s + " no atiende más conexiones por ahora; inténtelo de nuevo en unos minutos" + dijo + ".";
  if (Empieza(respuesta, "550")) return "El servidor " + s + " no dejó entrar a la carpeta o al archivo" + dijo + ".";
  return "El servidor " + s + " rechazó la conexión" + dijo + ".";
}

}  // namespace

std::string MotivoDeFalla::Frase(std::string_view sitio, std::string_view errorFTP) {
  const std::string s = Comillas(sitio);
  const auto codigo = ErrorFTP::Codigo(errorFTP);
  if (!codigo) return Respuesta(s, errorFTP);
  switch (static_cast<CURLcode>(*codigo)) {
    case CURLE_URL_MALFORMAT:
      return std::string(ErrorFTP::Mensaje(errorFTP)) + ".";
    case CURLE_COULDNT_RESOLVE_HOST:
      return "No se encontró el servidor " + s +
             ": revise el nombre del sitio FTP y que este equipo tenga conexión a la red.";
    case CURLE_COULDNT_CONNECT:
      return "El servidor " + s +
             " no aceptó la conexión: revise la dirección y el puerto del sitio FTP, y que el servidor esté en marcha.";
    case CURLE_OPERATION_TIMEDOUT:
      return "El servidor " + s +
             " no respondió a tiempo: puede estar apagado o muy ocupado, o la red no deja llegar a él (un "
             "cortafuegos).";
    case CURLE_LOGIN_DENIED:
      return "El servidor " + s + " no aceptó el usuario o la contraseña del sitio FTP.";
    case CURLE_ABORTED_BY_CALLBACK:
      return "Se canceló la conexión con " + s + ".";
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_GOT_NOTHING:
      return "En " + s + " no contestó un servidor FTP: revise el puerto del sitio.";
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
      return "Se cortó la comunicación con " + s + " mientras se conectaba.";
    case CURLE_USE_SSL_FAILED:
      return "El servidor " + s + " no admite conexiones cifradas: escriba el sitio sin «ftps://».";
    case CURLE_SSL_CONNECT_ERROR:
      return "No se pudo establecer la conexión cifrada con " + s + ".";
    case CURLE_PEER_FAILED_VERIFICATION:
      return "No se pudo comprobar el certificado del servidor " + s +
             ": si usa un certificado propio, ponga N en «Verificar certificado del sitio» del archivo de "
             "configuración.";
    default:
      return "No se pudo conectar con " + s + ": " + ErrorFTP::Descripcion(static_cast<CURLcode>(*codigo)) + ".";
  }
}

}  // namespace travesa
