#pragma once
// Reversible encryption of stored values, placeholder substitution and boolean
// reading.
#include <filesystem>
#include <string>
#include <string_view>

namespace travesa {

class Utilerias {
 public:
  // The key lives in travesa.clave inside the program folder, made on first need.
  explicit Utilerias(std::filesystem::path carpetaPrograma);

  // AES-256-GCM with a fresh nonce, as printable base64.
  std::string Encripta(std::string_view texto) const;
  // The plain text of an Encripta result; empty (and a warning in the log) when
  // the text was tampered with or made with another key.
  std::string DesEncripta(std::string_view cifrado) const;

  // The template with the placeholder XXX replaced by the value, escaped for
  // the SQL quotes that surround it.
  static std::string CambXXX(std::string_view plantilla, std::string_view valor);
  static std::string EscapaSQL(std::string_view valor);
  static bool VarToBool(std::string_view valor);

  static constexpr const char* kArchivoClave = "travesa.clave";

 private:
  std::string Clave() const;

  std::filesystem::path archivoClave_;
};

}  // namespace travesa
