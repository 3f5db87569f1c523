#pragma once
// Reversible encryption of stored values, placeholder substitution and boolean
// reading.
#include <filesystem>
#include <optional>
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
  // the text was tampered with or made with another key, or the key is missing.
  // It never makes a key.
  std::string DesEncripta(std::string_view cifrado) const;
  // The plain text; nothing when the text does not open with the key (another
  // key, tampered, not an Encripta result). Throws ErrorTravesa when the key
  // file is missing or cannot be used.
  std::optional<std::string> Descifra(std::string_view cifrado) const;
  bool HayClave() const;
  const std::filesystem::path& archivoClave() const { return archivoClave_; }

  // The template with the placeholder XXX replaced by the value, escaped for
  // the SQL quotes that surround it.
  static std::string CambXXX(std::string_view plantilla, std::string_view valor);
  static std::string EscapaSQL(std::string_view valor);
  static bool VarToBool(std::string_view valor);

  static constexpr const char* kArchivoClave = "travesa.clave";

 private:
  // The key; with `crear`, made when the file does not exist. A key file that
  // other users may read is refused.
  std::string Clave(bool crear) const;

  std::filesystem::path archivoClave_;
};

}  // namespace travesa
