#pragma once
// Remote paths. The client keeps the current remote folder itself and names
// every file by its absolute path, so that one control connection serves any
// sequence of operations and a silent reconnection changes nothing.
#include <string>
#include <string_view>
#include <utility>

namespace travesa {

class RutaFTP {
 public:
  // `ruta` seen from the absolute folder `actual`; "." and ".." resolved by
  // their text. The result starts with "/" and has no trailing "/" (except "/").
  static std::string Absoluta(std::string_view actual, std::string_view ruta);
  // "a/b/nombre" → {"a/b", "nombre"}; "nombre" → {"", "nombre"}; "/x" → {"/", "x"}.
  static std::pair<std::string, std::string> Separa(std::string_view ruta);
  // The path part of a curl URL for an absolute path: "/%2F" and the escaped
  // segments, so that curl sends the full path in one command and never CWDs.
  static std::string ParaUrl(std::string_view absoluta, bool esCarpeta);
  // A path that cannot smuggle a second command into the control connection.
  static bool Segura(std::string_view ruta);
};

}  // namespace travesa
