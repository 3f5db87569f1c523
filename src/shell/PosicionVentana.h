#pragma once
// Where a window stands, kept in the INI file in twips (15 to a pixel at
// 96 dpi) in a section named after the window, and the geometry a collapsed
// main window keeps for its restore. Pixels in, pixels out; twips only in the
// file and in the restore text.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace travesa {

struct Geometria {
  int izquierda = 0;
  int arriba = 0;
  int ancho = 0;
  int alto = 0;
  bool operator==(const Geometria&) const = default;
};

// What the INI file gave back, in pixels: a value that could not be read or
// does not fit a 16-bit number is absent (that step is left undone), and the
// size comes only when both of its values are there and not zero.
struct PosicionLeida {
  std::optional<int> izquierda;
  std::optional<int> arriba;
  std::optional<int> ancho;
  std::optional<int> alto;
};

class PosicionVentana {
 public:
  static constexpr int kTwipsPorPixel = 15;

  static int ATwips(int pixeles) { return pixeles * kTwipsPorPixel; }
  static int APixeles(int twips);

  // The window's Tag when its trimmed text is not empty, otherwise its trimmed name.
  static std::string Seccion(std::string_view etiqueta, std::string_view nombre);

  // "Ventana" (the caption), "Linea", "Columna" and, with the size, "Ancho"
  // and "Alto". Nothing is written without a section.
  static void GuardaPosicion(const std::filesystem::path& ini, std::string_view seccion, std::string_view titulo,
                             const Geometria& g, bool conTamano);
  // Without a section, or without stored values, the window goes to the top
  // left corner and keeps its size.
  static PosicionLeida LeePosicion(const std::filesystem::path& ini, std::string_view seccion, bool conTamano);

  // The restore text of a collapsed window: width, height, left and top in
  // twips, separated by tabs.
  static std::string TextoRestauracion(const Geometria& g);
  static std::optional<Geometria> LeeTextoRestauracion(std::string_view texto);

  // The collapsed window: as high as its bar, 500 twips above the bottom of
  // the screen, 200 twips from the left, as wide as the bar's caption plus 800
  // twips.
  static Geometria Encogida(int altoPantalla, int altoBarra, int anchoTituloBarra);
};

}  // namespace travesa
