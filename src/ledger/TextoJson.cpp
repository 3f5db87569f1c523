#include "ledger/TextoJson.h"

#include <cstdio>

namespace travesa {

std::string TextoJson(std::string_view texto) {
  std::string out = "\"";
  for (const char c : texto) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", c);
      out += u;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace travesa
