// travesa leer through the real executable, on the demo database and the test
// FTP site: what a phone's sales, customers and products files leave in the
// database when their text is not the plain case (parentheses and escaped
// quotes in a note, a stray byte of another encoding) and when a series
// counter lags behind the documents of its series.
#include <gtest/gtest.h>

#include <filesystem>

#include "comun/ArchivoDeVentas.h"
#include "comun/Instalacion.h"
#include "comun/SitioDePrueba.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::Instalacion;
using prueba::VentaDeTelefono;

class LeerTest : public ::testing::Test {
 protected:
  void SetUp() override { inst_.Ajusta(sitio_.ComoAjustes()); }
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }
  bool EnSitio(const std::string& f) const { return std::filesystem::exists(sitio_.EnDisco(f)); }
  std::string Bitacora() const { return prueba::LeeArchivo(inst_.programa() / "BitacoraDeArchivos.txt"); }
  // C001's balance in the customers' balances table.
  std::string Saldo() { return Dato("SELECT COALESCE(SUM(Saldo), 0) FROM saldoscli WHERE Clave = 'C001'"); }

  Instalacion inst_;
  prueba::SitioDePrueba sitio_;
};

TEST_F(LeerTest, UnByteDeOtraCodificacionNoDanaLasDemasLetras) {
  inst_.Ajusta({"ajustes", "Traspaso=S", "EmpresaTraspaso=suc2"});
  // UTF-8 from the phone, and one Windows-1252 byte in another record.
  sitio_.Escribe("clientes.xml",
                 "<clientes><cliente><clave>N301</clave><nombre>Abarrotes MU\xC3\x91OZ</nombre><numPrecio>1</numPrecio>"
                 "<diascredito>0</diascredito></cliente><cliente><clave>N302</clave><nombre>Caf\xE9 del Centro</nombre>"
                 "<numPrecio>1</numPrecio><diascredito>0</diascredito></cliente></clientes>");
  sitio_.Escribe("productos.xml",
                 "<productos><producto><clave>ABA001</clave><descripcion>Aceite MU\xC3\x91OZ</descripcion>"
                 "<existencia>2</existencia></producto><producto><clave>ABA002</clave><descripcion>Arroz a\xF1"
                 "ejo</descripcion><existencia>1</existencia></producto></productos>");
  const auto r = inst_.ComoAdmin({"leer", "--si"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(Nombre ORDER BY Clave SEPARATOR '|') FROM clientes WHERE Clave IN ('N301', 'N302')"),
            "Abarrotes MUÑOZ|Café del Centro");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(Descrip ORDER BY Partida SEPARATOR '|') FROM traspasosdetalle"),
            "Aceite MUÑOZ|Arroz añejo");
}

}  // namespace
}  // namespace travesa
