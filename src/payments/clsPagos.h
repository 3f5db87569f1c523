#pragma once
// The download run of the payment files: copies the chosen seller's
// `cxcs_*.sql` files from the FTP folder into the program folder and removes
// them from the site. An empty file holds no payment: it is taken as well (an
// empty copy here), once a second look shows it is not one a phone has just
// begun to upload. The transfer log it starts stays open for the reading of
// the files that follows (see RevisionDePagos).
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ftp/clsFTP.h"
#include "shell/Operador.h"

namespace travesa {

class BitacoraDeArchivos;
class Programa;

class clsPagos {
 public:
  // objLabel receives the progress text.
  clsPagos(Programa& programa, Operador& objLabel, bool verificarCertificado = true);
  ~clsPagos();
  clsPagos(const clsPagos&) = delete;
  clsPagos& operator=(const clsPagos&) = delete;

  std::string ftpSitio;
  std::string ftpUsuario;
  std::string FTPcontraseña;
  std::string FTPcarpeta;
  std::string stVendedor;  // the chosen seller's key, trimmed; empty for every seller

  // True when the site was reached, whatever happened to single files (see
  // NoDescargados).
  bool Procesar();

  // The log of this run, still open; empty before Procesar. The reading of
  // the files writes into it and closes it.
  std::unique_ptr<BitacoraDeArchivos> TomaBitacora();
  // Why the site could not be reached (the FTP client's text).
  const std::string& MotivoDeFalla() const { return motivo_; }
  // The files that could not come down (or the listing that failed), each as
  // "name: reason"; they stay on the site for the next run.
  const std::vector<std::string>& NoDescargados() const { return noDescargados_; }

  // Whether a listed name belongs to this run: a device segment after "cxcs_"
  // and, with a seller chosen, that seller's field in any letter case.
  static bool Aceptado(std::string_view nombre, std::string_view vendedor);
  // The seller field of a name; empty when it has none.
  static std::string_view VendedorDelNombre(std::string_view nombre);

  // How long after the listing an empty file is looked at again.
  static constexpr std::chrono::seconds kAsientoDeVacios{2};

 private:
  void Descarga(const std::string& nombre);
  void TomaVacios(const std::vector<std::string>& vacios, std::chrono::steady_clock::time_point listado);
  void TomaVacio(const std::string& nombre);
  void NoDescargado(const std::string& nombre, const std::string& motivo);

  Programa& programa_;
  Operador& objLabel_;
  clsFTP mFTP_;
  std::unique_ptr<BitacoraDeArchivos> bitacora_;
  std::string archivoActual_;
  std::string motivo_;
  std::vector<std::string> noDescargados_;
};

}  // namespace travesa
