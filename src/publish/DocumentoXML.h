#pragma once
// One catalogue document: the declaration version='1.0' without encoding, a
// root element, child elements holding text; saved as UTF-8 without
// indentation, replacing the earlier copy in one step.
#include <pugixml.hpp>

#include <filesystem>
#include <string_view>

namespace travesa {

class DocumentoXML {
 public:
  explicit DocumentoXML(std::string_view raiz);

  pugi::xml_node raiz() { return raiz_; }
  pugi::xml_node Agrega(pugi::xml_node padre, std::string_view nombre);
  // An element holding the text; characters XML cannot carry are left out.
  void AgregaTexto(pugi::xml_node padre, std::string_view nombre, std::string_view texto);
  // Throws ErrorTravesa when the file cannot be written.
  void Guarda(const std::filesystem::path& archivo);

  // The text without the code points XML 1.0 cannot carry and without the
  // bytes of any invalid UTF-8 sequence.
  static std::string TextoValido(std::string_view texto);

 private:
  pugi::xml_document doc_;
  pugi::xml_node raiz_;
};

}  // namespace travesa
