#include "sales/clsBorrarSQLs.h"

#include "ftp/ConexionConAviso.h"
#include "shell/Dialogos.h"
#include "shell/Operador.h"
#include "shell/Respaldo.h"
#include "shell/host/Bitacora.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {

clsBorrarSQLs::clsBorrarSQLs(std::filesystem::path carpetaPrograma, Operador& objLabel, bool verificarCertificado)
    : carpetaPrograma_(std::move(carpetaPrograma)), objLabel_(objLabel) {
  mFTP_.SetModePassive();
  mFTP_.SetTransferBinary();
  mFTP_.SetVerificarCertificado(verificarCertificado);
}

clsBorrarSQLs::~clsBorrarSQLs() { mFTP_.CloseConnection(); }

bool clsBorrarSQLs::Procesar() {
  borrados_.clear();
  conservados_.clear();
  if (!texto::TerminaCon(FTPcarpeta, "/")) FTPcarpeta += "/";
  if (!ConexionConAviso::Abre(mFTP_, objLabel_, ftpSitio, ftpUsuario, FTPcontraseña)) return false;
  mFTP_.SetFTPDirectory(FTPcarpeta);
  const auto listado = mFTP_.GetDirectoryListing("ventas_*.sql");
  if (!listado) return true;
  std::size_t hechos = 0;
  for (const cDirItem& item : *listado) {
    archivoActual_ = item.filename;
    objLabel_.Aviso("Borrando archivo " + archivoActual_);
    objLabel_.Progreso(static_cast<long long>(hechos++), static_cast<long long>(listado->count()));
    objLabel_.Ceder();
    if (item.Directory) continue;
    if (!Respalda(archivoActual_, item.FileSize)) {
      conservados_.push_back(archivoActual_);
      continue;
    }
    if (mFTP_.DeleteFTPFile(archivoActual_)) borrados_.push_back(archivoActual_);
  }
  objLabel_.Progreso(static_cast<long long>(hechos), static_cast<long long>(listado->count()));
  objLabel_.Aviso("");
  return true;
}

// A copy in `respaldo/` before the file leaves the site.
bool clsBorrarSQLs::Respalda(const std::string& nombre, std::int64_t tamano) {
  const std::filesystem::path local = carpetaPrograma_ / nombre;
  if (!mFTP_.FTPDownloadFile(local.string(), nombre)) {
    if (tamano == 0 && mFTP_.GetFTPFileSize(nombre) == 0) return true;  // nothing in it to keep
    Bitacora::Advierte("Borrar archivos: «" + nombre +
                       "» se deja en el sitio, no se pudo respaldar: " + mFTP_.GetLastErrorMessage());
    return false;
  }
  try {
    Respaldo(carpetaPrograma_).Guarda(local);
  } catch (const ErrorTravesa& e) {
    Bitacora::Advierte("Borrar archivos: «" + nombre + "» se deja en el sitio: " + e.what());
    return false;
  }
  return true;
}

}  // namespace travesa
