#pragma once
// A catalogue document written as it is built, so a file of any size costs a
// small buffer: the declaration version="1.0" without encoding, then elements
// holding text, UTF-8 without indentation, each text escaped on the way (and
// the characters XML cannot carry left out). The bytes are those of the
// document tree the catalogue was first written with. The file is written
// under a temporary name of this run's own and appears under its name,
// replacing the earlier copy, only once Termina has written it whole.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class EscritorXML {
 public:
  // Throws ErrorTravesa when the file cannot be created.
  EscritorXML(std::filesystem::path archivo, std::string_view raiz);
  // A file left unfinished (an error on the way) is removed.
  ~EscritorXML();
  EscritorXML(const EscritorXML&) = delete;
  EscritorXML& operator=(const EscritorXML&) = delete;

  // An element inside the open one; it stays open until Cierra.
  void Abre(std::string_view nombre);
  void Cierra();
  // An element holding the text, inside the open one.
  void Elemento(std::string_view nombre, std::string_view texto);
  // Closes what is open, writes the rest and puts the file in place. Throws
  // ErrorTravesa when it cannot be written.
  void Termina();

  // Appends the text without the code points XML 1.0 cannot carry and without
  // the bytes of any invalid UTF-8 sequence; with `escapar`, escaped as an
  // element's text.
  static void AgregaValido(std::string& destino, std::string_view texto, bool escapar);
  static std::string TextoValido(std::string_view texto);

 private:
  void TerminaEtiqueta();
  void Vacia();
  [[noreturn]] void Falla();

  struct CierraArchivo {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  std::filesystem::path archivo_;
  std::filesystem::path temporal_;
  std::unique_ptr<std::FILE, CierraArchivo> f_;
  std::string buf_;
  std::vector<std::string> abiertos_;
  bool etiquetaAbierta_ = false;  // "<nombre" written, its ">" or "/>" not yet
};

}  // namespace travesa
