#pragma once
// A text as a JSON string: quoted, with quotes, backslashes and control
// characters escaped. UTF-8 passes as it is.
#include <string>
#include <string_view>

namespace travesa {

std::string TextoJson(std::string_view texto);

}  // namespace travesa
