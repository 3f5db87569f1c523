#pragma once
// File name patterns of the remote listings, read the way the Windows search
// read them: "*" is any run of characters, "?" exactly one character (a letter
// such as "ñ" counts as one), "*.*" and the empty pattern match every name.
// Letters match regardless of case, as they did on the Windows side, so a
// device that writes "VENTAS_01.SQL" is still found by "ventas_*.sql".
#include <string_view>

namespace travesa {

class PatronFTP {
 public:
  static bool Coincide(std::string_view patron, std::string_view nombre);
};

}  // namespace travesa
