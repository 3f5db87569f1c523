#pragma once
// The command line of the headless face: global options before or after the
// command, the command and its own options. Every command and option is a row
// of one table, which also writes the help and tells how each command runs.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class Programa;

struct Orden {
  std::string comando;  // empty when none was given
  std::string carpeta;
  std::string usuario;
  std::string codigo;
  bool si = false;
  bool version = false;
  bool ayuda = false;
  std::string vendedor;
  std::vector<std::string> argumentos;  // campo=valor of ajustes and registro
  bool aplicar = false;
  std::vector<std::string> montos;
  std::string dia;  // "yyyy-mm-dd"; empty: today
  std::string buscar;
  std::string pdf;
  bool json = false;
  bool cerrar = false;
};

// Wrong usage; the text says what was wrong, in the operator's words.
class ErrorDeUso : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One headless command: its help, its own options and arguments, and how it runs.
struct DefComando {
  // How much of the program starts before the job.
  enum class Arranque {
    kCompleto,     // start-up, then the login with the command's right
    kSinSecretos,  // the same, but a stored FTP secret that cannot be decrypted does not stop
                   // the start-up, so that the operator can write it again
    kNinguno,      // neither start-up nor login: the job needs no database
  };

  const char* nombre;
  const char* descripcion;
  unsigned opciones;         // its own options, bits of the options table
  const char* argumentos;    // what its plain arguments are (nullptr: none)
  std::string (*detalle)();  // more help text (nullptr: none)
  int derecho;               // the right it needs (Permisos), after the login
  int (*trabajo)(Programa& programa, const Orden& orden);
  Arranque arranque;
};

class LineaDeComandos {
 public:
  static Orden Interpreta(int argc, const char* const* argv);
  // The general help, or the help of one command.
  static std::string Ayuda(const std::string& comando = "");
  // The command of that name; null when there is none.
  static const DefComando* Busca(std::string_view nombre);
};

// Exit statuses of the headless commands.
namespace Salida {
inline constexpr int kExito = 0;
inline constexpr int kFallo = 1;
inline constexpr int kUso = 2;
inline constexpr int kAcceso = 3;
inline constexpr int kArranque = 4;
}  // namespace Salida

}  // namespace travesa
