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

// A name no other run or desk uses at the same moment, shaped as the publish
// run's temporary files: no leading dot (servers that refuse to write dot
// files accept it), and a copy left by a test cut halfway is one the next
// publish run clears.
std::string NombreDePrueba() {
  std::random_device azar;
  return "travesa-prueba-" + std::to_string(::getpid()) + "-" + std::to_string(azar()) + ".xml";
}

// A file put on the site and renamed over the published name, as the publish
// run puts each catalogue file; a server that refuses to rename over a file
// gets it deleted first.
bool Publica(clsFTP& ftp, const std::string& local, const std::string& temporal, const std::string& publicado,
             std::string& error) {
  const bool subido = ftp.FTPUploadFile(local, temporal);
  if (subido && ftp.RenameFTPFile(temporal, publicado)) return true;
  error = ftp.GetLastErrorMessage();
  return subido && ftp.DeleteFTPFile(publicado) && ftp.RenameFTPFile(temporal, publicado);
}

// Whether the publish run can write in the folder: two files one after the
// other on one connection, as it puts several (a server may take the first
// and refuse the next), and the test file removed again.
bool PuedeEscribir(clsFTP& ftp, const std::string& carpeta, std::string& error) {
  ArchivoDePrueba local;
  if (local.ruta().empty()) {
    error = "no se pudo preparar el archivo de prueba local";
    return false;
  }
  const std::string publicado = carpeta + NombreDePrueba();
  const std::string temporal = publicado + ".prueba.tmp";
  if (!Publica(ftp, local.ruta(), temporal, publicado, error) ||
      !Publica(ftp, local.ruta(), temporal, publicado, error)) {
    ftp.DeleteFTPFile(temporal);
    ftp.DeleteFTPFile(publicado);
    return false;
  }
  if (ftp.DeleteFTPFile(publicado)) return true;
  error = "se pudo escribir «" + publicado + "» pero no borrarlo: " + ftp.GetLastErrorMessage();
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
  {
    clsFTP ftp;
    ftp.SetModePassive();
    ftp.SetTransferBinary();
    ftp.SetVerificarCertificado(verificarCertificado);
    if (!archivoCA.empty()) ftp.SetArchivoCA(archivoCA);
    r.conectado = ftp.OpenConnection(sitio, usuario, password);
    if (r.conectado) {
      // The publish run names its files folder + "/" + name from the login folder.
      std::string campo(carpeta);
      if (!texto::TerminaCon(campo, "/")) campo += "/";
      r.carpeta = ReglasAjustes::CarpetaConDiagonales(RutaFTP::Absoluta(ftp.GetFTPDirectory(), campo));
      const bool cambio = ftp.SetFTPDirectory(r.carpeta);
      if (!cambio) r.error = ftp.GetLastErrorMessage();
      r.carpetaAlcanzada = ReglasAjustes::CarpetaConDiagonales(ftp.GetFTPDirectory());
      r.enLaCarpeta = cambio && r.carpetaAlcanzada == r.carpeta;
      if (r.enLaCarpeta) r.escribible = PuedeEscribir(ftp, r.carpeta, r.error);
    } else {
      r.error = ftp.GetLastErrorMessage();
    }
    ftp.CloseConnection();
  }
  r.titulo = r.Completo() ? "¡Bien!" : "Error";
  r.botones = r.Completo() ? Botones::kInformacion : Botones::kCritico;
  if (r.Completo()) {
    r.mensaje = "Prueba de conexión correcta\r\nSe puede escribir en la carpeta «" + r.carpeta + "».";
    return r;
  }
  if (r.enLaCarpeta) {
    r.mensaje = "Prueba de conexión correcta\r\nNo se puede escribir en la carpeta «" + r.carpeta + "»: " + r.error;
    return r;
  }
  r.mensaje = "La conexión no pudo ser establecida";
  if (r.conectado) r.mensaje += "\r\nRuta indicada: " + r.carpeta + "\r\nRuta a la que conectó: " + r.carpetaAlcanzada;
  r.mensaje = ConMotivo(r.mensaje, r.error);
  return r;
}

}  // namespace travesa
