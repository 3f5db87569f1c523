#pragma once
// The stock left on the phones booked back as one stock transfer to the
// receiving branch: the device products file fetched from the site as
// `productos2.xml`, then a header in `traspasos` and one line in
// `traspasosdetalle` per product with stock, all in one transaction. The
// whole file is read before anything is written, so a damaged file records
// nothing. The same file is never booked twice.
#include <string>

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
    Grabado
  };
  Estado estado = Estado::Declinado;
  long traspaso = 0;     // `Traspaso`, the transfer's id
  long numTraspaso = 0;  // `NumTraspaso`, its number in the series
  std::string serie;
  std::string destino;
  int lineas = 0;
  std::string motivo;  // Danado: what is wrong with the file

  // Nothing went wrong (recorded, declined or already recorded).
  bool Correcto() const { return estado == Estado::Grabado || estado == Estado::Declinado || estado == Estado::Repetido; }
};

class TraspasoSobrante {
 public:
  static constexpr const char* kLocal = "productos2.xml";

  // Asks first; `ajustes` gives the FTP site, the folder, the receiving
  // branch (`EmpresaTraspaso`) and the series (`SerieTraspasos`).
  static ResultadoTraspaso GenerarTraspaso(Programa& programa, Operador& operador, const Ajustes& ajustes);
};

}  // namespace travesa
