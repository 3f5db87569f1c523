// The payment file reader over any bytes. The first line of the input is the
// file's name, the rest its content: the name gives the date and time or
// nothing, the content payments or rejected groups. No crash, no hang, no
// sanitizer report; a payment always carries the date and time of the name.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "payments/LectorDePagos.h"

using namespace travesa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
  const std::string_view entrada(reinterpret_cast<const char*>(datos), largo);
  const std::size_t salto = entrada.find('\n');
  const std::string_view nombre = entrada.substr(0, salto == std::string_view::npos ? entrada.size() : salto);
  const std::string_view contenido = salto == std::string_view::npos ? std::string_view() : entrada.substr(salto + 1);
  const auto momento = LectorDePagos::MomentoDelNombre(nombre);
  const LectorDePagos::Momento usado = momento ? *momento : LectorDePagos::Momento{"2026-12-08", "09:30"};
  if (momento && (momento->fecha.size() != 10 || momento->hora.size() != 5)) std::abort();
  std::vector<std::string> rechazos;
  const auto registros = LectorDePagos::Registros(contenido, usado, rechazos);
  for (const RegistroDePago& r : registros)
    if (r.fecha != usado.fecha || r.hora != usado.hora) std::abort();
  return 0;
}
