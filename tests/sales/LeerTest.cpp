// travesa leer through the real executable, on the demo database and the test
// FTP site: what a phone's sales, customers and products files leave in the
// database when their text is not the plain case (parentheses and escaped
// quotes in a note, a stray byte of another encoding) and when a series
// counter lags behind the documents of its series.
#include <filesystem>

#include <gtest/gtest.h>

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

// A cash sale of 2 ABA001 at 44.50 (89 in all) for C001, paid 50 in cash and
// 39 by card.
VentaDeTelefono Pagada(const std::string& fecha, const std::string& nota) {
  VentaDeTelefono v{fecha, "V01", "C001", "CO", nota, 1, {}};
  v.formasDePago[0] = 50;
  v.formasDePago[1] = 39;
  return v;
}

TEST_F(LeerTest, ParentesisYComillasEnLaNotaNoPierdenLosPagos) {
  inst_.Ajusta({"ajustes", "TipoMovimiento=T"});
  const std::string saldo = Saldo();
  sitio_.Escribe("ventas_tel1_V01_1.sql",
                 ArchivoDeVentas()
                     .Linea(Pagada("Dec 8, 2026 9:00:00 AM", "Pagado (efectivo), gracias"), "ABA001", 2, 44.5)
                     .contenido());
  // A note whose quote never closes: nothing after it can be placed.
  std::string mala =
      ArchivoDeVentas().Linea(Pagada("Dec 8, 2026 9:05:00 AM", "sin cerrar"), "ABA001", 1, 44.5).contenido();
  mala.replace(mala.find("'sin cerrar'"), 12, "'sin cerrar");
  sitio_.Escribe("ventas_tel2_V01_1.sql", mala);
  auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 1) << r.Todo();

  // The ticket keeps both amounts, and its payment is written with it.
  EXPECT_EQ(Dato("SELECT CONCAT_WS('|', CAST(total AS DECIMAL(14,4)), Efectivo, TC) FROM tickets WHERE Fecha = "
                 "'2026-12-08' AND "
                 "Hora = '09:00' AND Cliente = 'C001'"),
            "89.0000|50.0000|39.0000");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT_WS('|', CantidadCargo, CantidadPago, Efectivo, FPago2) ORDER BY AutoInc) "
                 "FROM edoctacli WHERE Clave = 'C001' AND Fecha = '2026-12-08'"),
            "89.0000|0.0000|0.0000|0.0000,0.0000|89.0000|50.0000|39.0000");
  EXPECT_EQ(Saldo(), saldo);
  // The line that could not be read: refused in the log, its file kept.
  EXPECT_NE(Bitacora().find("Línea rechazada del archivo ventas_tel2_V01_1.sql (la comilla que abre el valor 10 no se "
                            "cierra): INSERT INTO ventas"),
            std::string::npos)
      << Bitacora();
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM tickets WHERE Fecha = '2026-12-08' AND Hora = '09:05'"), "0");
  EXPECT_FALSE(EnSitio("ventas_tel1_V01_1.sql"));
  EXPECT_TRUE(EnSitio("ventas_tel2_V01_1.sql"));

  // A remission keeps the whole note, apostrophes escaped either way.
  std::filesystem::remove(sitio_.EnDisco("ventas_tel2_V01_1.sql"));
  inst_.Ajusta({"ajustes", "TipoMovimiento=R"});
  sitio_.Escribe(
      "ventas_tel1_V01_2.sql",
      ArchivoDeVentas()
          .Linea(Pagada("Dec 8, 2026 10:00:00 AM", "Pag\xC3\xB3 (50 efectivo, 39 tarjeta) O\\'Brien y d''Artagnan"),
                 "ABA001", 2, 44.5)
          .contenido());
  r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(Dato("SELECT CONCAT_WS('|', nota, FormaPAgo, Saldo) FROM remisiones WHERE Fecha = '2026-12-08' AND "
                 "Hora = '10:00:00'"),
            "Pagó (50 efectivo, 39 tarjeta) O\"Brien y d\"Artagnan|E|0.0000");
  EXPECT_EQ(Dato("SELECT CONCAT_WS('|', CantidadPago, Efectivo, FPago2) FROM edoctacli WHERE Clave = 'C001' AND "
                 "Fecha = '2026-12-08' AND Hora = '10:00' AND CantidadPago > 0"),
            "89.0000|50.0000|39.0000");
  EXPECT_EQ(Saldo(), saldo);
}

TEST_F(LeerTest, UnaSerieAtrasadaNoRepiteFolios) {
  inst_.Ajusta({"ajustes", "TipoMovimiento=R", "Serie=A"});
  // Remissions A-151 and A-152 posted from the phones (folio in Factura only),
  // A-153 and A-154 made on the desk.
  inst_.base().Ejecuta(
      "UPDATE sistema SET Contenido = '150' WHERE Dato = 'RE-A';"
      "INSERT INTO remisiones (Factura, Serie, Folio, Fecha, Hora, Cliente, Vendedor) VALUES "
      "(151, 'A', 0, '2026-12-07', '08:00:00', 'C002', 'V01'), (152, 'A', 0, '2026-12-07', '08:10:00', 'C002', 'V01'),"
      "(153, 'A', 153, '2026-12-07', '08:20:00', 'C002', 'V01'), (154, 'A', 154, '2026-12-07', '08:30:00', 'C002', "
      "'V01')");
  const std::string sencillo = Dato("SELECT Contenido FROM sistema WHERE Dato = 'RE-'");
  for (const char* hora : {"9:00:00", "9:30:00"}) {
    const VentaDeTelefono v{std::string("Dec 8, 2026 ") + hora + " AM", "V01", "C001", "C", "", 1, {}};
    sitio_.Escribe(std::string("ventas_tel1_V01_") + hora[2] + ".sql",
                   ArchivoDeVentas().Linea(v, "ABA001", 1, 44.5).contenido());
    const auto r = inst_.ComoAdmin({"leer"});
    EXPECT_EQ(r.estado, 0) << r.Todo();
  }
  EXPECT_EQ(
      Dato("SELECT GROUP_CONCAT(Factura ORDER BY Hora) FROM remisiones WHERE Serie = 'A' AND Fecha = '2026-12-08'"),
      "155,156");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM (SELECT 1 FROM remisiones GROUP BY Serie, Factura HAVING COUNT(*) > 1) d"), "0");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'RE-A'"), "156");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'RE-'"), sencillo);
}

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
  EXPECT_EQ(
      Dato("SELECT GROUP_CONCAT(Nombre ORDER BY Clave SEPARATOR '|') FROM clientes WHERE Clave IN ('N301', 'N302')"),
      "Abarrotes MUÑOZ|Café del Centro");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(Descrip ORDER BY Partida SEPARATOR '|') FROM traspasosdetalle"),
            "Aceite MUÑOZ|Arroz añejo");
}

}  // namespace
}  // namespace travesa
