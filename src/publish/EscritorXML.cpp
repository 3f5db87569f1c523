#include "publish/EscritorXML.h"

#include <unistd.h>

#include <atomic>
#include <system_error>

#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

// Written out each time the buffer passes this size.
constexpr std::size_t kBloque = 1 << 16;

unsigned char Byte(std::string_view t, std::size_t i) { return static_cast<unsigned char>(t[i]); }

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

EscritorXML::EscritorXML(std::filesystem::path archivo, std::string_view raiz)
    : archivo_(std::move(archivo)), temporal_(Temporal(archivo_)) {
  f_.reset(std::fopen(temporal_.c_str(), "wb"));
  if (!f_) Falla();
  buf_.reserve(kBloque + 4096);
  buf_ += "<?xml version=\"1.0\"?>";
  Abre(raiz);
}

EscritorXML::~EscritorXML() {
  if (!f_) return;
  f_.reset();
  std::error_code ec;
  std::filesystem::remove(temporal_, ec);
}

void EscritorXML::TerminaEtiqueta() {
  if (!etiquetaAbierta_) return;
  buf_ += '>';
  etiquetaAbierta_ = false;
}

void EscritorXML::Abre(std::string_view nombre) {
  TerminaEtiqueta();
  buf_ += '<';
  buf_ += nombre;
  abiertos_.emplace_back(nombre);
  etiquetaAbierta_ = true;
}

void EscritorXML::Cierra() {
  if (abiertos_.empty()) return;
  if (etiquetaAbierta_) {
    buf_ += "/>";
    etiquetaAbierta_ = false;
  } else {
    buf_ += "</";
    buf_ += abiertos_.back();
    buf_ += '>';
  }
  abiertos_.pop_back();
  if (buf_.size() >= kBloque) Vacia();
}

void EscritorXML::Elemento(std::string_view nombre, std::string_view texto) {
  TerminaEtiqueta();
  buf_ += '<';
  buf_ += nombre;
  buf_ += '>';
  AgregaValido(buf_, texto, true);
  buf_ += "</";
  buf_ += nombre;
  buf_ += '>';
}

// XML 1.0 carries tab, line feed, carriage return, U+0020 to U+D7FF, U+E000
// to U+FFFD and U+10000 to U+10FFFF; a parser refuses the whole file for any
// other code point, so it is left out, as is every byte that does not belong
// to a well-formed UTF-8 sequence. Plain ASCII, most of a catalogue, passes
// on a one-byte test; the text is copied in stretches, not byte by byte.
void EscritorXML::AgregaValido(std::string& destino, std::string_view texto, bool escapar) {
  std::size_t tramo = 0;
  std::size_t i = 0;
  const auto corta = [&](std::size_t fin, std::size_t siguiente) {
    destino.append(texto, tramo, fin - tramo);
    tramo = siguiente;
  };
  while (i < texto.size()) {
    const unsigned char b = Byte(texto, i);
    if (b >= 0x20 && b < 0x80 && (!escapar || (b != '&' && b != '<' && b != '>'))) {
      ++i;
      continue;
    }
    if (b >= 0x80) {
      const std::size_t largo = texto::LargoUtf8(texto, i);
      if (largo != 0 && CaracterXml(CodigoUtf8(texto.substr(i, largo)))) {
        i += largo;
        continue;
      }
      const std::size_t siguiente = i + (largo == 0 ? 1 : largo);
      corta(i, siguiente);
      i = siguiente;
      continue;
    }
    if (b == '\t' || b == '\n' || b == '\r') {
      ++i;
      continue;
    }
    corta(i, i + 1);
    if (b == '&')
      destino += "&amp;";
    else if (b == '<')
      destino += "&lt;";
    else if (b == '>')
      destino += "&gt;";
    ++i;
  }
  corta(texto.size(), texto.size());
}

std::string EscritorXML::TextoValido(std::string_view texto) {
  std::string out;
  out.reserve(texto.size());
  AgregaValido(out, texto, false);
  return out;
}

void EscritorXML::Vacia() {
  if (!buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), f_.get()) != buf_.size()) Falla();
  buf_.clear();
}

void EscritorXML::Termina() {
  while (!abiertos_.empty()) Cierra();
  Vacia();
  const bool cerrado = std::fclose(f_.release()) == 0;
  std::error_code ec;
  if (cerrado) std::filesystem::rename(temporal_, archivo_, ec);
  if (cerrado && !ec) return;
  std::error_code ignorado;
  std::filesystem::remove(temporal_, ignorado);
  if (!cerrado) Falla();
  throw ErrorTravesa("No se pudo escribir el archivo «" + archivo_.string() + "»: " + ec.message());
}

void EscritorXML::Falla() { throw ErrorTravesa("No se pudo escribir el archivo «" + archivo_.string() + "»."); }

}  // namespace travesa
