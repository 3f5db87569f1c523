#include "cli/ComandoGenerar.h"

#include "publish/Publicacion.h"
#include "shell/Programa.h"

namespace travesa {

int ComandoGenerar::Ejecuta(Programa& programa, const Orden& orden) {
  constexpr std::string_view kTitulo = "Generar archivos";
  if (!Publicacion::VendedorValido(programa, programa.operador(), orden.vendedor, kTitulo)) return Salida::kUso;
  const auto r = Publicacion::GenerarArchivos(programa, programa.operador(), programa.ajustes(), orden.vendedor, true);
  Publicacion::MuestraGuardados(programa.operador(), r, kTitulo);
  if (r.Completo()) return Salida::kExito;
  Publicacion::MuestraFalla(programa.operador(), r, kTitulo);
  return Salida::kFallo;
}

}  // namespace travesa
