#include "comun/ArchivoDeVentas.h"

#include <charconv>

namespace travesa::prueba {

std::string Numero(double n) {
  char buf[64];
  const auto [fin, ec] = std::to_chars(buf, buf + sizeof buf, n);
  return std::string(buf, ec == std::errc() ? fin : buf);
}

ArchivoDeVentas& ArchivoDeVentas::Linea(const VentaDeTelefono& v, const std::string& producto, double cantidad,
                                        double precio, bool largo) {
  std::string campos = "fecha, vendedor, cliente, producto, cantidad, precio, importe, formapago, numprecio, nota";
  std::string valores = "'" + v.fecha + "', '" + v.vendedor + "', '" + v.cliente + "', '" + producto + "', " +
                        Numero(cantidad) + ", " + Numero(precio) + ", " + Numero(cantidad * precio) + ", '" +
                        v.formaPago + "', " + std::to_string(v.numPrecio) + ", '" + v.nota + "'";
  if (largo) {
    campos += ", numprecio2, extra1, extra2";
    valores += ", " + std::to_string(v.numPrecio) + ", 'x', 'y'";
  }
  for (std::size_t k = 0; k < 8; ++k) {
    campos += ", fp" + std::to_string(k + 1);
    valores += ", " + Numero(v.formasDePago[k]);
  }
  contenido_ += "INSERT INTO ventas (" + campos + ") VALUES (" + valores + ");\n";
  return *this;
}

ArchivoDeVentas& ArchivoDeVentas::Texto(const std::string& linea) {
  contenido_ += linea + "\n";
  return *this;
}

ArchivoDeVentas& ArchivoDeVentas::TresLineas(const VentaDeTelefono& v) {
  return Linea(v, "P1", 2, 30).Linea(v, "P2", 1, 15).Linea(v, "P3", 4, 10);
}

}  // namespace travesa::prueba
