#include "shell/PosicionVentana.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr const char* kVentana = "Ventana";
constexpr const char* kLinea = "Linea";
constexpr const char* kColumna = "Columna";
constexpr const char* kAncho = "Ancho";
constexpr const char* kAlto = "Alto";

constexpr int kMargenInferiorEncogida = 500;  // twips
constexpr int kIzquierdaEncogida = 200;       // twips
constexpr int kHolguraBarra = 800;            // twips

// Positions are 16-bit numbers: anything beyond does not convert.
std::optional<int> Entero16(double valor) {
  if (!std::isfinite(valor)) return std::nullopt;
  const double redondo = std::nearbyint(valor);
  if (redondo < std::numeric_limits<short>::min() || redondo > std::numeric_limits<short>::max()) return std::nullopt;
  return static_cast<int>(redondo);
}

// A whole text that is a number ("1440", " 1440 ", "-15"); anything else does not convert.
std::optional<double> Numero(std::string_view texto) {
  const std::string t = texto::Recorta(texto);
  if (t.empty()) return std::nullopt;
  double n = 0;
  const auto [fin, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
  if (ec != std::errc() || fin != t.data() + t.size()) return std::nullopt;
  return n;
}

std::optional<int> EnPixeles(std::optional<int> twips) {
  if (!twips) return std::nullopt;
  return PosicionVentana::APixeles(*twips);
}

std::optional<int> LeeTamano(const std::filesystem::path& ini, std::string_view seccion, const char* clave) {
  const auto n = Numero(libNalda::LeeIni(seccion, clave, ini));
  if (!n) return std::nullopt;
  return Entero16(*n);
}

}  // namespace

int PosicionVentana::APixeles(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPorPixel));
}

std::string PosicionVentana::Seccion(std::string_view etiqueta, std::string_view nombre) {
  const std::string tag = texto::Recorta(etiqueta);
  return tag.empty() ? texto::Recorta(nombre) : tag;
}

void PosicionVentana::GuardaPosicion(const std::filesystem::path& ini, std::string_view seccion,
                                     std::string_view titulo, const Geometria& g, bool conTamano) {
  if (seccion.empty()) return;
  libNalda::EscribeIni(seccion, kVentana, titulo, ini);
  libNalda::EscribeIni(seccion, kLinea, std::to_string(ATwips(g.arriba)), ini);
  libNalda::EscribeIni(seccion, kColumna, std::to_string(ATwips(g.izquierda)), ini);
  if (!conTamano) return;
  libNalda::EscribeIni(seccion, kAncho, std::to_string(ATwips(g.ancho)), ini);
  libNalda::EscribeIni(seccion, kAlto, std::to_string(ATwips(g.alto)), ini);
}

PosicionLeida PosicionVentana::LeePosicion(const std::filesystem::path& ini, std::string_view seccion, bool conTamano) {
  PosicionLeida p;
  if (seccion.empty()) {
    p.izquierda = 0;
    p.arriba = 0;
    return p;
  }
  p.arriba = EnPixeles(Entero16(libNalda::prVal(libNalda::LeeIni(seccion, kLinea, ini))));
  p.izquierda = EnPixeles(Entero16(libNalda::prVal(libNalda::LeeIni(seccion, kColumna, ini))));
  if (!conTamano) return p;
  const auto ancho = LeeTamano(ini, seccion, kAncho);
  const auto alto = LeeTamano(ini, seccion, kAlto);
  if (!ancho || !alto || *ancho == 0 || *alto == 0) return p;
  p.ancho = APixeles(*ancho);
  p.alto = APixeles(*alto);
  return p;
}

std::string PosicionVentana::TextoRestauracion(const Geometria& g) {
  return std::to_string(ATwips(g.ancho)) + "\t" + std::to_string(ATwips(g.alto)) + "\t" +
         std::to_string(ATwips(g.izquierda)) + "\t" + std::to_string(ATwips(g.arriba));
}

std::optional<Geometria> PosicionVentana::LeeTextoRestauracion(std::string_view texto) {
  std::vector<int> numeros;
  std::size_t inicio = 0;
  while (inicio <= texto.size()) {
    const std::size_t tab = std::min(texto.find('\t', inicio), texto.size());
    const auto n = Numero(texto.substr(inicio, tab - inicio));
    if (!n) return std::nullopt;
    numeros.push_back(APixeles(static_cast<int>(*n)));
    inicio = tab + 1;
  }
  if (numeros.size() != 4) return std::nullopt;
  return Geometria{numeros[2], numeros[3], numeros[0], numeros[1]};
}

Geometria PosicionVentana::Encogida(int altoPantalla, int altoBarra, int anchoTituloBarra) {
  Geometria g;
  g.alto = altoBarra;
  g.arriba = altoPantalla - altoBarra - APixeles(kMargenInferiorEncogida);
  g.izquierda = APixeles(kIzquierdaEncogida);
  g.ancho = anchoTituloBarra + APixeles(kHolguraBarra);
  return g;
}

}  // namespace travesa
