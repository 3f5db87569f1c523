// travesa: the desktop program without arguments (or with /sinlogin), one
// headless job with a command.
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/Comandos.h"
#include "cli/LineaDeComandos.h"
#include "cli/OperadorConsola.h"

#ifdef TRAVESA_CON_VENTANA
#include "cli/ComandoLiquidacion.h"
#include "gui/DocumentoDeLiquidacion.h"
#include "gui/Escritorio.h"

namespace {

bool Definida(const char* variable) {
  const char* v = std::getenv(variable);
  return v != nullptr && *v != '\0';
}

// Qt would abort without a screen to draw on; a server gets a plain answer.
bool HayPantalla() { return Definida("DISPLAY") || Definida("WAYLAND_DISPLAY") || Definida("QT_QPA_PLATFORM"); }

}  // namespace
#endif

namespace {

bool AbreEscritorio(int argc, char** argv) { return argc == 1 || (argc == 2 && std::string(argv[1]) == "/sinlogin"); }

}  // namespace

int main(int argc, char** argv) {
  using namespace travesa;
  // A file that reaches the size limit of the account (or of the disk's quota)
  // fails its write like a full disk, and the job says which file; without
  // this the kernel would end the program on the spot, in the middle of a run.
  std::signal(SIGXFSZ, SIG_IGN);
#ifdef TRAVESA_CON_VENTANA
  // The printed settlement of the window, for `liquidacion --pdf`.
  ComandoLiquidacion::escritorDePdf = &DocumentoDeLiquidacion::GuardaPdfSinVentana;
#endif
  if (AbreEscritorio(argc, argv)) {
#ifdef TRAVESA_CON_VENTANA
    if (HayPantalla()) return Escritorio::Ejecuta(argc, argv);
    std::cerr << "No hay pantalla para abrir el programa de escritorio (falta DISPLAY). "
                 "Sin pantalla, use un comando:\n\n"
              << LineaDeComandos::Ayuda();
    return Salida::kArranque;
#else
    std::cerr << "Esta versión de Travesa no tiene ventana de escritorio; use un comando.\n\n"
              << LineaDeComandos::Ayuda();
    return Salida::kUso;
#endif
  }
  Orden orden;
  try {
    orden = LineaDeComandos::Interpreta(argc, argv);
  } catch (const ErrorDeUso& e) {
    std::cerr << e.what() << "\n";
    return Salida::kUso;
  }
  if (orden.ayuda) {
    std::cout << LineaDeComandos::Ayuda(orden.comando);
    return Salida::kExito;
  }
  if (orden.version) {
    std::cout << "Travesa v" << TRAVESA_VERSION_MAYOR << "." << TRAVESA_VERSION_MENOR << "." << TRAVESA_VERSION_REVISION
              << "\n";
    return Salida::kExito;
  }
  if (orden.comando.empty()) {
    std::cerr << LineaDeComandos::Ayuda();
    return Salida::kUso;
  }
  OperadorConsola operador(orden.si);
  return Comandos::Ejecuta(orden, operador, argv[0]);
}
