#include "shell/Permisos.h"

#include "shell/clsAcceso.h"

namespace travesa {

Permisos Permisos::De(std::string_view modulos) {
  Permisos p;
  p.configurar = clsAcceso::Accede(kConfigurar, modulos);
  p.generar = clsAcceso::Accede(kGenerar, modulos);
  p.leer = clsAcceso::Accede(kLeer, modulos);
  p.pagos = clsAcceso::Accede(kPagos, modulos);
  p.borrar = clsAcceso::Accede(kBorrar, modulos);
  return p;
}

}  // namespace travesa
