#pragma once
// The keys the editable grid understands, free of any window system: typed
// characters as code points (Enter 13, Backspace 8, Esc 27, Space 32) and the
// few keys that act on the grid itself.
#include <string>
#include <string_view>

namespace travesa::teclas {

inline constexpr char32_t kNinguna = 0;
inline constexpr char32_t kRetroceso = 8;
inline constexpr char32_t kEnter = 13;
inline constexpr char32_t kEscape = 27;
inline constexpr char32_t kEspacio = 32;

// Keys pressed on the grid that are not typed characters.
enum class Especial { Insertar, Suprimir, ShiftF1, Espacio };

// A code point as UTF-8 ("" for 0).
std::string Utf8(char32_t c);
// The text less its last character (a whole UTF-8 sequence).
std::string SinUltimo(std::string_view texto);

}  // namespace travesa::teclas
