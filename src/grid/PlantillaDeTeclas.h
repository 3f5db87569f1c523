#pragma once
// The key template of an editable column: what a typed key becomes before it
// reaches the editor, on the grid and inside the editor alike.
//   - an apostrophe always becomes a double quote (the value may end up in
//     quoted text);
//   - "!" turns the key to upper case, "¡" to lower case; with either, a
//     backslash is dropped without a beep;
//   - "9" lets through only Enter, Backspace, ".", "-" and the digits;
//     "T" only Enter, Backspace, "." and "0" to ":"; any other key is dropped
//     with a beep.
#include <string_view>

namespace travesa {

class PlantillaDeTeclas {
 public:
  struct Resultado {
    char32_t tecla;  // 0: the key is dropped
    bool pitido;     // dropped with a beep
  };
  static Resultado Filtra(char32_t tecla, std::string_view plantilla);
  // Upper and lower case of ASCII and Latin-1 letters (ñ, á, ü...).
  static char32_t Mayuscula(char32_t c);
  static char32_t Minuscula(char32_t c);
};

}  // namespace travesa
