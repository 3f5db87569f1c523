#pragma once
// The program's INI file: every setting is read through LeeIniConDefecto, which
// writes the default back the first time, so after one run the file lists every
// key. The "FTP" section is encrypted.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "shell/Ajustes.h"
#include "shell/host/Utilerias.h"

namespace travesa {

class Configuracion {
 public:
  Configuracion(std::filesystem::path ini, const Utilerias& utilerias);

  const std::filesystem::path& ini() const { return ini_; }

  // The stored value; when absent or empty the default is written and returned.
  std::string LeeIniConDefecto(std::string_view seccion, std::string_view clave, std::string_view porOmision) const;

  // The five FTP fields (decrypted), then every option.
  void LeeConfiguracionFTP(Ajustes& a) const;
  // Every option, upper-cased as read.
  void LeeOpciones(Ajustes& a) const;

  // Saves what the settings page shows, in the order and with the rules of the
  // command Grabar, then reloads the options into `a`.
  void Grabar(Ajustes& a) const;
  // Saves fields as Grabar saves them (the values already checked and shaped
  // by ReglasAjustes), all in one rewrite of the file: all or none.
  using Asignacion = std::pair<const Ajustes::Campo*, std::string>;
  void GuardaCampos(std::span<const Asignacion> asignaciones) const;

  // The time of the last upload, without writing a default.
  std::string UltimaSubida() const;
  void EscribeUltimaSubida(std::string_view sello) const;

  static constexpr const char* kArchivoIni = "travesa.ini";

 private:
  std::string LeeCampo(const Ajustes::Campo& campo) const;
  // The text a field is stored as.
  std::string ComoSeGuarda(const Ajustes::Campo& campo, std::string_view valor) const;

  std::filesystem::path ini_;
  const Utilerias& utilerias_;
};

}  // namespace travesa
