#pragma once
// The progress of a file moving between the site and the program folder, as
// the operator sees it: the label "De 'archivo': bytes copiados N de M" and
// the bar beside it. Every job that moves files shows it this way.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace travesa {

class Operador;

class AvisoDeTransferencia {
 public:
  // The label and the bar for `actual` bytes of `total` (nothing when the
  // total is not known yet, below the bytes moved); then the operator's turn.
  static void Muestra(Operador& operador, std::string_view archivo, std::int64_t actual, std::int64_t total);
  // A progress handler for clsFTP::FileTransferProgress naming `archivo`.
  static std::function<void(std::int64_t, std::int64_t)> Para(Operador& operador, std::string archivo);
};

}  // namespace travesa
