#pragma once
// Text helpers shared by every layer. All texts are UTF-8.
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace travesa::texto {

bool EsUtf8Valido(std::string_view s);
// Length of the well-formed UTF-8 sequence at `i` (1 for ASCII; no overlong
// forms, no surrogates, nothing above U+10FFFF); 0 when the bytes there form none.
std::size_t LargoUtf8(std::string_view s, std::size_t i);
// The code point as UTF-8 at the end of `out`.
void AgregaUtf8(std::string& out, char32_t c);
// Bytes as lower-case hexadecimal, two digits a byte.
std::string HexMinusculas(std::string_view bytes);
// Bytes read as Windows-1252, returned as UTF-8.
std::string DeWindows1252(std::string_view s);
// Sequence by sequence: each well-formed UTF-8 sequence as it is, every byte
// that is not part of one read as Windows-1252. One stray byte changes only
// its own letter, never how the rest of the text reads.
std::string AUtf8(std::string_view s);
// UTF-8 text as Windows-1252 bytes; nothing when a letter has no place there.
std::optional<std::string> AWindows1252(std::string_view s);
// UTF-8 text with each letter a column of the server's character set `juego`
// ("latin1", "utf8", "ascii"...) cannot hold written as "?". Sets it does not
// know keep the text as it is.
std::string ParaJuegoDeCaracteres(std::string_view s, std::string_view juego);

std::string Recorta(std::string_view s);     // blanks and tabs at both ends
std::string Mayusculas(std::string_view s);  // ASCII and the Spanish letters
std::string Minusculas(std::string_view s);
bool IgualesSinMayusculas(std::string_view a, std::string_view b);
std::string Reemplaza(std::string_view s, std::string_view de, std::string_view a);
bool EmpiezaCon(std::string_view s, std::string_view prefijo);
bool TerminaCon(std::string_view s, std::string_view sufijo);
// First n characters (code points, not bytes).
std::string Izquierda(std::string_view s, std::size_t n);
// "1,2,3": whole numbers for an SQL IN list.
std::string ListaDeNumeros(const std::set<long long>& numeros);
std::size_t Largo(std::string_view s);  // in characters

}  // namespace travesa::texto
