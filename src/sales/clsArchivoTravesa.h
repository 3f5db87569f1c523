#pragma once
// Reader of a sales file sent by a phone: one SQL insert a line, cut into its
// column list and its value list (the statements are never executed), and the
// phone's date-time text turned into SQL date and time texts.
//
// Calling order: PrepararSQL once, then DadmeLinea until it returns false,
// with FechaHoraEspanich on each line's first value.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class clsArchivoTravesa {
 public:
  // The whole file as read, in UTF-8 (see PrepararSQL).
  const std::string& SQL() const { return sql_; }
  // Takes the next line ended by LF; false when none is left (a last line
  // without LF stays unread: see Resto). Blank lines are passed over. A line
  // without its two parenthesised lists gives empty lists.
  bool DadmeLinea(std::vector<std::string>& asCampos, std::vector<std::string>& asValors);
  // "Dec 8, 2026 1:45:09 PM", "Dec 08 2026 13:45:09", "dic 8, 2026 13:45:09"
  // (English or Spanish months, any case, "a. m."/"p. m." as AM/PM) give
  // stFecha "2026-12-08" and stHora "13:45:09". Anything else is false, with
  // stFecha holding the text (month abbreviation in Spanish) and stHora as it was.
  static bool FechaHoraEspanich(std::string_view vDato, std::string& stFecha, std::string& stHora);
  // Reads the file: every byte sequence that is valid UTF-8 is taken as such,
  // any other byte as Windows-1252 (texto::AUtf8); then each backslash-apostrophe pair becomes
  // a double quote. Throws ErrorTravesa when the file cannot be read.
  void PrepararSQL(const std::filesystem::path& stArchivo);

  // The text left unread (a last line without its LF).
  std::string Resto() const { return sql_.substr(leido_); }
  // The line DadmeLinea took last, as it was in the file.
  const std::string& UltimaLinea() const { return ultima_; }

 private:
  // Splits a value list: values separated by ", ", quoted with "'" or bare;
  // the result has exactly `cuantos` values (surplus dropped, missing empty).
  static void SepararValores(std::string_view texto, std::vector<std::string>& valores, std::size_t cuantos);

  std::string sql_;
  std::size_t leido_ = 0;  // where the next line starts in sql_
  std::string ultima_;
};

}  // namespace travesa
