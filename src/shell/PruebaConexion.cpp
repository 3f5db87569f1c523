#include "shell/PruebaConexion.h"

#include "ftp/clsFTP.h"
#include "shell/Operador.h"
#include "shell/ReglasAjustes.h"

namespace travesa {

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
    r.conecto = ftp.OpenConnection(sitio, usuario, password);
    if (r.conecto) {
      r.carpeta = ReglasAjustes::CarpetaConDiagonales(carpeta);
      ftp.SetFTPDirectory(r.carpeta);
      r.carpetaAlcanzada = ReglasAjustes::CarpetaConDiagonales(ftp.GetFTPDirectory());
      r.correcta = r.carpetaAlcanzada == r.carpeta;
    }
    r.error = ftp.GetLastErrorMessage();
    ftp.CloseConnection();
  }
  if (r.correcta) {
    r.mensaje = "Prueba de conexión correcta";
    r.titulo = "¡Bien!";
    r.botones = Botones::kInformacion;
    r.error.clear();
    return r;
  }
  r.mensaje = "La conexión no pudo ser establecida";
  if (r.conecto) r.mensaje += "\r\nRuta indicada: " + r.carpeta + "\r\nRuta a la que conectó: " + r.carpetaAlcanzada;
  r.titulo = "Error";
  r.botones = Botones::kCritico;
  return r;
}

}  // namespace travesa
