#include "ftp/DescargaRemota.h"

#include "ftp/clsFTP.h"

namespace travesa {

DescargaRemota::Partes DescargaRemota::Separa(std::string_view remoto) {
  const std::size_t esquema = remoto.find("://");
  const std::size_t desde = esquema == std::string_view::npos ? 0 : esquema + 3;
  const std::size_t barra = remoto.find('/', desde);
  if (barra == std::string_view::npos) return {std::string(remoto), "/"};
  return {std::string(remoto.substr(0, barra)), std::string(remoto.substr(barra))};
}

bool DescargaRemota::BajarArchivo(std::string_view remoto, std::string_view usuario, std::string_view contrasena,
                                  std::string_view local) {
  motivo_.clear();
  const Partes partes = Separa(remoto);
  clsFTP ftp;
  ftp.SetModePassive();
  ftp.SetTransferBinary();
  ftp.SetVerificarCertificado(verificarCertificado);
  if (Progreso) ftp.FileTransferProgress = Progreso;
  if (!ftp.OpenConnection(partes.sitio, usuario, contrasena) || !ftp.FTPDownloadFile(local, partes.ruta)) {
    motivo_ = ftp.GetLastErrorMessage();
    return false;
  }
  return true;
}

}  // namespace travesa
