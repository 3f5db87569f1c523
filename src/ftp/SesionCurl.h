#pragma once
// One libcurl easy handle bound to one FTP site. The handle keeps its control
// connection open between operations, so a job's many operations share one
// login. Every file and folder is named by its absolute path (no CWD), the
// server's replies of each operation are kept for the error texts, and the
// connect and stall timeouts end any operation against a silent server.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <curl/curl.h>

#include "ftp/SitioFTP.h"

namespace travesa {

struct RespuestaFTP {
  int codigo = 0;
  std::string texto;  // every line of the reply, code included
};

class SesionCurl {
 public:
  struct Parametros {
    SitioFTP sitio;
    std::string usuario;
    std::string password;
    bool pasivo = false;
    bool verificarCertificado = true;
    // TLS 1.2 at most. Under TLS 1.3 libcurl does not resume the control
    // connection's session on the data connection that follows an upload,
    // and servers that require it (vsftpd, ProFTPD and others, by default)
    // refuse that connection; TLS 1.2 resumes every time.
    bool hastaTls12 = true;
    std::filesystem::path archivoCA;
    std::chrono::seconds conexion{30};
    std::chrono::seconds estancamiento{60};
    // Once it turns true, the operation in progress ends at once
    // (CURLE_ABORTED_BY_CALLBACK) and no other starts.
    const std::atomic<bool>* interrupcion = nullptr;
  };
  // Receives the bytes of a download or listing; false stops the transfer.
  using Receptor = std::function<bool(const char* datos, std::size_t largo)>;
  // Fills the buffer of an upload; the bytes put, 0 at the end, nothing to stop it.
  using Emisor = std::function<std::optional<std::size_t>(char* destino, std::size_t capacidad)>;

  explicit SesionCurl(Parametros parametros);
  // An interrupted session drops its connection without waiting for the server.
  ~SesionCurl();
  SesionCurl(const SesionCurl&) = delete;
  SesionCurl& operator=(const SesionCurl&) = delete;

  bool valida() const { return curl_ != nullptr && multi_ != nullptr; }
  const Parametros& parametros() const { return parametros_; }

  // Passive or active data connections, from the next operation on.
  void PonPasivo(bool pasivo);
  // Opens the control connection and logs in.
  CURLcode Conecta();
  // The folder the server put us in at login ("/" when it did not say).
  std::string RutaInicial() const;
  // Commands on the control connection alone (CWD, PWD, DELE, RNFR...).
  CURLcode Comandos(const std::vector<std::string>& comandos);
  // A download (RETR) or, with a listing command, the listing of a folder.
  CURLcode Recibe(std::string_view absoluta, bool ascii, const Receptor& receptor,
                  const std::string& comandoListado = {});
  // An upload (STOR) of `tamano` bytes.
  CURLcode Envia(std::string_view absoluta, bool ascii, std::int64_t tamano, const Emisor& emisor);

  // The replies of the last operation, in order.
  const std::vector<RespuestaFTP>& respuestas() const { return respuestas_; }
  const RespuestaFTP* UltimaRespuesta() const;
  // The last reply with that code (257 for PWD...), or nullptr.
  const RespuestaFTP* Respuesta(int codigo) const;
  // The first reply of the last operation that refused something (4xx, 5xx).
  const RespuestaFTP* PrimerRechazo() const;
  // Control connections opened so far (a refused command keeps the one in use).
  long conexionesAbiertas() const { return conexionesAbiertas_; }
  // libcurl's own account of the last failure.
  std::string detalle() const { return detalle_; }
  // True once the server accepted the transfer command (a 125 or 150 reply).
  bool transferenciaAbierta() const { return abierta_; }
  // Text of an exception raised by a receiver or sender, when one stopped the transfer.
  const std::string& fallaInterna() const { return fallaInterna_; }

 private:
  struct LiberaCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
  };
  struct LiberaMulti {
    void operator()(CURLM* m) const { curl_multi_cleanup(m); }
  };
  struct LiberaLista {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
  };

  void OpcionesFijas();
  void Prepara(std::string_view rutaUrl);
  CURLcode Ejecuta();
  CURLcode Corre();
  bool Interrumpida() const;
  void AnotaLinea(std::string_view linea);

  static size_t AlEncabezado(char* datos, size_t tamano, size_t n, void* yo);
  static curl_socket_t AlAbrirSocket(void* yo, curlsocktype proposito, curl_sockaddr* direccion);
  static int AlCerrarSocket(void* yo, curl_socket_t socket);
  static int AlAvanzar(void* yo, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
  static size_t AlRecibir(char* datos, size_t tamano, size_t n, void* yo);
  static size_t AlEnviar(char* destino, size_t tamano, size_t n, void* yo);

  Parametros parametros_;
  // The sockets libcurl holds open; declared before the handles, so that it
  // outlives their cleanup, which closes them.
  std::set<curl_socket_t> sockets_;
  // The multi handle keeps the connection between operations; the easy handle
  // is released first.
  std::unique_ptr<CURLM, LiberaMulti> multi_;
  std::unique_ptr<CURL, LiberaCurl> curl_;
  std::unique_ptr<curl_slist, LiberaLista> comandos_;
  char bufferError_[CURL_ERROR_SIZE] = {};
  std::string detalle_;
  long conexionesAbiertas_ = 0;
  std::vector<RespuestaFTP> respuestas_;
  std::string enCurso_;  // lines of a multi-line reply not finished yet
  int codigoEnCurso_ = 0;
  bool abierta_ = false;
  const Receptor* receptor_ = nullptr;
  const Emisor* emisor_ = nullptr;
  std::string fallaInterna_;
};

}  // namespace travesa
