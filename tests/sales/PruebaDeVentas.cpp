#include "PruebaDeVentas.h"

#include "comun/CarpetaTemporal.h"
#include "sales/DescargaDeVentas.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/host/RecordSet.h"

namespace travesa::prueba {

PruebaDeVentas::PruebaDeVentas() : inst_(false), programa_(inst_.programa(), op_) {}

void PruebaDeVentas::SetUp() {
  ASSERT_TRUE(programa_.Inicia());
  Ajustes& a = programa_.ajustes();
  a.ftpSitio = sitio_.sitio();
  a.ftpUsuario = sitio_.servidor().usuario;
  a.FTPcontraseña = sitio_.servidor().password;
  a.FTPcarpeta = sitio_.carpeta().substr(1);
  Ejecuta(
      "INSERT INTO productos (Clave, Descrip, Precio1, CostoProm, Existencia, PorVender, IVA, ImpuestoAd, PesoProm) "
      "VALUES ('P1', 'Frijol a granel', 30, 20.5, 100, 0, 0, 0, 2.5), ('P2', 'Refresco', 15, 9.25, 10, 7, 16, 8, 0),"
      " ('P3', 'Queso', 10, 6, 50, 0, 0, 0, 0.5);"
      "INSERT INTO clientes (Clave, Nombre, DCredito, Telefono1, Domicilio, CP, Colonia, Ciudad, Estado, RFC, Calle, "
      "NumExterior, NumInterior, ReferenciaDomic, Localidad, Pais) VALUES ('C1', 'Abarrotes Uno', 30, '33 1234', "
      "'Av. Uno 1', '44100', 'Centro', 'Guadalajara', 'Jalisco', 'AUN010101AA1', 'Av. Uno', '1', 'B', 'Esquina', "
      "'Guadalajara', 'México');"
      "INSERT INTO clientes (Clave, Nombre, DCredito, Telefono1, Calle, Pais) VALUES ('C2', 'Tienda Dos', 15, NULL, "
      "NULL, NULL);"
      "INSERT INTO configura VALUES ('FDPEVACDPDV', '1');"
      "INSERT INTO sistema VALUES ('Venta', '41'), ('PE-', '41'), ('RE-', '41'), ('Foliote', '100'), ('Movimiento', "
      "'500');");
}

ResultadoVentas PruebaDeVentas::Lee(const std::string& tipo, bool sinExistencia, const std::string& serie) {
  Ajustes a = programa_.ajustes();
  a.TipoMovimiento = tipo;
  a.SinExistencia = std::string(1, sinExistencia ? 'S' : 'N');
  a.Serie = serie;
  return DescargaDeVentas::EjecutaDescarga(programa_, op_, a, 5);
}

bool PruebaDeVentas::EnSitio(const std::string& nombre) const {
  return std::filesystem::exists(sitio_.EnDisco(nombre));
}

std::vector<std::string> PruebaDeVentas::Filas(const std::string& sql) {
  Conexion cn = inst_.base().Conecta();
  RecordSet rs;
  rs.Abre(cn, sql, "");
  std::vector<std::string> filas;
  for (; !rs.Eof(); rs.MoveNext()) {
    std::string fila;
    for (std::size_t i = 0; i < rs.FieldCount(); ++i) {
      if (i) fila += "|";
      fila += rs.Fields(i).EsNulo() ? std::string("NULL") : rs.Fields(i).Texto();
    }
    filas.push_back(fila);
  }
  return filas;
}

std::string PruebaDeVentas::Bitacora() const { return LeeArchivo(programa_.carpeta() / BitacoraDeArchivos::kNombre); }

}  // namespace travesa::prueba
