#pragma once
// One sold product line of a phone's sale, as read from a sales file and as
// staged in `tmpventassql`.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace travesa {

struct LineaDeVenta {
  std::string fecha;  // "yyyy-mm-dd"
  std::string hora;   // "hh:nn:ss"
  std::string vendedor;
  std::string cliente;
  std::string producto;
  double cantidad = 0;
  double precio = 0;
  double importe = 0;
  std::string formaPago;  // the phone's payment text: "CO" cash, "C" credit
  int numPrecio = 1;
  std::string nota;
  std::array<double, 8> formasDePago{};  // amounts paid with payment forms 1..8
  std::string archivo;                   // the sales file it came from

  // The line of a sales file from its values (18 or 21 of them, by position).
  // Without a value, `motivo` says why the line cannot be taken.
  static std::optional<LineaDeVenta> DeValores(const std::vector<std::string>& valores, std::string& motivo);
  // "hh:nn"
  std::string HoraCorta() const { return hora.substr(0, 5); }
};

}  // namespace travesa
