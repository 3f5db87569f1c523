#include "sales/SitioDeDispositivos.h"

#include "ftp/ConexionConAviso.h"
#include "ftp/RutaFTP.h"
#include "ftp/clsFTP.h"
#include "shell/Ajustes.h"
#include "shell/Operador.h"
#include "shell/host/Texto.h"

namespace travesa {

bool SitioDeDispositivos::Conecta(clsFTP& ftp, Operador& operador, const Ajustes& ajustes) {
  ftp.SetModePassive();
  ftp.SetTransferBinary();
  ftp.SetVerificarCertificado(ajustes.VerificarCertificado != "N");
  return ConexionConAviso::Abre(ftp, operador, ajustes.ftpSitio, ajustes.ftpUsuario, ajustes.FTPcontraseña,
                                "Error inesperado al conectar al servidor.", Botones::kCritico, "ERROR");
}

std::string SitioDeDispositivos::ConDiagonales(std::string_view carpeta) {
  std::string c(carpeta);
  if (!texto::EmpiezaCon(c, "/")) c = "/" + c;
  if (!texto::TerminaCon(c, "/")) c += "/";
  return c;
}

std::string SitioDeDispositivos::Resuelve(clsFTP& ftp, std::string_view carpeta) {
  // Named from the folder the login lands in, as the publish run names its
  // files: only a leading "/" makes the setting absolute.
  const std::string c = ConDiagonales(RutaFTP::Absoluta(ftp.GetFTPDirectory(), carpeta));
  if (!ftp.SetFTPDirectory(c)) return c;
  const std::string actual = ftp.GetFTPDirectory();
  if (actual.empty()) return c;
  return ConDiagonales(actual);
}

bool SitioDeDispositivos::TresIntentos(Operador& operador, std::string_view que, const std::function<bool()>& baja) {
  for (int intento = 1; intento <= kIntentos; ++intento) {
    if (baja()) return true;
    operador.Mensaje("Error inesperado al descargar archivo de " + std::string(que) + ".\nIntento " +
                         std::to_string(intento) + " de " + std::to_string(kIntentos) + ".",
                     Botones::kCritico, "ERROR");
  }
  return false;
}

}  // namespace travesa
