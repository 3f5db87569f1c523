#include "ftp/SesionCurl.h"

#include <unistd.h>

#include <cctype>
#include <mutex>

#include <sys/socket.h>

#include "ftp/RutaFTP.h"

namespace travesa {
namespace {

// How long one wait for the sockets may last. libcurl's own loop waits up to a
// second before it starts a passive data connection; a short wait keeps every
// transfer from paying that second.
constexpr int kEsperaMs = 10;

void IniciaCurl() {
  static std::once_flag iniciado;
  std::call_once(iniciado, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool EmpiezaConCodigo(std::string_view linea) {
  return linea.size() >= 3 && std::isdigit(static_cast<unsigned char>(linea[0])) &&
         std::isdigit(static_cast<unsigned char>(linea[1])) && std::isdigit(static_cast<unsigned char>(linea[2]));
}

size_t Descarta(char*, size_t tamano, size_t n, void*) { return tamano * n; }

}  // namespace

SesionCurl::SesionCurl(Parametros parametros) : parametros_(std::move(parametros)) {
  IniciaCurl();
  multi_.reset(curl_multi_init());
  curl_.reset(curl_easy_init());
  if (valida()) OpcionesFijas();
}

// A server that stopped answering would keep libcurl waiting for the reply to
// QUIT when the connection is closed; after an interruption the sockets are
// shut first, so closing takes no time.
SesionCurl::~SesionCurl() {
  if (!Interrumpida()) return;
  for (const curl_socket_t s : sockets_) ::shutdown(s, SHUT_RDWR);
}

bool SesionCurl::Interrumpida() const {
  return parametros_.interrupcion != nullptr && parametros_.interrupcion->load();
}

void SesionCurl::OpcionesFijas() {
  CURL* c = curl_.get();
  const auto& p = parametros_;
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, bufferError_);
  curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &SesionCurl::AlEncabezado);
  curl_easy_setopt(c, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
  curl_easy_setopt(c, CURLOPT_TCP_KEEPALIVE, 1L);
  // libcurl also waits for some replies inside one call (the server's word at
  // the end of an upload); it calls this about once a second meanwhile, so an
  // interruption is heard there too.
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &SesionCurl::AlAvanzar);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(c, CURLOPT_OPENSOCKETFUNCTION, &SesionCurl::AlAbrirSocket);
  curl_easy_setopt(c, CURLOPT_OPENSOCKETDATA, this);
  curl_easy_setopt(c, CURLOPT_CLOSESOCKETFUNCTION, &SesionCurl::AlCerrarSocket);
  curl_easy_setopt(c, CURLOPT_CLOSESOCKETDATA, this);
  // An empty user logs in as "anonymous", as the Windows client did.
  if (!p.usuario.empty()) {
    curl_easy_setopt(c, CURLOPT_USERNAME, p.usuario.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, p.password.c_str());
  }
  PonPasivo(p.pasivo);
  const long conexionMs = static_cast<long>(std::chrono::milliseconds(p.conexion).count());
  const long estancamiento = static_cast<long>(p.estancamiento.count());
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, conexionMs);
  curl_easy_setopt(c, CURLOPT_ACCEPTTIMEOUT_MS, conexionMs);
  curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, estancamiento);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, estancamiento);
  if (!p.sitio.tls()) return;
  curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
  curl_easy_setopt(c, CURLOPT_FTPSSLAUTH, static_cast<long>(CURLFTPAUTH_TLS));
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, p.verificarCertificado ? 1L : 0L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, p.verificarCertificado ? 2L : 0L);
  if (p.hastaTls12) curl_easy_setopt(c, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_MAX_TLSv1_2));
  if (!p.archivoCA.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, p.archivoCA.c_str());
}

// Active mode lets the server connect back to the address of the control connection.
void SesionCurl::PonPasivo(bool pasivo) {
  parametros_.pasivo = pasivo;
  if (curl_) curl_easy_setopt(curl_.get(), CURLOPT_FTPPORT, pasivo ? nullptr : "-");
}

// Everything one operation may have changed goes back to its neutral value.
void SesionCurl::Prepara(std::string_view rutaUrl) {
  CURL* c = curl_.get();
  const std::string url = parametros_.sitio.Url() + std::string(rutaUrl);
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_UPLOAD, 0L);
  curl_easy_setopt(c, CURLOPT_NOBODY, 0L);
  curl_easy_setopt(c, CURLOPT_QUOTE, nullptr);
  curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, nullptr);
  curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(-1));
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Descarta);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, nullptr);
  curl_easy_setopt(c, CURLOPT_READFUNCTION, nullptr);
  curl_easy_setopt(c, CURLOPT_READDATA, nullptr);
  comandos_.reset();
  respuestas_.clear();
  enCurso_.clear();
  codigoEnCurso_ = 0;
  abierta_ = false;
  receptor_ = nullptr;
  emisor_ = nullptr;
  fallaInterna_.clear();
  bufferError_[0] = '\0';
  detalle_.clear();
}

CURLcode SesionCurl::Ejecuta() {
  const CURLcode resultado = Corre();
  long nuevas = 0;
  if (curl_easy_getinfo(curl_.get(), CURLINFO_NUM_CONNECTS, &nuevas) == CURLE_OK) conexionesAbiertas_ += nuevas;
  detalle_ = bufferError_;
  receptor_ = nullptr;
  emisor_ = nullptr;
  return resultado;
}

// The operation is taken away from libcurl unfinished when interrupted: the
// connection is then closed as broken, without a word to the server.
CURLcode SesionCurl::Corre() {
  if (Interrumpida()) return CURLE_ABORTED_BY_CALLBACK;
  CURLM* m = multi_.get();
  if (curl_multi_add_handle(m, curl_.get()) != CURLM_OK) return CURLE_FAILED_INIT;
  int activos = 1;
  CURLMcode estado = CURLM_OK;
  bool interrumpida = false;
  while (estado == CURLM_OK && activos > 0 && !interrumpida) {
    estado = curl_multi_perform(m, &activos);
    if (estado == CURLM_OK && activos > 0) estado = curl_multi_poll(m, nullptr, 0, kEsperaMs, nullptr);
    interrumpida = Interrumpida();
  }
  if (interrumpida && activos > 0) {
    curl_multi_remove_handle(m, curl_.get());
    return CURLE_ABORTED_BY_CALLBACK;
  }
  CURLcode resultado = estado == CURLM_OUT_OF_MEMORY ? CURLE_OUT_OF_MEMORY : CURLE_FAILED_INIT;
  int pendientes = 0;
  while (CURLMsg* mensaje = curl_multi_info_read(m, &pendientes)) {
    if (mensaje->msg == CURLMSG_DONE) resultado = mensaje->data.result;
  }
  curl_multi_remove_handle(m, curl_.get());
  return resultado;
}

CURLcode SesionCurl::Conecta() {
  if (!valida()) return CURLE_FAILED_INIT;
  Prepara("/");
  curl_easy_setopt(curl_.get(), CURLOPT_NOBODY, 1L);
  return Ejecuta();
}

std::string SesionCurl::RutaInicial() const {
  char* ruta = nullptr;
  if (!curl_ || curl_easy_getinfo(curl_.get(), CURLINFO_FTP_ENTRY_PATH, &ruta) != CURLE_OK || ruta == nullptr ||
      *ruta == '\0')
    return "/";
  return ruta;
}

CURLcode SesionCurl::Comandos(const std::vector<std::string>& comandos) {
  if (!valida()) return CURLE_FAILED_INIT;
  Prepara(RutaFTP::ParaUrl("/", true));
  curl_slist* lista = nullptr;
  // "*": a command the server refuses does not make libcurl drop the
  // connection; the caller judges the replies (PrimerRechazo).
  for (const auto& comando : comandos) {
    curl_slist* nueva = curl_slist_append(lista, ("*" + comando).c_str());
    if (nueva == nullptr) {
      curl_slist_free_all(lista);
      return CURLE_OUT_OF_MEMORY;
    }
    lista = nueva;
  }
  comandos_.reset(lista);
  curl_easy_setopt(curl_.get(), CURLOPT_QUOTE, lista);
  curl_easy_setopt(curl_.get(), CURLOPT_NOBODY, 1L);
  return Ejecuta();
}

CURLcode SesionCurl::Recibe(std::string_view absoluta, bool ascii, const Receptor& receptor,
                            const std::string& comandoListado) {
  if (!valida()) return CURLE_FAILED_INIT;
  const bool listado = !comandoListado.empty();
  Prepara(RutaFTP::ParaUrl(absoluta, listado));
  CURL* c = curl_.get();
  if (listado) curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, comandoListado.c_str());
  curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, ascii ? 1L : 0L);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &SesionCurl::AlRecibir);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, this);
  receptor_ = &receptor;
  return Ejecuta();
}

CURLcode SesionCurl::Envia(std::string_view absoluta, bool ascii, std::int64_t tamano, const Emisor& emisor) {
  if (!valida()) return CURLE_FAILED_INIT;
  Prepara(RutaFTP::ParaUrl(absoluta, false));
  CURL* c = curl_.get();
  curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, ascii ? 1L : 0L);
  curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(tamano));
  curl_easy_setopt(c, CURLOPT_READFUNCTION, &SesionCurl::AlEnviar);
  curl_easy_setopt(c, CURLOPT_READDATA, this);
  emisor_ = &emisor;
  return Ejecuta();
}

const RespuestaFTP* SesionCurl::UltimaRespuesta() const { return respuestas_.empty() ? nullptr : &respuestas_.back(); }

const RespuestaFTP* SesionCurl::PrimerRechazo() const {
  for (const RespuestaFTP& r : respuestas_) {
    if (r.codigo >= 400) return &r;
  }
  return nullptr;
}

const RespuestaFTP* SesionCurl::Respuesta(int codigo) const {
  for (auto it = respuestas_.rbegin(); it != respuestas_.rend(); ++it) {
    if (it->codigo == codigo) return &*it;
  }
  return nullptr;
}

// A reply is one line "123 text", or "123-text" ... "123 text" over several lines.
void SesionCurl::AnotaLinea(std::string_view linea) {
  while (!linea.empty() && (linea.back() == '\n' || linea.back() == '\r')) linea.remove_suffix(1);
  const bool conCodigo = EmpiezaConCodigo(linea);
  if (codigoEnCurso_ == 0 && !conCodigo) return;  // not a reply line
  const int codigo = conCodigo ? std::stoi(std::string(linea.substr(0, 3))) : 0;
  const bool final =
      conCodigo && (linea.size() == 3 || linea[3] == ' ') && (codigoEnCurso_ == 0 || codigo == codigoEnCurso_);
  if (!enCurso_.empty()) enCurso_ += "\r\n";
  enCurso_ += linea;
  if (!final) {
    if (codigoEnCurso_ == 0) codigoEnCurso_ = codigo;
    return;
  }
  respuestas_.push_back({codigo, std::move(enCurso_)});
  enCurso_.clear();
  codigoEnCurso_ = 0;
  if (codigo == 125 || codigo == 150) abierta_ = true;
}

size_t SesionCurl::AlEncabezado(char* datos, size_t tamano, size_t n, void* yo) {
  auto* s = static_cast<SesionCurl*>(yo);
  try {
    s->AnotaLinea(std::string_view(datos, tamano * n));
  } catch (...) {
    // A reply that cannot be noted costs only its text in an error message.
  }
  return tamano * n;
}

curl_socket_t SesionCurl::AlAbrirSocket(void* yo, curlsocktype, curl_sockaddr* direccion) {
  const curl_socket_t s = ::socket(direccion->family, direccion->socktype | SOCK_CLOEXEC, direccion->protocol);
  if (s == CURL_SOCKET_BAD) return s;
  try {
    static_cast<SesionCurl*>(yo)->sockets_.insert(s);
  } catch (...) {
    // Untracked, the socket only loses the quick close after an interruption.
  }
  return s;
}

int SesionCurl::AlCerrarSocket(void* yo, curl_socket_t socket) {
  static_cast<SesionCurl*>(yo)->sockets_.erase(socket);
  return ::close(socket);
}

int SesionCurl::AlAvanzar(void* yo, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const SesionCurl*>(yo)->Interrumpida() ? 1 : 0;
}

size_t SesionCurl::AlRecibir(char* datos, size_t tamano, size_t n, void* yo) {
  auto* s = static_cast<SesionCurl*>(yo);
  const size_t largo = tamano * n;
  if (s->receptor_ == nullptr) return largo;
  try {
    return (*s->receptor_)(datos, largo) ? largo : CURL_WRITEFUNC_ERROR;
  } catch (const std::exception& e) {
    s->fallaInterna_ = e.what();
  } catch (...) {
    s->fallaInterna_ = "falla desconocida";
  }
  return CURL_WRITEFUNC_ERROR;
}

size_t SesionCurl::AlEnviar(char* destino, size_t tamano, size_t n, void* yo) {
  auto* s = static_cast<SesionCurl*>(yo);
  if (s->emisor_ == nullptr) return 0;
  try {
    const auto puestos = (*s->emisor_)(destino, tamano * n);
    return puestos ? *puestos : CURL_READFUNC_ABORT;
  } catch (const std::exception& e) {
    s->fallaInterna_ = e.what();
  } catch (...) {
    s->fallaInterna_ = "falla desconocida";
  }
  return CURL_READFUNC_ABORT;
}

}  // namespace travesa
