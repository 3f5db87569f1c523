#include "sales/ContextoDePosteo.h"

#include "sales/LineaDeVenta.h"
#include "shell/host/RecordSet.h"

namespace travesa {

double ContextoDePosteo::Bultos(const LineaDeVenta& l, const RecordSet& producto) {
  const double peso = producto.Fields("PesoProm").Numero();
  return peso > 0 ? l.cantidad / peso : 0;
}

}  // namespace travesa
