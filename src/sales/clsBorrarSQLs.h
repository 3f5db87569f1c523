#pragma once
// The cleanup of the sales files still on the site ("Borrar archivos"): every
// `ventas_*.sql` in the FTP folder is removed. A sales file left on the site
// may hold sales never posted, so each one is first copied into the backup
// folder `respaldo/` of the program folder; a file that cannot be copied stays
// on the site. An empty file has nothing to keep and is removed as it is.
#include <filesystem>
#include <string>
#include <vector>

#include "ftp/clsFTP.h"

namespace travesa {

class Operador;

class clsBorrarSQLs {
 public:
  // `carpetaPrograma` holds `respaldo/`; objLabel shows the progress.
  clsBorrarSQLs(std::filesystem::path carpetaPrograma, Operador& objLabel, bool verificarCertificado = true);
  ~clsBorrarSQLs();

  std::string ftpSitio;
  std::string ftpUsuario;
  std::string FTPcontraseña;
  std::string FTPcarpeta;

  // False only when the site could not be reached (after saying so); files
  // that could not be removed do not change it.
  bool Procesar();

  // What the last run removed, and what it had to leave on the site.
  const std::vector<std::string>& Borrados() const { return borrados_; }
  const std::vector<std::string>& Conservados() const { return conservados_; }

 private:
  bool Respalda(const std::string& nombre, std::int64_t tamano);

  std::filesystem::path carpetaPrograma_;
  Operador& objLabel_;
  clsFTP mFTP_;
  std::string archivoActual_;
  std::vector<std::string> borrados_;
  std::vector<std::string> conservados_;
};

}  // namespace travesa
