#pragma once
// A sales file as a phone writes it: one SQL insert a sold product line, with
// the sale's date-time, seller, client, payment text, note and the eight
// payment amounts repeated on each line.
#include <array>
#include <string>

namespace travesa::prueba {

struct VentaDeTelefono {
  std::string fecha = "Dec 8, 2026 1:45:09 PM";
  std::string vendedor = "V01";
  std::string cliente = "C1";
  std::string formaPago = "CO";
  std::string nota;
  int numPrecio = 1;
  std::array<double, 8> formasDePago{};
};

class ArchivoDeVentas {
 public:
  // One line of the sale (18 columns; `largo` gives the 21-column layout).
  ArchivoDeVentas& Linea(const VentaDeTelefono& v, const std::string& producto, double cantidad, double precio,
                         bool largo = false);
  // A line written as it is (an LF is added).
  ArchivoDeVentas& Texto(const std::string& linea);
  // Three lines: P1 x2 at 30, P2 x1 at 15, P3 x4 at 10 (total 115).
  ArchivoDeVentas& TresLineas(const VentaDeTelefono& v);

  const std::string& contenido() const { return contenido_; }

 private:
  std::string contenido_;
};

// A number as the phone writes it: 30, 2.5.
std::string Numero(double n);

}  // namespace travesa::prueba
