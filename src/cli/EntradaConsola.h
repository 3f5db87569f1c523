#pragma once
// Lines read from standard input: typed at a terminal (without echo for
// secrets) or piped in by a script, so that a secret never needs to be on the
// command line, where `ps` and the shell history see it.
#include <optional>
#include <string>
#include <string_view>

namespace travesa {

class EntradaConsola {
 public:
  static bool EsTerminal();
  // One line without its line end; nothing at the end of the input. With
  // `oculta`, a terminal does not echo what is typed.
  static std::optional<std::string> LeeLinea(bool oculta);
  // A secret value: asked with `pregunta` (on standard error) and read without
  // echo at a terminal; read as the next line otherwise.
  static std::optional<std::string> PideSecreto(std::string_view pregunta);
};

}  // namespace travesa
