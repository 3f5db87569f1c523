#pragma once
// The cipher of the users table: hexadecimal text whose bytes are the plain
// bytes XOR the row's own key (AlE) repeated; an empty key means plain text.
#include <string>
#include <string_view>

namespace travesa {

class DeAcceso {
 public:
  static std::string DesEncripta(std::string_view valor, std::string_view alE);
  // The inverse, for whoever writes users (demo data, tests).
  static std::string Encripta(std::string_view plano, std::string_view alE);
};

}  // namespace travesa
