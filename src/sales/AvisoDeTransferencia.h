#pragma once
// The progress of a file moving between the site and the program folder, as
// the operator sees it: the label "De 'archivo': bytes copiados N de M" and
// the bar beside it.
#include <cstdint>
#include <functional>
#include <string>

namespace travesa {

class Operador;

class AvisoDeTransferencia {
 public:
  // A progress handler for clsFTP::FileTransferProgress naming `archivo`.
  static std::function<void(std::int64_t, std::int64_t)> Para(Operador& operador, std::string archivo);
};

}  // namespace travesa
