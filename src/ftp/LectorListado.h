#pragma once
// Reads the text of a remote listing: the machine-readable MLSD form, or the
// LIST form of servers without MLSD (Unix "ls -l" lines and the DOS lines of
// Windows servers). Lines it cannot read are left out.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class LectorListado {
 public:
  struct Entrada {
    std::uint32_t atributos = 0;  // cDirItem bits
    double creacion = 0;          // days since 1899-12-30, local time
    double acceso = 0;
    double escritura = 0;
    std::int64_t tamano = 0;
    std::string nombre;
  };

  // `completo` false when the listing broke off: its last, unfinished line is dropped.
  static std::vector<Entrada> DeMlsd(std::string_view texto, bool completo = true);
  static std::vector<Entrada> DeList(std::string_view texto, bool completo = true);
  // Days since 1899-12-30 of a local date and time.
  static double FechaOle(int anio, unsigned mes, unsigned dia, int hora, int minuto, int segundo);
};

}  // namespace travesa
