#pragma once
// An INI file read and written whole. A write changes only the line of the key
// it stores (or adds one): every other byte stays as it was, line ends (CR LF
// or LF) included. A file that is not UTF-8 is read as Windows-1252. A file that
// cannot be read to its end, or that holds a NUL byte, is neither used nor
// written: the error says why.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace travesa {

class ArchivoIni {
 public:
  // What a write does with a file kept in Windows-1252.
  enum class Codificacion {
    Utf8,         // the file is turned into UTF-8 (the program's own INI file)
    LaDelArchivo  // it stays Windows-1252 (another program's file)
  };

  struct Cambio {
    std::string seccion;
    std::string clave;
    std::string valor;
  };

  // The value of a key (blanks around it removed); empty when the file, the
  // section or the key is absent. Throws ErrorTravesa when the file exists but
  // cannot be read whole or is not a text file.
  static std::string Lee(const std::filesystem::path& archivo, std::string_view seccion, std::string_view clave);
  // Stores the value, creating the file and the section when needed. The value
  // must be UTF-8 without control characters. Throws ErrorTravesa when the file
  // cannot be read whole or written; it is then as it was.
  static void Escribe(const std::filesystem::path& archivo, std::string_view seccion, std::string_view clave,
                      std::string_view valor, Codificacion codificacion = Codificacion::Utf8);

  // Several values in one rewrite: all of them are stored, or none.
  static void Escribe(const std::filesystem::path& archivo, std::span<const Cambio> cambios,
                      Codificacion codificacion = Codificacion::Utf8);

  // Why a text cannot be stored as a value (empty when it can).
  static std::string Rechazo(std::string_view valor);
};

}  // namespace travesa
