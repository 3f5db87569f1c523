#include "publish/DocumentoXML.h"

#include <system_error>

#include "shell/host/ErrorTravesa.h"

namespace travesa {

DocumentoXML::DocumentoXML(std::string_view raiz) {
  pugi::xml_node declaracion = doc_.append_child(pugi::node_declaration);
  declaracion.append_attribute("version") = "1.0";
  raiz_ = doc_.append_child(std::string(raiz).c_str());
}

pugi::xml_node DocumentoXML::Agrega(pugi::xml_node padre, std::string_view nombre) {
  return padre.append_child(std::string(nombre).c_str());
}

void DocumentoXML::AgregaTexto(pugi::xml_node padre, std::string_view nombre, std::string_view texto) {
  pugi::xml_node e = Agrega(padre, nombre);
  e.append_child(pugi::node_pcdata).set_value(TextoValido(texto).c_str());
}

std::string DocumentoXML::TextoValido(std::string_view texto) {
  std::string out;
  out.reserve(texto.size());
  for (const char c : texto) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
    out += c;
  }
  return out;
}

void DocumentoXML::Guarda(const std::filesystem::path& archivo) {
  std::filesystem::path temporal = archivo;
  temporal += ".tmp";
  if (!doc_.save_file(temporal.c_str(), "", pugi::format_raw, pugi::encoding_utf8))
    throw ErrorTravesa("No se pudo escribir el archivo «" + archivo.string() + "».");
  std::error_code ec;
  std::filesystem::rename(temporal, archivo, ec);
  if (ec) throw ErrorTravesa("No se pudo escribir el archivo «" + archivo.string() + "»: " + ec.message());
}

}  // namespace travesa
