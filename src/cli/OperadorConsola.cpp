#include "cli/OperadorConsola.h"

#include <unistd.h>

#include <chrono>
#include <iostream>

#include "shell/host/Texto.h"

namespace travesa {
namespace {

bool EsTerminal(int fd) { return isatty(fd) == 1; }

}  // namespace

OperadorConsola::OperadorConsola(bool siATodo) : siATodo_(siATodo), terminal_(EsTerminal(STDERR_FILENO)) {}

std::string OperadorConsola::ParaTerminal(std::string_view texto) {
  return texto::Reemplaza(texto::Reemplaza(texto, "\r\n", "\n"), "\r", "\n");
}

int OperadorConsola::Mensaje(std::string_view texto, int botones, std::string_view titulo) {
  LimpiaAviso();
  if (Botones::EsPregunta(botones)) return Pregunta(texto);
  // Errors and alerts go to standard error: by their icon, or by a title such as
  // "Error de conexión" on a plain box.
  const int icono = Botones::Icono(botones);
  const bool esError =
      icono == Botones::kCritico || icono == Botones::kExclamacion || texto::EmpiezaCon(titulo, "Error");
  std::ostream& salida = esError ? std::cerr : std::cout;
  salida << ParaTerminal(texto) << std::endl;
  return Botones::kRespAceptar;
}

int OperadorConsola::Pregunta(std::string_view texto) {
  std::cout << ParaTerminal(texto) << " (s/N) " << std::flush;
  if (siATodo_) {
    std::cout << "s" << std::endl;
    return Botones::kRespSi;
  }
  if (!EsTerminal(STDIN_FILENO)) {
    std::cout << "n" << std::endl;
    return Botones::kRespNo;
  }
  std::string respuesta;
  if (!std::getline(std::cin, respuesta)) return Botones::kRespNo;
  const std::string r = texto::Minusculas(texto::Recorta(respuesta));
  return (r == "s" || r == "si" || r == "sí" || r == "y") ? Botones::kRespSi : Botones::kRespNo;
}

void OperadorConsola::Aviso(std::string_view texto) {
  if (!terminal_) return;
  if (texto.empty()) {
    LimpiaAviso();
    return;
  }
  // A terminal cannot show every row of a large catalogue; a few times a second is enough.
  const auto ahora = std::chrono::steady_clock::now();
  if (avisoEnPantalla_ && ahora - ultimoAviso_ < std::chrono::milliseconds(100)) return;
  ultimoAviso_ = ahora;
  std::cerr << "\r\033[K" << texto::Izquierda(ParaTerminal(texto), 100) << std::flush;
  avisoEnPantalla_ = true;
}

void OperadorConsola::Progreso(long long actual, long long total) {
  (void)actual;
  (void)total;  // the label text already carries the counts
}

void OperadorConsola::LimpiaAviso() {
  if (!avisoEnPantalla_) return;
  std::cerr << "\r\033[K" << std::flush;
  avisoEnPantalla_ = false;
}

}  // namespace travesa
