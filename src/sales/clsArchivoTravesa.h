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
  // without its two parenthesised lists gives empty lists. The values are
  // always as many as the column names (missing ones empty); Defecto says
  // when they did not come out right.
  bool DadmeLinea(std::vector<std::string>& asCampos, std::vector<std::string>& asValors);
  // Why the value list of the line taken last cannot be trusted (a quote
  // that does not close, no closing ")", text between a value and its comma,
  // more or fewer values than column names); empty when it came out right.
  const std::string& Defecto() const { return defecto_; }
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
  // Splits a value list (the text after its "("): values separated by
  // commas, quoted with "'" (read to their closing quote, commas and
  // parentheses included; a doubled "'" inside is one escaped apostrophe,
  // read as a double quote like the backslash-apostrophe) or bare; the list
  // ends at the first ")" outside quotes. The result has exactly `cuantos`
  // values; the defect is returned (empty when the list came out right).
  static std::string SepararValores(std::string_view texto, std::vector<std::string>& valores, std::size_t cuantos);
  static std::string LeeValores(std::string_view texto, std::vector<std::string>& valores);
  // Where the quote that closes a value opened before `desde` is (npos when
  // none), with the value's text added to `valor`.
  static std::size_t EntreComillas(std::string_view texto, std::size_t desde, std::string& valor);
  static std::size_t SaltaBlancos(std::string_view texto, std::size_t i);

  std::string sql_;
  std::size_t leido_ = 0;  // where the next line starts in sql_
  std::string ultima_;
  std::string defecto_;
};

}  // namespace travesa
