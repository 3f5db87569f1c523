#pragma once
// The stock left on the phones booked back as one stock transfer to the
// receiving branch: the device products file fetched from the site as
// `productos2.xml`, then a header in `traspasos` and one line in
// `traspasosdetalle` per product with stock, all in one transaction. The
// whole file is read before anything is written, so a damaged file records
// nothing. The same file is never booked twice, and the catalogue this
// program published under the same name is never taken for a phone's file.
// Phones' files that a publish saved before the catalogue took their place
// are booked first, each after its own question.
#include <string>
#include <vector>

namespace travesa {

class Operador;
class Programa;
struct Ajustes;

struct ResultadoTraspaso {
  enum class Estado {
    Declinado,    // the operator said No
    SinConexion,  // the site could not be reached
    SinArchivo,   // three downloads failed
    Danado,       // the file is malformed; nothing recorded
    Repetido,     // this very file was already booked
    DelCatalogo,  // the site holds the published catalogue, not a phone's file
    Grabado
  };
  Estado estado = Estado::Declinado;
  long traspaso = 0;     // `Traspaso`, the transfer's id
  long numTraspaso = 0;  // `NumTraspaso`, its number in the series
  std::string serie;
  std::string destino;
  int lineas = 0;
  std::string motivo;    // Danado: what is wrong with the file
  std::string guardado;  // the saved phone's file it came from; empty for the site's

  // Nothing went wrong (recorded, declined, already recorded, or nothing of a phone's).
  bool Completo() const {
    return estado == Estado::Grabado || estado == Estado::Declinado || estado == Estado::Repetido ||
           estado == Estado::DelCatalogo;
  }
};

class TraspasoSobrante {
 public:
  static constexpr const char* kLocal = "productos2.xml";

  // Every leftover waiting: the saved phones' files, oldest first, then the
  // site's file; each asks first. `ajustes` gives the FTP site, the folder,
  // the receiving branch (`EmpresaTraspaso`) and the series (`SerieTraspasos`).
  static std::vector<ResultadoTraspaso> GenerarTraspasos(Programa& programa, Operador& operador,
                                                         const Ajustes& ajustes);
  // The site's file alone.
  static ResultadoTraspaso GenerarTraspaso(Programa& programa, Operador& operador, const Ajustes& ajustes);
  // With the transfer off: the local copy goes, and the saved phones' files
  // move on to respaldo/procesados/ unbooked.
  static void Descarta(Programa& programa);
};

}  // namespace travesa
