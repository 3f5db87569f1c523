#include "ftp/PruebaConexion.h"

#include <unistd.h>

#include <random>

#include "ftp/RutaFTP.h"
#include "ftp/clsFTP.h"
#include "shell/Operador.h"
#include "shell/ReglasAjustes.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

// A small local file to put on the site, removed at the end.
class ArchivoDePrueba {
 public:
  ArchivoDePrueba() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "travesa-prueba-XXXXXX").string();
    const int fd = ::mkstemp(plantilla.data());
    if (fd < 0) return;
    constexpr std::string_view kContenido = "Prueba de escritura de Travesa\n";
    const bool escrito = ::write(fd, kContenido.data(), kContenido.size()) == static_cast<ssize_t>(kContenido.size());
    ::close(fd);
    ruta_ = plantilla;
    if (!escrito) ruta_.clear();
  }
  ~ArchivoDePrueba() {
    if (!ruta_.empty()) ::unlink(ruta_.c_str());
  }
  ArchivoDePrueba(const ArchivoDePrueba&) = delete;
  ArchivoDePrueba& operator=(const ArchivoDePrueba&) = delete;
  const std::string& ruta() const { return ruta_; }

 private:
  std::string ruta_;
};

// A name no other run or desk uses at the same moment.
std::string NombreDePrueba() {
  std::random_device azar;
  return ".travesa-prueba-" + std::to_string(::getpid()) + "-" + std::to_string(azar()) + ".tmp";
}

// Whether a file can be put in the folder and removed again.
bool PuedeEscribir(clsFTP& ftp, const std::string& carpeta, std::string& error) {
  ArchivoDePrueba local;
  if (local.ruta().empty()) {
    error = "no se pudo preparar el archivo de prueba local";
    return false;
  }
  const std::string remoto = carpeta + NombreDePrueba();
  if (!ftp.SimpleFTPPutFile(local.ruta(), remoto)) {
    error = ftp.GetLastErrorMessage();
    return false;
  }
  if (ftp.DeleteFTPFile(remoto)) return true;
  error = "se pudo escribir «" + remoto + "» pero no borrarlo: " + ftp.GetLastErrorMessage();
  return false;
}

std::string ConMotivo(std::string mensaje, const std::string& error) {
  if (!error.empty()) mensaje += "\r\nMotivo: " + error;
  return mensaje;
}

}  // namespace

PruebaConexion::Resultado PruebaConexion::Probar(std::string_view sitio, std::string_view usuario,
                                                 std::string_view password, std::string_view carpeta,
                                                 bool verificarCertificado, const std::filesystem::path& archivoCA) {
  Resultado r;
  r.carpeta = std::string(carpeta);
  bool llego = false;
  {
    clsFTP ftp;
    ftp.SetModePassive();
    ftp.SetTransferBinary();
    ftp.SetVerificarCertificado(verificarCertificado);
    if (!archivoCA.empty()) ftp.SetArchivoCA(archivoCA);
    r.conecto = ftp.OpenConnection(sitio, usuario, password);
    if (r.conecto) {
      // The publish run names its files folder + "/" + name from the login folder.
      std::string campo(carpeta);
      if (!texto::TerminaCon(campo, "/")) campo += "/";
      r.carpeta = ReglasAjustes::CarpetaConDiagonales(RutaFTP::Absoluta(ftp.GetFTPDirectory(), campo));
      const bool cambio = ftp.SetFTPDirectory(r.carpeta);
      if (!cambio) r.error = ftp.GetLastErrorMessage();
      r.carpetaAlcanzada = ReglasAjustes::CarpetaConDiagonales(ftp.GetFTPDirectory());
      llego = cambio && r.carpetaAlcanzada == r.carpeta;
      if (llego) r.escribible = PuedeEscribir(ftp, r.carpeta, r.error);
    } else {
      r.error = ftp.GetLastErrorMessage();
    }
    ftp.CloseConnection();
  }
  r.correcta = llego && r.escribible;
  r.titulo = r.correcta ? "¡Bien!" : "Error";
  r.botones = r.correcta ? Botones::kInformacion : Botones::kCritico;
  if (r.correcta) {
    r.mensaje = "Prueba de conexión correcta\r\nSe puede escribir en la carpeta «" + r.carpeta + "».";
    return r;
  }
  if (llego) {
    r.mensaje = "Prueba de conexión correcta\r\nNo se puede escribir en la carpeta «" + r.carpeta + "»: " + r.error;
    return r;
  }
  r.mensaje = "La conexión no pudo ser establecida";
  if (r.conecto) r.mensaje += "\r\nRuta indicada: " + r.carpeta + "\r\nRuta a la que conectó: " + r.carpetaAlcanzada;
  r.mensaje = ConMotivo(r.mensaje, r.error);
  return r;
}

}  // namespace travesa
