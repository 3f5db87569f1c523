#include "sales/LineaDeVenta.h"

#include <cmath>

#include "sales/LetrasDelTelefono.h"
#include "sales/clsArchivoTravesa.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr std::size_t kCortas = 18;
constexpr std::size_t kLargas = 21;
constexpr std::size_t kLargoNota = 100;
constexpr std::size_t kLargoFormaPago = 10;

double A4Decimales(double n) { return std::round(n * 10000.0) / 10000.0; }

// A bare number, as a regional "is it numeric" test would take it.
bool EsNumero(std::string_view s) {
  const std::string t = texto::Recorta(s);
  if (t.empty()) return false;
  bool digito = false, punto = false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c >= '0' && c <= '9') {
      digito = true;
    } else if ((c == '-' || c == '+') && i == 0) {
    } else if (c == '.' && !punto) {
      punto = true;
    } else if (c != ',') {
      return false;
    }
  }
  return digito;
}

}  // namespace

std::optional<LineaDeVenta> LineaDeVenta::DeValores(const std::vector<std::string>& v, std::string& motivo) {
  if (v.size() != kCortas && v.size() != kLargas) {
    motivo = "la línea tiene " + std::to_string(v.size()) + " columnas (se esperan 18 o 21)";
    return std::nullopt;
  }
  LineaDeVenta l;
  if (!clsArchivoTravesa::FechaHoraEspanich(v[0], l.fecha, l.hora)) {
    motivo = "la fecha «" + v[0] + "» no es válida";
    return std::nullopt;
  }
  const std::size_t u = v.size() - 1;
  const double numPrecio = libNalda::prVal(u > 17 && EsNumero(v[10]) ? v[10] : v[8]);
  if (numPrecio < 0 || numPrecio > 255) {
    motivo = "el número de precio «" + texto::Recorta(u > 17 && EsNumero(v[10]) ? v[10] : v[8]) + "» no es válido";
    return std::nullopt;
  }
  l.vendedor = v[1];
  l.cliente = LetrasDelTelefono::Repara(v[2]);
  l.producto = v[3];
  l.cantidad = libNalda::prVal(v[4]);
  l.precio = A4Decimales(libNalda::prVal(v[5]));
  l.importe = A4Decimales(libNalda::prVal(v[6]));
  l.formaPago = texto::Izquierda(texto::Reemplaza(texto::Recorta(v[7]), "'", ""), kLargoFormaPago);
  l.numPrecio = static_cast<int>(std::lround(numPrecio));
  l.nota = texto::Izquierda(LetrasDelTelefono::Repara(texto::Recorta(v[9])), kLargoNota);
  // The last eight values: positions 10..17 of the short layout, 13..20 of the long one.
  for (std::size_t k = 0; k < 8; ++k) l.formasDePago[k] = libNalda::prVal(v[u - 7 + k]);
  return l;
}

}  // namespace travesa
