// The pieces that let a sale reach the server in few round trips: products of
// all its lines in one query, the stock leaving with one statement per line
// and one for the history, writes sent together under one permission.
#include <gtest/gtest.h>

#include "comun/BaseDePrueba.h"
#include "sales/LineaDeVenta.h"
#include "sales/ProductosDeLaVenta.h"
#include "sales/SalidaDeAlmacen.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Lote.h"
#include "shell/host/RecordSet.h"

namespace travesa {
namespace {

std::vector<LineaDeVenta> Lineas(std::initializer_list<const char*> productos) {
  std::vector<LineaDeVenta> lineas;
  for (const char* p : productos) {
    LineaDeVenta l;
    l.producto = p;
    l.cantidad = 1;
    lineas.push_back(l);
  }
  return lineas;
}

std::string Clave(const RecordSet* p) { return p == nullptr ? "-" : p->Fields("Clave").Texto(); }

// Each line gets the row the server would give its code alone: other letter
// cases and trailing blanks find the product, the same product twice finds it
// twice, an unknown code finds nothing.
TEST(PosteoEnLotesTest, CadaLineaRecibeElProductoDeSuClave) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  base.Ejecuta("INSERT INTO productos (Clave, Descrip) VALUES ('P1','Frijol'),('P2','Arroz'),('Ñ3','Ñora')");
  ProductosDeLaVenta productos(cn, Lineas({"P1", "p2", "NOESTA", "P2 ", "P1", "ñ3", "P2"}));
  std::vector<std::string> claves;
  for (std::size_t i = 0; i < 7; ++i) claves.push_back(Clave(productos.De(i)));
  EXPECT_EQ(claves, (std::vector<std::string>{"P1", "P2", "-", "P2", "P1", "Ñ3", "P2"}));
  EXPECT_EQ(productos.De(1)->Fields("Descrip").Texto(), "Arroz");
  EXPECT_EQ(productos.De(7), nullptr);
}

// Two lines of one product: each history row holds the stock its own line
// left, as reading the stock back after each line would.
TEST(PosteoEnLotesTest, HistorialConLaExistenciaQueDejoCadaLinea) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  base.Ejecuta("INSERT INTO productos (Clave, Descrip, Existencia) VALUES ('P1','Frijol',10),('P2','Arroz',4)");
  ProductosDeLaVenta productos(cn, Lineas({"P1", "P2", "p1"}));
  SalidaDeAlmacen salida("V01", "C1", "Peña");
  salida.Agrega(*productos.De(0), 2.5, "2026-12-08", "TICKET No. 7-1");
  salida.Agrega(*productos.De(1), 1, "2026-12-08", "TICKET No. 7-2");
  salida.Agrega(*productos.De(2), 0.3333, "2026-12-08", "TICKET No. 7-3");
  const Conexion::VariasALaVez juntas(cn);
  Lote lote(cn);
  salida.Graba(lote);
  lote.Envia();
  EXPECT_EQ(base.Dato("SELECT GROUP_CONCAT(CONCAT(Producto,' ',Cantidad,' ',Existencia,' ',Referencia) ORDER BY Id "
                      "SEPARATOR ' | ') FROM histalmacen"),
            "P1 2.5000 7.5000 TICKET No. 7-1 | P2 1.0000 3.0000 TICKET No. 7-2 | P1 0.3333 7.1667 TICKET No. 7-3");
  EXPECT_EQ(base.Dato("SELECT GROUP_CONCAT(Existencia ORDER BY Clave) FROM productos"), "7.1667,3.0000");
}

// A product removed after it was read: its history row is refused rather than
// given the stock another sale left in the session.
TEST(PosteoEnLotesTest, ProductoBorradoEntreTantoNoTomaLaExistenciaDeOtraVenta) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  base.Ejecuta("INSERT INTO productos (Clave, Existencia) VALUES ('P1',10),('P2',4)");
  const Conexion::VariasALaVez juntas(cn);
  {
    ProductosDeLaVenta productos(cn, Lineas({"P1"}));
    SalidaDeAlmacen salida("V01", "C1", "");
    salida.Agrega(*productos.De(0), 1, "2026-12-08", "A");
    Lote lote(cn);
    salida.Graba(lote);
    lote.Envia();
  }
  ProductosDeLaVenta productos(cn, Lineas({"P2"}));
  base.Ejecuta("DELETE FROM productos WHERE Clave = 'P2'");
  SalidaDeAlmacen salida("V01", "C1", "");
  salida.Agrega(*productos.De(0), 1, "2026-12-08", "B");
  Lote lote(cn);
  salida.Graba(lote);
  EXPECT_THROW(lote.Envia(), ErrorBD);
  EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM histalmacen WHERE Referencia = 'B'"), "0");
}

// Writes sent together stop at the first that fails, and the error names it;
// the permission ends with its scope, and without it the same writes still go
// one by one.
TEST(PosteoEnLotesTest, EscriturasJuntasSeDetienenEnLaPrimeraQueFalla) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  {
    const Conexion::VariasALaVez juntas(cn);
    Lote lote(cn);
    lote.Execute("INSERT INTO configura (Dato, Contenido) VALUES ('uno', '1')");
    lote.Execute("INSERT INTO configura (Dato, Contenido) VALUES ('uno', '2')");
    lote.Execute("INSERT INTO configura (Dato, Contenido) VALUES ('tres', '3')");
    try {
      lote.Envia();
      FAIL() << "la clave repetida debió fallar";
    } catch (const ErrorBD& e) {
      EXPECT_NE(std::string(e.what()).find("VALUES ('uno', '2')"), std::string::npos) << e.what();
    }
    EXPECT_EQ(base.Dato("SELECT GROUP_CONCAT(Dato) FROM configura WHERE Dato IN ('uno','tres')"), "uno");
  }
  EXPECT_THROW(cn.Execute("SELECT 1; SELECT 2"), ErrorBD);
  Lote lote(cn);
  lote.Execute("INSERT INTO configura (Dato, Contenido) VALUES ('tres', '3')");
  lote.Execute("INSERT INTO configura (Dato, Contenido) VALUES ('cuatro', '4; DROP TABLE configura')");
  lote.Envia();
  EXPECT_EQ(base.Dato("SELECT Contenido FROM configura WHERE Dato = 'cuatro'"), "4; DROP TABLE configura");
}

// More codes than one query asks: each part of the list gets its rows, a
// spelling in other letters finds its product wherever it falls, and for an
// order the free stock is compared with each code's own line.
TEST(PosteoEnLotesTest, MasProductosDeLosQueCabenEnUnaConsulta) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  base.Ejecuta(
      "INSERT INTO productos (Clave, Descrip, Existencia) SELECT CONCAT('P', seq), CONCAT('Producto ', seq), seq "
      "FROM seq_1_to_250");
  std::vector<LineaDeVenta> lineas;
  for (int i = 1; i <= 250; ++i) {
    LineaDeVenta l;
    l.producto = (i == 180 ? "p" : "P") + std::to_string(i);
    l.cantidad = i % 2 == 0 ? i : i + 1;  // odd codes ask for more than they have
    lineas.push_back(l);
  }
  ProductosDeLaVenta productos(cn, lineas, true);
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    ASSERT_NE(productos.De(i), nullptr) << i;
    EXPECT_EQ(Clave(productos.De(i)), "P" + std::to_string(i + 1));
  }
  EXPECT_TRUE(productos.LibreCubre(1));
  EXPECT_FALSE(productos.LibreCubre(150));
  EXPECT_TRUE(productos.LibreCubre(199));
  EXPECT_EQ(productos.De(179)->Fields("Descrip").Texto(), "Producto 180");
}

}  // namespace
}  // namespace travesa
