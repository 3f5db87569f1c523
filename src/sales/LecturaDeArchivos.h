#pragma once
// The read run ("Leer archivos") as both faces call it: the customers the
// phones created, then the sales import and posting, then the final message,
// then the leftover stock transfer (or the removal of the local products
// file). It returns a summary of what it did, for the office to see.
//
// The window runs it in its three steps, so that the final message appears
// over an enabled window: Descargar (off the window's thread), MensajeFinal,
// Terminar (off the window's thread again). The headless command calls Leer.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sales/ClientesDelDispositivo.h"
#include "sales/ResultadoVentas.h"
#include "sales/TraspasoSobrante.h"
#include "shell/Ajustes.h"

namespace travesa {

class Operador;
class Programa;

struct ResumenLectura {
  bool conectado = false;  // the site was reached for the customers file
  std::string carpeta;     // the folder setting with its slashes
  bool clientesDescargados = false;
  // The site's `clientes.xml` was the catalogue this program published, not
  // a phone's file: it was not imported.
  bool clientesDelCatalogo = false;
  // Phones' customers files that a publish had saved, read by this run.
  std::vector<std::string> clientesGuardados;
  ResultadoClientes clientes;
  ResultadoVentas ventas;
  bool conTraspaso = false;                  // the transfer option was on
  std::vector<ResultadoTraspaso> traspasos;  // one per phone's file, the site's last

  // Every sale was posted or found already posted, and no transfer failed.
  bool Completo() const {
    if (!conectado || !ventas.Completo()) return false;
    for (const ResultadoTraspaso& t : traspasos)
      if (!t.Completo()) return false;
    return true;
  }
};

class LecturaDeArchivos {
 public:
  // The sales import and posting of the device sales files (EjecutaDescarga):
  // it reads the document kind, the stock option and the FTP site from
  // `ajustes`.
  using ImportaVentas = std::function<ResultadoVentas(Programa&, Operador&, const Ajustes&)>;

  static constexpr const char* kClientesLocal = "clientes2.xml";

  LecturaDeArchivos(Programa& programa, Operador& operador, ImportaVentas importaVentas, int segundosDeEspera);
  // With the real sales import, waiting up to `segundosDeEspera` for another
  // desk's run to end.
  LecturaDeArchivos(Programa& programa, Operador& operador, int segundosDeEspera);

  // The question that starts the run from the window.
  static bool Confirma(Operador& operador);

  // The whole run without its first question.
  ResumenLectura Leer(const Ajustes& ajustes);

  // The run in the ledger, for a face that calls the steps itself: opened
  // before Descargar, closed after the last step with what came of it
  // (`terminada` false: an error or a stop ended it).
  void AbreEnHistorial();
  void CierraEnHistorial(bool descargado, bool terminada, const ResumenLectura& resumen);

  // Customers, then sales, under the sales import's named lock, so that two
  // desks never read at once. False when the site could not be reached (the
  // operator was told; nothing else ran). Another desk's run still in progress
  // after the wait ends it with ErrorTravesa, nothing read.
  bool Descargar(const Ajustes& ajustes, ResumenLectura& resumen);
  // "Archivos descargados y grabados en las tablas de Norvento", or the
  // alert that points to the transfer log.
  void MensajeFinal(const ResumenLectura& resumen);
  // The transfer when `Traspaso` is on, otherwise the local products file removed.
  void Terminar(const Ajustes& ajustes, ResumenLectura& resumen);

 private:
  void ImportaClientes(const Ajustes& ajustes, const std::string& carpeta, const std::string& sello,
                       ResumenLectura& resumen);
  void ImportaGuardados(ResumenLectura& resumen);
  void AnotaClientes(const ResumenLectura& resumen);
  void Importa(std::string_view contenido, ResumenLectura& resumen);

  Programa& programa_;
  Operador& operador_;
  ImportaVentas importaVentas_;
  int segundosDeEspera_;
};

}  // namespace travesa
