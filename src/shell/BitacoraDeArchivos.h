#pragma once
// The transfer log of the download runs (BitacoraDeArchivos.txt in the program
// folder): each run starts it empty and writes one entry a line, CR LF ended,
// flushed as it goes so that a run that stops midway leaves what it did.
#include <filesystem>
#include <fstream>
#include <string_view>

#include "shell/Operador.h"

namespace travesa {

class BitacoraDeArchivos {
 public:
  static constexpr std::string_view kNombre = "BitacoraDeArchivos.txt";

  enum class Modo { Nueva, Sigue };

  // Opens the log in the program folder: empty for a new run, or after what
  // this run already wrote (`Sigue`). Throws ErrorTravesa when the file cannot
  // be created.
  explicit BitacoraDeArchivos(const std::filesystem::path& carpetaPrograma, Modo modo = Modo::Nueva);
  BitacoraDeArchivos(const BitacoraDeArchivos&) = delete;
  BitacoraDeArchivos& operator=(const BitacoraDeArchivos&) = delete;

  // One entry; the text is written as it is (leading blanks are part of it).
  void Escribe(std::string_view entrada);
  // An entry indented by `sangria` blanks.
  void Escribe(int sangria, std::string_view entrada);
  void Cierra();

  // Tells the operator that a run did not finish and to read the log.
  static void AvisaInconcluso(Operador& operador, const std::filesystem::path& carpetaPrograma);

  const std::filesystem::path& archivo() const { return archivo_; }

 private:
  std::filesystem::path archivo_;
  std::ofstream salida_;
};

}  // namespace travesa
