#pragma once
// The device files that come back from the phones (their customers and their
// leftover stock) read as the point-of-sale system reads them: no XML parser,
// only a search for opening and closing tags as plain text, one record after
// another. A record runs from one "<clave>" to the next, so a tag missing in
// one record is never taken from the record that follows.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace travesa {

class LectorDeEtiquetas {
 public:
  // The text of a device file, byte sequence by sequence: UTF-8 as it is,
  // any byte that is not part of a UTF-8 letter read as Windows-1252 (the
  // devices write UTF-8; old ones did not), so one stray byte never changes
  // how the other letters read.
  explicit LectorDeEtiquetas(std::string_view contenido);
  // A device file's bytes, whole. Throws ErrorTravesa when it cannot be read.
  static std::string LeeArchivo(const std::filesystem::path& archivo);

  // Moves to the next record; false when there is no further "<clave>".
  bool Siguiente();
  // Position of the record's "<clave>" in the text, for messages.
  std::size_t Inicio() const { return inicio_; }
  // The record's number, from 1.
  int Numero() const { return numero_; }

  // The raw text of the element `etiqueta` in the record, searched from the
  // end of the element read before. Nothing when the opening tag is absent;
  // throws TagIncompleto when the opening tag has no closing tag in the record.
  std::optional<std::string> Lee(std::string_view etiqueta);

  struct TagIncompleto {
    std::string etiqueta;
  };

  // Device text as the letters the device meant: the XML entities ("&quot;",
  // "&amp;", "&lt;", "&gt;", "&apos;" and "&#NNN;"/"&#xHH;") decoded in a
  // single pass, so "&amp;lt;" stays "&lt;".
  static std::string DecodificaXML(std::string_view texto);

 private:
  std::string texto_;
  std::size_t inicio_ = 0;     // "<clave>" of the current record
  std::size_t fin_ = 0;        // where the record ends (next "<clave>" or the end)
  std::size_t posicion_ = 0;   // where the next element is searched from
  std::size_t siguiente_ = 0;  // where the search for the next record starts
  int numero_ = 0;
};

}  // namespace travesa
