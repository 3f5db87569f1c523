#include "publish/EscritorXML.h"

#include <system_error>

#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

// Written out each time the buffer passes this size.
constexpr std::size_t kBloque = 1 << 16;

// Bytes that need a look: the escaped three and the control characters.
constexpr bool Especial(unsigned char b) { return b < 0x20 || b == '&' || b == '<' || b == '>'; }

}  // namespace

EscritorXML::EscritorXML(std::filesystem::path archivo, std::string_view raiz)
    : archivo_(std::move(archivo)), temporal_(archivo_) {
  temporal_ += ".tmp";
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
  AgregaEscapado(buf_, texto);
  buf_ += "</";
  buf_ += nombre;
  buf_ += '>';
}

void EscritorXML::AgregaEscapado(std::string& destino, std::string_view texto) {
  const char* p = texto.data();
  const char* const fin = p + texto.size();
  const char* tramo = p;
  for (; p != fin; ++p) {
    const auto b = static_cast<unsigned char>(*p);
    if (!Especial(b)) continue;
    if (b == '\t' || b == '\n' || b == '\r') continue;
    destino.append(tramo, p);
    tramo = p + 1;
    if (b == '&') destino += "&amp;";
    else if (b == '<') destino += "&lt;";
    else if (b == '>') destino += "&gt;";
    // Any other control character cannot travel in XML 1.0 and is left out.
  }
  destino.append(tramo, fin);
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
