#include "comun/OperadorDePrueba.h"

namespace travesa::prueba {

int OperadorDePrueba::Responde(int botones) {
  if (!Botones::EsPregunta(botones)) return Botones::kRespAceptar;
  if (respuestas.empty()) return Botones::kRespNo;
  const int r = respuestas.front();
  respuestas.pop_front();
  return r;
}

int OperadorDePrueba::Mensaje(std::string_view texto, int botones, std::string_view titulo) {
  cajas.push_back({std::string(texto), botones, std::string(titulo), false});
  return Responde(botones);
}

int OperadorDePrueba::MensajeSimple(std::string_view texto, int botones, std::string_view titulo) {
  cajas.push_back({std::string(texto), botones, std::string(titulo), true});
  return Responde(botones);
}

}  // namespace travesa::prueba
