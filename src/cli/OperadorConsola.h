#pragma once
// The operator on a terminal: messages printed with their text (errors and
// alerts on standard error), questions answered with --si, at the terminal
// (s/N) or, with no terminal, No. Progress is drawn only on a terminal.
#include <chrono>
#include <string>

#include "shell/Operador.h"

namespace travesa {

class OperadorConsola : public Operador {
 public:
  explicit OperadorConsola(bool siATodo);

  int Mensaje(std::string_view texto, int botones, std::string_view titulo) override;
  void Aviso(std::string_view texto) override;
  void Progreso(long long actual, long long total) override;

  // Line breaks as the terminal wants them ("\r\n" and a lone "\r" become "\n").
  static std::string ParaTerminal(std::string_view texto);

 private:
  int Pregunta(std::string_view texto);
  void LimpiaAviso();

  bool siATodo_;
  bool terminal_;  // standard error is a terminal: asked once, not per label
  bool avisoEnPantalla_ = false;
  std::chrono::steady_clock::time_point ultimoAviso_;
};

}  // namespace travesa
