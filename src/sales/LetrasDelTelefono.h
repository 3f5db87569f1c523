#pragma once
// The letters of a phone's text that reached it as two characters each (a
// phone's UTF-8 read as Windows-1252: "Ã±") turned back into the letter ("ñ").
// Only the Spanish letters and signs a phone sends: á é í ó ú ü ñ, their
// capitals, ¡ and ¿. Nothing here touches a file or the database.
#include <string>
#include <string_view>

namespace travesa {

class LetrasDelTelefono {
 public:
  static std::string Repara(std::string_view cadena);
};

}  // namespace travesa
