#include "shell/Configuracion.h"

#include "shell/ReglasAjustes.h"
#include "shell/host/ArchivoIni.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr std::string_view kSeccionFTP = "FTP";

bool EsCifrado(const Ajustes::Campo& c) { return kSeccionFTP == c.seccion; }

}  // namespace

Configuracion::Configuracion(std::filesystem::path ini, const Utilerias& utilerias)
    : ini_(std::move(ini)), utilerias_(utilerias) {}

std::string Configuracion::LeeIniConDefecto(std::string_view seccion, std::string_view clave,
                                            std::string_view porOmision) const {
  std::string valor = libNalda::LeeIni(seccion, clave, ini_);
  if (!valor.empty()) return valor;
  libNalda::EscribeIni(seccion, clave, porOmision, ini_);
  return std::string(porOmision);
}

std::string Configuracion::LeeCampo(const Ajustes::Campo& c) const {
  if (EsCifrado(c)) {
    return utilerias_.DesEncripta(LeeIniConDefecto(c.seccion, c.clave, utilerias_.Encripta(c.porOmision)));
  }
  return texto::Mayusculas(LeeIniConDefecto(c.seccion, c.clave, c.porOmision));
}

// The stored secrets are opened first: when the key is missing or is another
// one, no default is encrypted, since that would make a new key over the lost
// one and the operator could no longer restore it.
void Configuracion::LeeConfiguracionFTP(Ajustes& a) const {
  a.ilegibles.clear();
  std::vector<const Ajustes::Campo*> vacios;
  for (const Ajustes::Campo& c : Ajustes::Campos()) {
    if (!EsCifrado(c)) continue;
    const std::string guardado = libNalda::LeeIni(c.seccion, c.clave, ini_);
    a.*c.miembro = "";
    if (guardado.empty()) {
      vacios.push_back(&c);
      continue;
    }
    const auto plano = utilerias_.HayClave() ? utilerias_.Descifra(guardado) : std::nullopt;
    if (plano) a.*c.miembro = *plano;
    if (!plano) a.ilegibles.emplace_back(c.nombre);
  }
  if (a.ilegibles.empty()) {
    for (const Ajustes::Campo* c : vacios) a.*c->miembro = LeeCampo(*c);
  }
  LeeOpciones(a);
}

void Configuracion::LeeOpciones(Ajustes& a) const {
  for (const Ajustes::Campo& c : Ajustes::Campos()) {
    if (EsCifrado(c) || c.forma == Ajustes::Forma::SoloLectura) continue;
    std::string v = LeeCampo(c);
    // A check box is checked for "S" and unchecked for anything else; a
    // movement kind other than tickets or orders means remissions.
    if (c.forma == Ajustes::Forma::SiNo && v != "S") v = "N";
    if (c.forma == Ajustes::Forma::Movimiento && v != "T" && v != "P") v = "R";
    a.*c.miembro = std::move(v);
  }
}

std::string Configuracion::ComoSeGuarda(const Ajustes::Campo& c, std::string_view valor) const {
  if (EsCifrado(c)) return utilerias_.Encripta(texto::Recorta(valor));
  if (c.forma == Ajustes::Forma::SerieTraspasos && texto::Recorta(valor).empty()) return "N/A";
  if (c.forma == Ajustes::Forma::SiNo) return Ajustes::Si(texto::Mayusculas(texto::Recorta(valor))) ? "S" : "N";
  return std::string(valor);
}

void Configuracion::GuardaCampos(std::span<const Asignacion> asignaciones) const {
  std::vector<ArchivoIni::Cambio> cambios;
  for (const auto& [c, valor] : asignaciones) cambios.push_back({c->seccion, c->clave, ComoSeGuarda(*c, valor)});
  ArchivoIni::Escribe(ini_, cambios);
}

void Configuracion::Grabar(Ajustes& a) const {
  std::vector<Asignacion> asignaciones;
  for (const Ajustes::Campo& c : Ajustes::Campos()) {
    if (c.forma == Ajustes::Forma::SoloLectura) continue;
    a.*c.miembro = ReglasAjustes::ComoQueda(c, a.*c.miembro);
    asignaciones.emplace_back(&c, a.*c.miembro);
  }
  GuardaCampos(asignaciones);
  LeeOpciones(a);
}

std::string Configuracion::UltimaSubida() const {
  const Ajustes::Campo* c = Ajustes::BuscaCampo("UltimaSubida");
  const std::string v = libNalda::LeeIni(c->seccion, c->clave, ini_);
  return v.empty() ? c->porOmision : v;
}

void Configuracion::EscribeUltimaSubida(std::string_view sello) const {
  const Ajustes::Campo* c = Ajustes::BuscaCampo("UltimaSubida");
  libNalda::EscribeIni(c->seccion, c->clave, sello, ini_);
}

}  // namespace travesa
