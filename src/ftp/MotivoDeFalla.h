#pragma once
// Why the FTP site could not be reached, in the operator's words: one
// sentence that names the server and says what to look at, made from the FTP
// client's text of the failure (GetLastErrorMessage). The client's own text,
// with libcurl's details, is for the log.
#include <string>
#include <string_view>

namespace travesa {

class MotivoDeFalla {
 public:
  // `sitio` as the settings spell it; `errorFTP` the client's text.
  static std::string Frase(std::string_view sitio, std::string_view errorFTP);
};

}  // namespace travesa
