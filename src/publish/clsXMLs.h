#pragma once
// The publish run: builds every catalogue file from the Norvento database in
// the program folder, then uploads them to the FTP folder.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ftp/clsFTP.h"
#include "shell/Ajustes.h"
#include "shell/ArchivosConocidos.h"
#include "shell/ArchivosDeTelefonos.h"
#include "shell/Operador.h"

namespace travesa {

class DocumentosDeCxc;
class Programa;
class RecordSetSecuencial;
struct Consulta;

class clsXMLs {
 public:
  // objLabel is the operator's progress label; `ajustes` gives the options.
  clsXMLs(Programa& programa, Operador& objLabel, const Ajustes& ajustes);
  ~clsXMLs();

  std::string Vendedor;  // key of the chosen seller, trimmed; empty for all
  std::string ftpSitio;
  std::string ftpUsuario;
  std::string FTPcontraseña;
  std::string FTPcarpeta;

  // True when every counted upload succeeded.
  bool Procesar();
  // Whether the last run reached the site.
  bool Conectado() const { return conectado_; }

  // The files, written to ruta + ".xml" from the rows left in rs.
  void EscribirXML(const std::filesystem::path& ruta, RecordSetSecuencial& rs, std::string_view raiz,
                   std::string_view registro);
  void EscribirCxc(const std::filesystem::path& ruta, RecordSetSecuencial& rs, std::string_view raiz,
                   std::string_view registro, const DocumentosDeCxc& documentos);
  void EscribirConfiguracion(const std::filesystem::path& ruta);

  // Which optional files the last build wrote.
  struct Opcionales {
    bool listadeprecios = false;
    bool preciosadicionales = false;
    bool formasdepago = false;
  };
  Opcionales GeneraArchivos();

  // The name of the database lock that lets one publish run at a time reach
  // a site's folder.
  static std::string NombreDeBloqueo(std::string_view sitio, std::string_view carpeta);

  // Why the run failed (the FTP client's text), for the operator and the log.
  const std::string& MotivoDeFalla() const { return motivo_; }
  // The phones' files found unread where the catalogue went, saved to
  // respaldo/ for the next read run.
  const std::vector<std::filesystem::path>& Guardados() const { return guardados_; }

 private:
  bool Escribe(RecordSetSecuencial& rs, const Consulta& consulta, std::string_view raiz, std::string_view registro,
               bool siempre);
  bool QuitaLocal(std::string_view raiz);
  bool SubirXML(std::string_view nombre);
  bool Renombra(const std::string& temporal, const std::string& remoto, std::int64_t tamano, bool tamanoConocido);
  static bool DeLosTelefonos(std::string_view nombre);
  bool DejaLugar(const std::string& remoto, const std::string& huella, std::int64_t tamano);
  bool QuitaDelSitio(std::string_view nombre);
  void QuitaTemporalesViejos();

  Programa& programa_;
  Operador& objLabel_;
  Ajustes ajustes_;
  clsFTP mFTP_;
  bool conectado_ = false;
  ArchivosDeTelefonos telefonos_;
  std::optional<ArchivosConocidos> conocidos_;
  std::vector<std::filesystem::path> guardados_;
  std::string carpetaAbsoluta_;
  std::string marca_;
  std::string archivoActual_;
  std::string motivo_;
};

}  // namespace travesa
