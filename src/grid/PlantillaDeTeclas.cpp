#include "grid/PlantillaDeTeclas.h"

#include "grid/TeclasGrid.h"

namespace travesa {
namespace {

bool Tiene(std::string_view plantilla, std::string_view marca) {
  return plantilla.find(marca) != std::string_view::npos;
}

bool EsDigito(char32_t c) { return c >= U'0' && c <= U'9'; }

bool PasaNumero(char32_t c) {
  return c == teclas::kEnter || c == teclas::kRetroceso || c == U'.' || c == U'-' || EsDigito(c);
}

bool PasaHora(char32_t c) {
  return c == teclas::kEnter || c == teclas::kRetroceso || c == U'.' || (c >= U'0' && c <= U':');
}

}  // namespace

char32_t PlantillaDeTeclas::Mayuscula(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  return c;
}

char32_t PlantillaDeTeclas::Minuscula(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  return c;
}

PlantillaDeTeclas::Resultado PlantillaDeTeclas::Filtra(char32_t tecla, std::string_view plantilla) {
  if (tecla == U'\'') tecla = U'"';
  const bool mayusculas = Tiene(plantilla, "!");
  const bool minusculas = Tiene(plantilla, "¡");
  if (mayusculas) tecla = Mayuscula(tecla);
  if (minusculas) tecla = Minuscula(tecla);
  if ((mayusculas || minusculas) && tecla == U'\\') return {teclas::kNinguna, false};
  if (Tiene(plantilla, "9") && !PasaNumero(tecla)) return {teclas::kNinguna, true};
  if (Tiene(plantilla, "T") && !PasaHora(tecla)) return {teclas::kNinguna, true};
  return {tecla, false};
}

}  // namespace travesa
