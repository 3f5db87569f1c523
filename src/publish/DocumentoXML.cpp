#include "publish/DocumentoXML.h"

#include <unistd.h>

#include <atomic>
#include <system_error>

#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

unsigned char Byte(std::string_view t, std::size_t i) { return static_cast<unsigned char>(t[i]); }
bool Continuacion(std::string_view t, std::size_t i) { return i < t.size() && (Byte(t, i) & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at `i` (no overlong forms, no
// surrogates, nothing above U+10FFFF); 0 when the bytes there form none.
std::size_t LargoUtf8(std::string_view t, std::size_t i) {
  const unsigned char b = Byte(t, i);
  if (b < 0x80) return 1;
  if (b < 0xC2 || b > 0xF4) return 0;
  const std::size_t largo = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  for (std::size_t k = 1; k < largo; ++k)
    if (!Continuacion(t, i + k)) return 0;
  const unsigned char s = Byte(t, i + 1);
  if (b == 0xE0 && s < 0xA0) return 0;  // overlong
  if (b == 0xED && s > 0x9F) return 0;  // surrogate
  if (b == 0xF0 && s < 0x90) return 0;  // overlong
  if (b == 0xF4 && s > 0x8F) return 0;  // above U+10FFFF
  return largo;
}

char32_t CodigoUtf8(std::string_view secuencia) {
  const auto b0 = static_cast<unsigned char>(secuencia[0]);
  if (secuencia.size() == 1) return b0;
  char32_t c = b0 & (secuencia.size() == 2 ? 0x1F : secuencia.size() == 3 ? 0x0F : 0x07);
  for (std::size_t k = 1; k < secuencia.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(secuencia[k]) & 0x3F);
  return c;
}

bool CaracterXml(char32_t c) {
  if (c == 0x9 || c == 0xA || c == 0xD) return true;
  if (c < 0x20) return false;
  if (c <= 0xD7FF) return true;
  if (c < 0xE000) return false;
  if (c <= 0xFFFD) return true;
  return c >= 0x10000 && c <= 0x10FFFF;
}

// A name of this run's own beside the file, so that two runs writing the same
// folder never share a temporary file.
std::filesystem::path Temporal(const std::filesystem::path& archivo) {
  static std::atomic<unsigned> contador{0};
  return archivo.parent_path() / ("." + archivo.filename().string() + "." + std::to_string(::getpid()) + "-" +
                                  std::to_string(contador.fetch_add(1)) + ".tmp");
}

}  // namespace

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

// XML 1.0 carries tab, line feed, carriage return, U+0020 to U+D7FF, U+E000
// to U+FFFD and U+10000 to U+10FFFF; a parser refuses the whole file for any
// other code point, so it is left out, as is every byte that does not belong
// to a well-formed UTF-8 sequence.
std::string DocumentoXML::TextoValido(std::string_view texto) {
  std::string out;
  out.reserve(texto.size());
  std::size_t i = 0;
  while (i < texto.size()) {
    const std::size_t largo = LargoUtf8(texto, i);
    if (largo == 0) {
      ++i;
      continue;
    }
    if (CaracterXml(CodigoUtf8(texto.substr(i, largo)))) out.append(texto, i, largo);
    i += largo;
  }
  return out;
}

void DocumentoXML::Guarda(const std::filesystem::path& archivo) {
  const std::filesystem::path temporal = Temporal(archivo);
  if (!doc_.save_file(temporal.c_str(), "", pugi::format_raw, pugi::encoding_utf8)) {
    std::error_code ec;
    std::filesystem::remove(temporal, ec);
    throw ErrorTravesa("No se pudo escribir el archivo «" + archivo.string() + "».");
  }
  std::error_code ec;
  std::filesystem::rename(temporal, archivo, ec);
  if (!ec) return;
  const std::string motivo = ec.message();
  std::filesystem::remove(temporal, ec);
  throw ErrorTravesa("No se pudo escribir el archivo «" + archivo.string() + "»: " + motivo);
}

}  // namespace travesa
