#pragma once
// The command line of the headless face: global options before or after the
// command, the command and its own options. Every command and option is a row
// of one table, which also writes the help.
#include <stdexcept>
#include <string>
#include <vector>

namespace travesa {

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
  std::string dia;     // "yyyy-mm-dd"; empty: today
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

class LineaDeComandos {
 public:
  static Orden Interpreta(int argc, const char* const* argv);
  // The general help, or the help of one command.
  static std::string Ayuda(const std::string& comando = "");
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
