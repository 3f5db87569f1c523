#pragma once
// One run of the program: its folder and INI file, the host objects, the
// Norvento installation and the two database connections, and the settings.
// Both the desktop window and the headless commands start through it.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/Ajustes.h"
#include "shell/Configuracion.h"
#include "shell/Historial.h"
#include "shell/Operador.h"
#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/DelRegistro.h"
#include "shell/host/Utilerias.h"

namespace travesa {

struct Vendedor {
  std::string clave;
  std::string nombre;
};

class Programa {
 public:
  Programa(std::filesystem::path carpeta, Operador& operador);

  // The version text: three blanks, "v", a blank and major.minor.revision.
  static std::string TextoVersion();

  // Start-up: finds the installation, opens both connections and reads every
  // setting. False (after telling the operator) when the installation is not
  // where the INI file says or its database login cannot be decrypted; throws
  // ErrorBD when the server refuses, and ErrorTravesa when a setting file
  // cannot be read or, with `exigeSecretos`, a stored FTP secret cannot be
  // decrypted (the settings command goes on without them, to write them anew).
  bool Inicia(bool exigeSecretos = true);
  // Only the installation and the connection settings (no connection yet).
  bool PreparaConexion();
  std::string BuscaInstalacion(const std::filesystem::path& carpeta);
  void AbreConexiones();
  // Reopens a connection the server dropped (a long-running service outlives
  // the server's idle timeout).
  void AseguraConexiones();

  // The series of "PE-" (orders) or "RE-" (remissions) whose flag row is true,
  // then "N/A"; empty when the database has no series row for the prefix.
  std::vector<std::string> LlenaSeries(std::string_view prefijo);
  // "SalenTodosEnLista": when true the "only price-list products" option is off
  // and cannot be changed.
  bool SalenTodosEnLista();
  std::vector<Vendedor> Vendedores();
  // What to tell the operator when stored secrets cannot be decrypted: which,
  // where, why, and the two ways out (restore the key or write them again).
  std::string AvisoSecretos(const std::filesystem::path& archivo, const std::vector<std::string>& campos,
                            std::string_view comoEscribirlos) const;
  // Opens the INI file in the program associated with it; when that cannot
  // be done the operator is told where the file is.
  bool EditaIni();
  std::string NombreVendedor(std::string_view clave);

  const std::filesystem::path& carpeta() const { return carpeta_; }
  const std::filesystem::path& ini() const { return configuracion_.ini(); }
  std::filesystem::path Archivo(std::string_view nombre) const { return carpeta_ / nombre; }
  Operador& operador() { return operador_; }
  Utilerias& utilerias() { return utilerias_; }
  BasesDD& bd() { return bd_; }
  DelRegistro& registro() { return registro_; }
  Conexion& principal() { return principal_; }
  Conexion& segunda() { return segunda_; }
  Ajustes& ajustes() { return ajustes_; }
  const Configuracion& configuracion() const { return configuracion_; }
  // The user who logged in; empty before the login.
  const std::string& usuario() const { return usuario_; }
  void FijaUsuario(std::string usuario) { usuario_ = std::move(usuario); }
  // The ledger of the runs; one that records nothing until a front end gives
  // the program its own.
  Historial& historial() { return historial_ ? *historial_ : nulo_; }
  void FijaHistorial(std::unique_ptr<Historial> historial) { historial_ = std::move(historial); }

 private:
  void CompletaRegistro();
  bool LoginLegible();
  void AvisaInstalacionIncorrecta();

  std::filesystem::path carpeta_;
  Operador& operador_;
  Utilerias utilerias_;
  Configuracion configuracion_;
  BasesDD bd_;
  DelRegistro registro_;
  Conexion principal_;
  Conexion segunda_;
  Ajustes ajustes_;
  std::string usuario_;
  HistorialNulo nulo_;
  std::unique_ptr<Historial> historial_;
};

}  // namespace travesa
