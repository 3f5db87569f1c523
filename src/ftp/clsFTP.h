#pragma once
// The FTP client: the only way the system reaches the FTP site. One object
// holds one connection (one login) for a whole job; every member reports
// failure by its result (false, -1/-2, an empty text, nullptr) and leaves a
// readable text in GetLastErrorMessage. Nothing raises to the caller.
//
// Calling order of every job: SetModePassive, SetTransferBinary,
// OpenConnection, then any sequence of the other members, then CloseConnection
// (the destructor closes too).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ftp/LectorListado.h"
#include "ftp/cDirList.h"
#include "shell/Interrupcion.h"

namespace travesa {

class SesionCurl;
class ContadorProgreso;

class clsFTP {
 public:
  clsFTP();
  ~clsFTP();
  clsFTP(const clsFTP&) = delete;
  clsFTP& operator=(const clsFTP&) = delete;

  // Progress of FTPUploadFile and FTPDownloadFile: bytes so far and the file's
  // length, after every 255 bytes and once more at the end (see ContadorProgreso).
  std::function<void(std::int64_t lCurrentBytes, std::int64_t lTotalBytes)> FileTransferProgress;

  // The latest listing; an empty one when there is none.
  const cDirList& Directory();
  std::string GetLastErrorMessage() const { return error_; }

  // sServer: "host", "host:port", "ftp://host[:port]" or "ftps://host[:port]".
  // Really logs in: a wrong password or an unknown host fails here.
  bool OpenConnection(std::string_view sServer, std::string_view sUser, std::string_view sPassWord);
  void CloseConnection();
  bool SimpleFTPPutFile(std::string_view sLocal, std::string_view sRemote);
  bool RenameFTPFile(std::string_view sExisting, std::string_view sNewName);
  bool CreateFTPDirectory(std::string_view sDirectory);
  bool RemoveFTPDirectory(std::string_view sDirectory);
  bool DeleteFTPFile(std::string_view sRemote);
  bool FTPUploadFile(std::string_view sLocal, std::string_view sRemote);
  // Writes the local file only when the whole remote file arrived; an empty
  // remote file is not downloaded (false, no error text).
  bool FTPDownloadFile(std::string_view sLocal, std::string_view sRemote);
  bool SimpleFTPGetFile(std::string_view sLocal, std::string_view sRemote);
  std::string GetFTPDirectory();
  bool SetFTPDirectory(std::string_view sDir);
  // Size of the first file that matches sFile (blanks searched as "?"); -1 when
  // none matches (no error text), -2 on a failure.
  std::int64_t GetFTPFileSize(std::string_view sFile);
  // When the file was last written, as the server's MDTM says it
  // ("yyyymmddhhmmss", UTC, to the second); empty when the server does not
  // tell (no such file, or no MDTM), with the reply in GetLastErrorMessage.
  std::string GetFTPFileTime(std::string_view sFile);
  // The entries of the current (or named) folder that match the pattern, in the
  // server's order; nullptr when none matches (no error text) or on a failure.
  std::shared_ptr<const cDirList> GetDirectoryListing(std::string_view sFilter);
  // ASCII (TYPE A): downloaded text gets this system's line ends (LF) and
  // uploaded text the network's (CRLF), so sizes may differ from the server's.
  // Binary (TYPE I): every byte as it is; the jobs always use it.
  void SetTransferASCII() { binario_ = false; }
  void SetTransferBinary() { binario_ = true; }
  void SetModeActive();
  void SetModePassive();
  // Keep-going flag of FTPUploadFile: set to false (by a progress handler, for
  // instance) it stops the upload, which then fails.
  bool blSigue() const { return sigue_; }
  void blSigue(bool vNewValue) { sigue_ = vNewValue; }

  // ftps:// sites: whether the server's certificate is checked (default yes),
  // and a CA file to check it against besides the system's store.
  void SetVerificarCertificado(bool verificar) { verificar_ = verificar; }
  void SetArchivoCA(std::filesystem::path archivo) { archivoCA_ = std::move(archivo); }
  // Time to reach the server, and time without progress after which an
  // operation gives up. They apply from the next OpenConnection.
  void SetTiempoEspera(std::chrono::seconds conexion, std::chrono::seconds estancamiento);
  // While the flag is true every operation fails at once ("ABORTED_BY_CALLBACK"),
  // the one in progress included: a stalled transfer ends within a moment.
  // Applies from the next OpenConnection. By default the flag is the
  // program's own (Interrupcion).
  void SetInterrupcion(const std::atomic<bool>* bandera) { interrupcion_ = bandera; }
  // Progress events closer together than this are left out (0: every chunk).
  void SetIntervaloProgreso(std::chrono::milliseconds intervalo) { intervaloProgreso_ = intervalo; }
  bool Conectado() const { return sesion_ != nullptr; }
  // Control connections opened since OpenConnection (1 while the first holds).
  long ConexionesAbiertas() const;

 private:
  struct Etiquetas {
    std::string_view apertura;  // before the server accepted the transfer
    std::string_view trozos;    // while moving full 255-byte chunks
    std::string_view resto;     // in the last piece
  };
  using Entradas = std::vector<LectorListado::Entrada>;

  bool Orden(std::string_view etiqueta, const std::vector<std::string>& comandos);
  // With `conProgreso`, the transfer raises FileTransferProgress.
  bool Subida(std::string_view sLocal, std::string_view sRemote, const Etiquetas& etiquetas, bool conProgreso);
  // With a total (the remote size), the transfer raises FileTransferProgress
  // and fails when fewer bytes arrive in a binary transfer.
  bool Descarga(std::string_view sLocal, std::string_view sRemote, const Etiquetas& etiquetas,
                std::optional<std::int64_t> total);
  std::string_view EtiquetaDeFalla(const Etiquetas& etiquetas, const ContadorProgreso* progreso) const;
  int Lista(const std::string& carpeta, Entradas& entradas, bool& recibioAlgo);
  int CarpetaExiste(const std::string& carpeta);
  static void QuitaNombresConRuta(Entradas& entradas);
  bool LeeCarpetaActual(std::string_view etiqueta, const std::string& destino);
  std::string Absoluta(std::string_view ruta) const;
  bool Falla(std::string_view etiqueta, int codigoCurl);
  void DescartaSiDesfasada(int codigoCurl);
  bool FallaRuta(std::string_view etiqueta, std::string_view ruta);
  bool ListoPara(std::string_view etiqueta, std::initializer_list<std::string_view> rutas);

  std::unique_ptr<SesionCurl> sesion_;
  long conexionesAnteriores_ = 0;  // of the sessions left since OpenConnection
  std::string actual_ = "/";       // current remote folder, absolute
  bool binario_ = false;           // ASCII until told otherwise
  bool pasivo_ = false;            // active until told otherwise
  bool sigue_ = true;
  bool verificar_ = true;
  bool sinMlsd_ = false;
  std::filesystem::path archivoCA_;
  std::chrono::seconds conexion_{30};
  std::chrono::seconds estancamiento_{60};
  std::chrono::milliseconds intervaloProgreso_{0};
  // The program's stop request (a signal, the window's «Cancelar») unless told otherwise.
  const std::atomic<bool>* interrupcion_ = &Interrupcion::Bandera();
  std::string error_;
  std::shared_ptr<cDirList> directorio_;
};

}  // namespace travesa
