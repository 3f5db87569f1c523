#include "ftp/clsFTP.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <curl/curl.h>
#include <sys/stat.h>

#include "ftp/ArchivoParcial.h"
#include "ftp/ContadorProgreso.h"
#include "ftp/ErrorFTP.h"
#include "ftp/PatronFTP.h"
#include "ftp/RutaFTP.h"
#include "ftp/SesionCurl.h"
#include "ftp/SitioFTP.h"
#include "shell/host/Bitacora.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr std::string_view kFindFirst = "FtpFindFirstFile";

// Runs one public operation; whatever it raises becomes the error text and the
// operation's failure value, so nothing leaves the client as an exception.
template <typename R, typename F>
R Protegido(std::string& error, std::string_view etiqueta, R siFalla, F&& operacion) noexcept {
  try {
    return operacion();
  } catch (const std::exception& e) {
    error = ErrorFTP::Texto(etiqueta, 0, e.what());
  } catch (...) {
    error = ErrorFTP::Texto(etiqueta, 0, "falla desconocida");
  }
  return siFalla;
}

// The folder in a PWD reply: 257 "/a ""b"" c" is the current directory.
std::optional<std::string> CarpetaDePwd(const RespuestaFTP* respuesta) {
  if (respuesta == nullptr) return std::nullopt;
  const std::string& t = respuesta->texto;
  const auto inicio = t.find('"');
  if (inicio == std::string::npos) return std::nullopt;
  std::string carpeta;
  for (std::size_t i = inicio + 1; i < t.size(); ++i) {
    if (t[i] != '"') {
      carpeta += t[i];
      continue;
    }
    if (i + 1 < t.size() && t[i + 1] == '"') {
      carpeta += '"';
      ++i;
      continue;
    }
    if (carpeta.empty() || carpeta.front() != '/') return std::nullopt;
    return carpeta;
  }
  return std::nullopt;
}

// A session logged in, or with the replies of its failure.
std::unique_ptr<SesionCurl> Inicia(const SesionCurl::Parametros& parametros, CURLcode& codigo) {
  auto sesion = std::make_unique<SesionCurl>(parametros);
  codigo = sesion->valida() ? sesion->Conecta() : CURLE_FAILED_INIT;
  return sesion;
}

struct CierraArchivo {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string ErrorLocal(std::string_view que, const std::filesystem::path& archivo, int numero) {
  return std::string(que) + " «" + archivo.string() + "»: " + std::strerror(numero);
}

}  // namespace

clsFTP::clsFTP() = default;

clsFTP::~clsFTP() { CloseConnection(); }

const cDirList& clsFTP::Directory() {
  if (!directorio_) directorio_ = std::make_shared<cDirList>();
  return *directorio_;
}

bool clsFTP::OpenConnection(std::string_view sServer, std::string_view sUser, std::string_view sPassWord) {
  constexpr std::string_view kEtiqueta = "InternetConnect";
  return Protegido(error_, kEtiqueta, false, [&] {
    CloseConnection();
    const auto sitio = SitioFTP::Lee(sServer);
    if (!sitio) {
      error_ = ErrorFTP::Texto(kEtiqueta, CURLE_URL_MALFORMAT,
                               "El sitio FTP «" + std::string(sServer) +
                                   "» no es válido; se espera host, host:puerto, ftp://host[:puerto] o "
                                   "ftps://host[:puerto]");
      return false;
    }
    if (!RutaFTP::Segura(sUser) || !RutaFTP::Segura(sPassWord)) {
      error_ = ErrorFTP::Texto(kEtiqueta, CURLE_LOGIN_DENIED, "El usuario o la contraseña contienen saltos de línea");
      return false;
    }
    SesionCurl::Parametros parametros{.sitio = *sitio,
                                      .usuario = std::string(sUser),
                                      .password = std::string(sPassWord),
                                      .pasivo = pasivo_,
                                      .verificarCertificado = verificar_,
                                      .archivoCA = archivoCA_,
                                      .conexion = conexion_,
                                      .estancamiento = estancamiento_,
                                      .interrupcion = interrupcion_};
    CURLcode codigo = CURLE_OK;
    auto sesion = Inicia(parametros, codigo);
    // A server that speaks nothing older than TLS 1.3 refuses the handshake.
    if (codigo == CURLE_SSL_CONNECT_ERROR && sitio->tls()) {
      parametros.hastaTls12 = false;
      sesion = Inicia(parametros, codigo);
    }
    if (!sesion->valida()) {
      error_ = ErrorFTP::Texto("InternetOpen", CURLE_FAILED_INIT, ErrorFTP::Descripcion(CURLE_FAILED_INIT));
      return false;
    }
    if (codigo != CURLE_OK) {
      error_ = ErrorFTP::DeCurl(kEtiqueta, codigo, *sesion);
      return false;
    }
    actual_ = sesion->RutaInicial();
    sesion_ = std::move(sesion);
    conexionesAnteriores_ = 0;
    sinMlsd_ = false;
    return true;
  });
}

void clsFTP::CloseConnection() {
  sesion_.reset();
  actual_ = "/";
}

bool clsFTP::SimpleFTPPutFile(std::string_view sLocal, std::string_view sRemote) {
  constexpr std::string_view kEtiqueta = "SimpleFtpPutFile";
  return Protegido(error_, kEtiqueta, false, [&] {
    return Subida(sLocal, sRemote, {kEtiqueta, kEtiqueta, kEtiqueta}, false);
  });
}

bool clsFTP::RenameFTPFile(std::string_view sExisting, std::string_view sNewName) {
  constexpr std::string_view kEtiqueta = "RenameFTPFile";
  return Protegido(error_, kEtiqueta, false, [&] {
    return ListoPara(kEtiqueta, {sExisting, sNewName}) &&
           Orden(kEtiqueta, {"RNFR " + Absoluta(sExisting), "RNTO " + Absoluta(sNewName)});
  });
}

bool clsFTP::CreateFTPDirectory(std::string_view sDirectory) {
  constexpr std::string_view kEtiqueta = "CreateFTPDirectory";
  return Protegido(error_, kEtiqueta, false, [&] {
    return ListoPara(kEtiqueta, {sDirectory}) && Orden(kEtiqueta, {"MKD " + Absoluta(sDirectory)});
  });
}

bool clsFTP::RemoveFTPDirectory(std::string_view sDirectory) {
  constexpr std::string_view kEtiqueta = "RemoveFTPDirectory";
  return Protegido(error_, kEtiqueta, false, [&] {
    return ListoPara(kEtiqueta, {sDirectory}) && Orden(kEtiqueta, {"RMD " + Absoluta(sDirectory)});
  });
}

bool clsFTP::DeleteFTPFile(std::string_view sRemote) {
  constexpr std::string_view kEtiqueta = "DeleteFTPFile";
  return Protegido(error_, kEtiqueta, false,
                   [&] { return ListoPara(kEtiqueta, {sRemote}) && Orden(kEtiqueta, {"DELE " + Absoluta(sRemote)}); });
}

bool clsFTP::FTPUploadFile(std::string_view sLocal, std::string_view sRemote) {
  const Etiquetas etiquetas{"FtpOpenFile:PutFile", "InternetWriteFile", "InternetWriteFile2"};
  return Protegido(error_, etiquetas.apertura, false, [&] {
    const std::string local = texto::Recorta(sLocal);
    const std::string remoto = texto::Recorta(sRemote);
    if (local.empty() || remoto.empty()) return false;
    return Subida(local, remoto, etiquetas, true);
  });
}

bool clsFTP::FTPDownloadFile(std::string_view sLocal, std::string_view sRemote) {
  const Etiquetas etiquetas{"FtpOpenFile:GetFile", "InternetReadFile", "InternetReadFile2"};
  return Protegido(error_, etiquetas.apertura, false, [&] {
    const std::string local = texto::Recorta(sLocal);
    const std::string remoto = texto::Recorta(sRemote);
    if (local.empty() || remoto.empty()) return false;
    const std::int64_t tamano = GetFTPFileSize(remoto);
    if (tamano <= 0) return false;
    return Descarga(local, remoto, etiquetas, tamano);
  });
}

bool clsFTP::SimpleFTPGetFile(std::string_view sLocal, std::string_view sRemote) {
  constexpr std::string_view kEtiqueta = "SimpleFtpGetFile";
  return Protegido(error_, kEtiqueta, false, [&] {
    return Descarga(sLocal, sRemote, {kEtiqueta, kEtiqueta, kEtiqueta}, std::nullopt);
  });
}

std::string clsFTP::GetFTPDirectory() {
  constexpr std::string_view kEtiqueta = "FtpGetCurrentDirectory";
  return Protegido(error_, kEtiqueta, std::string(), [&] {
    if (!ListoPara(kEtiqueta, {}) || !LeeCarpetaActual(kEtiqueta, actual_)) return std::string();
    return actual_;
  });
}

bool clsFTP::SetFTPDirectory(std::string_view sDir) {
  constexpr std::string_view kEtiqueta = "FtpSetCurrentDirectory";
  return Protegido(error_, kEtiqueta, false,
                   [&] { return ListoPara(kEtiqueta, {sDir}) && LeeCarpetaActual(kEtiqueta, Absoluta(sDir)); });
}

std::int64_t clsFTP::GetFTPFileSize(std::string_view sFile) {
  return Protegido(error_, kFindFirst, std::int64_t{-2}, [&]() -> std::int64_t {
    if (!ListoPara(kFindFirst, {sFile})) return -2;
    const auto [carpeta, nombre] = RutaFTP::Separa(sFile);
    // Blanks searched as "?", so that names with blanks are found.
    const std::string patron = texto::Reemplaza(nombre, " ", "?");
    Entradas entradas;
    bool recibio = false;
    const int codigo = Lista(Absoluta(carpeta), entradas, recibio);
    if (codigo != CURLE_OK) {
      Falla(kFindFirst, codigo);
      return -2;
    }
    const LectorListado::Entrada* primera = nullptr;
    for (const auto& e : entradas) {
      if (!PatronFTP::Coincide(patron, e.nombre)) continue;
      if (e.nombre == nombre) return e.tamano;  // the very name wins over a look-alike
      if (primera == nullptr) primera = &e;
    }
    return primera != nullptr ? primera->tamano : -1;
  });
}

std::string clsFTP::GetFTPFileTime(std::string_view sFile) {
  constexpr std::string_view kEtiqueta = "FtpGetFileTime";
  return Protegido(error_, kEtiqueta, std::string(), [&] {
    if (!ListoPara(kEtiqueta, {sFile}) || !Orden(kEtiqueta, {"MDTM " + Absoluta(sFile)})) return std::string();
    const RespuestaFTP* r = sesion_->Respuesta(213);
    if (r == nullptr || r->texto.size() < 18) return std::string();
    // "213 20261209081530" (some servers add ".sss"): the seconds are enough.
    const std::string sello = r->texto.substr(4, 14);
    for (const char c : sello)
      if (c < '0' || c > '9') return std::string();
    return sello;
  });
}

std::shared_ptr<const cDirList> clsFTP::GetDirectoryListing(std::string_view sFilter) {
  using Resultado = std::shared_ptr<const cDirList>;
  return Protegido(error_, kFindFirst, Resultado(), [&]() -> Resultado {
    directorio_.reset();
    error_.clear();  // nothing and no error: the folder holds no such file
    if (!ListoPara(kFindFirst, {sFilter})) return nullptr;
    const auto [carpeta, patron] = RutaFTP::Separa(sFilter);
    Entradas entradas;
    bool recibio = false;
    const int codigo = Lista(Absoluta(carpeta), entradas, recibio);
    auto lista = std::make_shared<cDirList>();
    for (const auto& e : entradas) {
      if (!PatronFTP::Coincide(patron, e.nombre)) continue;
      lista->Add(e.atributos, e.creacion, e.acceso, e.escritura, e.tamano, e.nombre);
    }
    if (codigo != CURLE_OK) {
      // A listing that broke off keeps what had arrived.
      if (recibio) directorio_ = lista;
      Falla(recibio ? "InternetFindNextFile" : kFindFirst, codigo);
      return nullptr;
    }
    if (lista->count() == 0) return nullptr;
    directorio_ = lista;
    return directorio_;
  });
}

void clsFTP::SetModeActive() {
  pasivo_ = false;
  if (sesion_) sesion_->PonPasivo(false);
}

void clsFTP::SetModePassive() {
  pasivo_ = true;
  if (sesion_) sesion_->PonPasivo(true);
}

void clsFTP::SetTiempoEspera(std::chrono::seconds conexion, std::chrono::seconds estancamiento) {
  conexion_ = conexion;
  estancamiento_ = estancamiento;
}

// ---- private ----------------------------------------------------------------

// A refusal is the server's reply alone, as for any other refused operation;
// the connection stays for the next operation.
bool clsFTP::Orden(std::string_view etiqueta, const std::vector<std::string>& comandos) {
  const CURLcode codigo = sesion_->Comandos(comandos);
  if (codigo != CURLE_OK) return Falla(etiqueta, codigo);
  const RespuestaFTP* rechazo = sesion_->PrimerRechazo();
  if (rechazo == nullptr) return true;
  error_ = rechazo->texto;
  return false;
}

bool clsFTP::LeeCarpetaActual(std::string_view etiqueta, const std::string& destino) {
  if (!Orden(etiqueta, {"CWD " + destino, "PWD"})) return false;
  actual_ = CarpetaDePwd(sesion_->Respuesta(257)).value_or(destino);
  return true;
}

bool clsFTP::Subida(std::string_view sLocal, std::string_view sRemote, const Etiquetas& etiquetas, bool conProgreso) {
  if (!ListoPara(etiquetas.apertura, {sRemote})) return false;
  const std::filesystem::path local{std::string(sLocal)};
  std::unique_ptr<std::FILE, CierraArchivo> archivo(std::fopen(local.c_str(), "rb"));
  struct stat datos {};
  const int numero = !archivo                                        ? errno
                     : ::fstat(::fileno(archivo.get()), &datos) != 0 ? errno
                     : !S_ISREG(datos.st_mode)                       ? EISDIR
                                                                     : 0;
  if (numero != 0) {
    error_ =
        ErrorFTP::Texto(etiquetas.apertura, numero, ErrorLocal("No se pudo abrir el archivo local", local, numero));
    return false;
  }
  const auto tamano = static_cast<std::int64_t>(datos.st_size);
  std::optional<ContadorProgreso> contador;
  if (conProgreso) contador.emplace(tamano, FileTransferProgress, intervaloProgreso_);
  int errorLectura = 0;
  const SesionCurl::Emisor emisor = [&](char* destino, std::size_t capacidad) -> std::optional<std::size_t> {
    if (!sigue_) return std::nullopt;
    const std::size_t n = std::fread(destino, 1, capacidad, archivo.get());
    if (n == 0 && std::ferror(archivo.get())) {
      errorLectura = errno != 0 ? errno : EIO;
      return std::nullopt;
    }
    if (contador) contador->Avanza(static_cast<std::int64_t>(n));
    return n;
  };
  const CURLcode codigo = sesion_->Envia(Absoluta(sRemote), !binario_, tamano, emisor);
  if (codigo != CURLE_OK) {
    const auto etiqueta = EtiquetaDeFalla(etiquetas, contador ? &*contador : nullptr);
    if (errorLectura == 0) return Falla(etiqueta, codigo);
    error_ =
        ErrorFTP::Texto(etiqueta, errorLectura, ErrorLocal("No se pudo leer el archivo local", local, errorLectura));
    return false;
  }
  if (contador) contador->Termina();
  return true;
}

bool clsFTP::Descarga(std::string_view sLocal, std::string_view sRemote, const Etiquetas& etiquetas,
                      std::optional<std::int64_t> total) {
  if (!ListoPara(etiquetas.apertura, {sRemote})) return false;
  ArchivoParcial archivo{std::filesystem::path(std::string(sLocal))};
  if (!archivo.abierto()) {
    error_ = ErrorFTP::Texto(etiquetas.apertura, archivo.numeroError(), archivo.error());
    return false;
  }
  std::optional<ContadorProgreso> contador;
  if (total) contador.emplace(*total, FileTransferProgress, intervaloProgreso_);
  bool fallaLocal = false;
  const SesionCurl::Receptor receptor = [&](const char* datos, std::size_t largo) {
    fallaLocal = !archivo.Escribe(datos, largo);
    if (!fallaLocal && contador) contador->Avanza(static_cast<std::int64_t>(largo));
    return !fallaLocal;
  };
  const CURLcode codigo = sesion_->Recibe(Absoluta(sRemote), !binario_, receptor);
  const auto etiqueta = EtiquetaDeFalla(etiquetas, contador ? &*contador : nullptr);
  if (codigo != CURLE_OK && !fallaLocal) return Falla(etiqueta, codigo);
  if (codigo != CURLE_OK) {
    error_ = ErrorFTP::Texto(etiqueta, archivo.numeroError(), archivo.error());
    return false;
  }
  // In ASCII the server may change line ends, so only a binary count is checked.
  if (total && binario_ && archivo.escritos() < *total) {
    error_ = ErrorFTP::Texto(etiqueta, CURLE_PARTIAL_FILE,
                             ErrorFTP::Descripcion(CURLE_PARTIAL_FILE) + ": llegaron " +
                                 std::to_string(archivo.escritos()) + " de " + std::to_string(*total) + " bytes");
    return false;
  }
  if (!archivo.Confirma()) {
    error_ = ErrorFTP::Texto(etiquetas.resto, archivo.numeroError(), archivo.error());
    return false;
  }
  if (contador) contador->Termina();
  return true;
}

std::string_view clsFTP::EtiquetaDeFalla(const Etiquetas& etiquetas, const ContadorProgreso* progreso) const {
  if (!sesion_->transferenciaAbierta()) return etiquetas.apertura;
  if (progreso == nullptr || progreso->EnTrozosCompletos()) return etiquetas.trozos;
  return etiquetas.resto;
}

// An entry of a listing names one thing in the folder listed. A name with a
// "/" (or a NUL) would lead a download or a local copy out of its folder: it
// is left out, with a warning, whatever the server meant by it.
void clsFTP::QuitaNombresConRuta(Entradas& entradas) {
  std::erase_if(entradas, [](const LectorListado::Entrada& e) {
    if (e.nombre.find_first_of(std::string_view("/\0", 2)) == std::string::npos) return false;
    Bitacora::Advierte("El sitio FTP listó «" + texto::Reemplaza(e.nombre, std::string(1, '\0'), "\\0") +
                       "», que no es el nombre de un archivo de la carpeta; no se usa.");
    return true;
  });
}

int clsFTP::Lista(const std::string& carpeta, Entradas& entradas, bool& recibioAlgo) {
  std::string texto;
  const SesionCurl::Receptor receptor = [&texto](const char* datos, std::size_t largo) {
    texto.append(datos, largo);
    return true;
  };
  if (!sinMlsd_) {
    const CURLcode codigo = sesion_->Recibe(carpeta, true, receptor, "MLSD");
    const RespuestaFTP* r = sesion_->UltimaRespuesta();
    const bool desconocido = codigo != CURLE_OK && !sesion_->transferenciaAbierta() && r != nullptr &&
                             (r->codigo == 500 || r->codigo == 502 || r->codigo == 504);
    if (!desconocido) {
      entradas = LectorListado::DeMlsd(texto, codigo == CURLE_OK);
      QuitaNombresConRuta(entradas);
      recibioAlgo = !texto.empty();
      return codigo;
    }
    // A server without MLSD: LIST from now on, for this connection.
    sinMlsd_ = true;
    texto.clear();
  }
  const CURLcode codigo = sesion_->Recibe(carpeta, true, receptor, "LIST");
  entradas = LectorListado::DeList(texto, codigo == CURLE_OK);
  QuitaNombresConRuta(entradas);
  recibioAlgo = !texto.empty();
  return codigo == CURLE_OK && texto.empty() ? CarpetaExiste(carpeta) : codigo;
}

// vsftpd lists a folder that does not exist as an empty one; changing to it
// tells the two apart, in the server's words.
int clsFTP::CarpetaExiste(const std::string& carpeta) {
  const CURLcode codigo = sesion_->Comandos({"CWD " + carpeta});
  if (codigo != CURLE_OK) return codigo;
  return sesion_->PrimerRechazo() == nullptr ? CURLE_OK : CURLE_REMOTE_FILE_NOT_FOUND;
}

std::string clsFTP::Absoluta(std::string_view ruta) const { return RutaFTP::Absoluta(actual_, ruta); }

long clsFTP::ConexionesAbiertas() const { return sesion_ ? conexionesAnteriores_ + sesion_->conexionesAbiertas() : 0; }

bool clsFTP::Falla(std::string_view etiqueta, int codigoCurl) {
  error_ = ErrorFTP::DeCurl(etiqueta, static_cast<CURLcode>(codigoCurl), *sesion_);
  DescartaSiDesfasada(codigoCurl);
  return false;
}

// Under TLS, libcurl may take a server's refusal of a transfer (the data
// connection already open and then dropped by the server) for the refusal of
// its passive-mode command, and read every later reply as the answer to the
// command before it. Such a connection is left; the next operation logs in
// on a new one. A server that went silent is not waited for again.
void clsFTP::DescartaSiDesfasada(int codigoCurl) {
  const RespuestaFTP* ultima = sesion_->UltimaRespuesta();
  if (!sesion_->parametros().sitio.tls() || codigoCurl == CURLE_OPERATION_TIMEDOUT || ultima == nullptr ||
      ultima->codigo < 400)
    return;
  conexionesAnteriores_ += sesion_->conexionesAbiertas();
  sesion_ = std::make_unique<SesionCurl>(sesion_->parametros());
}

bool clsFTP::FallaRuta(std::string_view etiqueta, std::string_view ruta) {
  error_ = ErrorFTP::Texto(etiqueta, CURLE_URL_MALFORMAT,
                           "La ruta remota «" + std::string(ruta) + "» contiene saltos de línea");
  return false;
}

bool clsFTP::ListoPara(std::string_view etiqueta, std::initializer_list<std::string_view> rutas) {
  if (!sesion_) {
    error_ = ErrorFTP::SinConexion(etiqueta);
    return false;
  }
  for (const auto ruta : rutas) {
    if (!RutaFTP::Segura(ruta)) return FallaRuta(etiqueta, ruta);
  }
  return true;
}

}  // namespace travesa
