#include "publish/ConsultasCatalogo.h"

#include "shell/host/Texto.h"
#include "shell/host/Utilerias.h"
#include "shell/host/libNalda.h"

namespace travesa {

Consulta ConsultasCatalogo::Vendedores() {
  return {"vendedores order by Clave", "Clave as clave,TRim(Nombre) as nombre, NIP"};
}

Consulta ConsultasCatalogo::Productos(const Ajustes& a) {
  const std::string descripcion =
      Ajustes::Si(a.ConPresentacion) ? "TRim(CONCAT(Descrip,' ',IF(ISNULL(Medida),'',Medida)))" : "TRim(Descrip)";
  std::string columnas =
      "Clave as clave," + descripcion + " as descripcion" +
      ",Precio1 as precio1,Precio2 as precio2,Precio3 as precio3,Precio4 as precio4,Precio5 as precio5," +
      "Costo as costo,Existencia as existencia";
  // The page takes one digit, 0 to 5; the number goes into a column name, so
  // only that form is let through.
  const std::string precio = texto::Recorta(a.PrecioSugerido);
  const double n = libNalda::prVal(precio);
  if (n > 0) columnas += ",Precio" + std::to_string(n > 5 ? 5 : static_cast<int>(n)) + " AS precioS";
  std::string fuente = "productos LEFT JOIN medidas ON productos.UnidadMedida=medidas.Id";
  if (Ajustes::Si(a.SoloListas)) fuente += " WHERE EnLista = 1";
  fuente += " ORDER BY Clave";
  return {fuente, columnas};
}

Consulta ConsultasCatalogo::Clientes(const Ajustes& a, std::string_view vendedor) {
  std::string columnas = "Clave as clave,TRim(Nombre) as nombre,Precio as numPrecio";
  if (Ajustes::Si(a.EnviarDomicilios)) {
    columnas += std::string(",TRim(Calle) as calle,TRim(NumExterior) as numExterior,") +
                "TRim(NumInterior) as numInterior,TRim(Colonia) as colonia,CP as cp,TRim(Ciudad) as ciudad," +
                "TRim(Estado) as estado," +
                "Telefono1 as telefono1,Telefono2 as telefono2,Telefono3 as telefono3,Telefono4 as telefono4";
  }
  const std::string clave = texto::Recorta(vendedor);
  if (clave.empty()) return {"clientes order by Clave", columnas};
  return {Utilerias::CambXXX("clientes where Vendedor='XXX' order by Clave", clave), columnas};
}

Consulta ConsultasCatalogo::Cxc() { return {"cxc order by Id", ""}; }

Consulta ConsultasCatalogo::ListaDePrecios() {
  return {"listadeprecios ORDER BY Cliente,Producto", "Cliente,Producto,Precio"};
}

Consulta ConsultasCatalogo::PreciosAdicionales() {
  return {"productosmasprecios ORDER BY Producto", "Producto,NumeroDePrecio,Precio"};
}

Consulta ConsultasCatalogo::FormasDePago() {
  return {"configura WHERE Dato LIKE 'FPAGO%' AND Contenido <> '' ORDER BY Dato", "Contenido AS 'FormaDePago'"};
}

}  // namespace travesa
