#include "sales/ContextoDePosteo.h"

#include "sales/LineaDeVenta.h"
#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"

namespace travesa {

bool ContextoDePosteo::BuscaProducto(std::string_view clave, RecordSet& producto) const {
  producto.Abre(cn, cn.Prepara("SELECT * FROM productos WHERE Clave = ?", {Valor(clave)}), "productos");
  return !producto.Eof();
}

double ContextoDePosteo::Bultos(const LineaDeVenta& l, const RecordSet& producto) {
  const double peso = producto.Fields("PesoProm").Numero();
  return peso > 0 ? l.cantidad / peso : 0;
}

}  // namespace travesa
