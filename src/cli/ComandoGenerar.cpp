#include "cli/ComandoGenerar.h"

#include "publish/Publicacion.h"
#include "shell/Programa.h"
#include "shell/host/Texto.h"

namespace travesa {

bool ComandoGenerar::VendedorValido(Programa& programa, const std::string& vendedor) {
  const std::string clave = texto::Recorta(vendedor);
  if (clave.empty()) return true;
  for (const Vendedor& v : programa.Vendedores())
    if (v.clave == clave) return true;
  programa.operador().Mensaje("No existe el vendedor «" + clave + "».", Botones::kCritico, "Generar archivos");
  return false;
}

int ComandoGenerar::Ejecuta(Programa& programa, const Orden& orden) {
  if (!VendedorValido(programa, orden.vendedor)) return Salida::kUso;
  const auto r = Publicacion::GenerarArchivos(programa, programa.operador(), programa.ajustes(), orden.vendedor, true);
  if (r.ok) return Salida::kExito;
  if (!r.motivo.empty())
    programa.operador().Mensaje("Los archivos no se subieron completos al sitio: " + r.motivo, Botones::kCritico,
                                "Generar archivos");
  return Salida::kFallo;
}

}  // namespace travesa
