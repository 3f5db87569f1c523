// "Borrar archivos" against the real FTP site.
#include <gtest/gtest.h>

#include "EscenaDeLectura.h"
#include "sales/BorradoDeVentas.h"
#include "shell/Respaldo.h"

namespace travesa {
namespace {

using prueba::LeeArchivo;

class BorradoDeVentasTest : public prueba::EscenaDeLectura {};

TEST_F(BorradoDeVentasTest, BorraLasVentasGuardaCopiaYDejaLosPagos) {
  sitio_.Escribe("ventas_tel1_V01_1.sql", "una venta\n");
  sitio_.Escribe("ventas_tel2_V02_1.sql", "otra venta\n");
  sitio_.Escribe("ventas_vacio.sql", "");
  sitio_.Escribe("cxcs_tel1_V01_1.sql", "un pago\n");
  const auto r = BorradoDeVentas::EjecutaBorrado(programa_, op_, programa_.ajustes());
  ASSERT_TRUE(r.conectado);
  EXPECT_EQ(r.borrados.size(), 3u);
  EXPECT_TRUE(r.conservados.empty());
  for (const char* f : {"ventas_tel1_V01_1.sql", "ventas_tel2_V02_1.sql", "ventas_vacio.sql"})
    EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco(f))) << f;
  EXPECT_TRUE(std::filesystem::exists(sitio_.EnDisco("cxcs_tel1_V01_1.sql")));
  // Nothing a phone sent is lost: the removed files are in respaldo/.
  const std::filesystem::path respaldo = Respaldo(inst_.programa()).Carpeta();
  EXPECT_EQ(LeeArchivo(respaldo / "ventas_tel1_V01_1.sql"), "una venta\n");
  EXPECT_EQ(LeeArchivo(respaldo / "ventas_tel2_V02_1.sql"), "otra venta\n");
  EXPECT_TRUE(std::find(op_.avisos.begin(), op_.avisos.end(), "Borrando archivo ventas_tel2_V02_1.sql") !=
              op_.avisos.end());
  EXPECT_EQ(op_.avisos.back(), "");
  BorradoDeVentas::MensajeFinal(op_, r);
  ASSERT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(op_.cajas[0].texto, "Archivos eliminados");
  EXPECT_EQ(op_.cajas[0].titulo, "Atención");
  EXPECT_EQ(op_.cajas[0].botones, Botones::kInformacion);

  // Again, with nothing left on the site: that is what it says.
  const auto otra = BorradoDeVentas::EjecutaBorrado(programa_, op_, programa_.ajustes());
  ASSERT_TRUE(otra.conectado);
  BorradoDeVentas::MensajeFinal(op_, otra);
  ASSERT_EQ(op_.cajas.size(), 2u);
  EXPECT_EQ(op_.cajas[1].texto, "No había archivos de ventas en el sitio; no se eliminó nada.");
}

TEST_F(BorradoDeVentasTest, UnArchivoQueNoSePuedeRespaldarSeQuedaEnElSitio) {
  sitio_.Escribe("ventas_tel1_V01_1.sql", "una venta\n");
  sitio_.Escribe("ventas_tel1_V01_2.sql", "otra venta\n");
  // The local copy cannot be written: a folder stands where it would go.
  std::filesystem::create_directory(inst_.programa() / "ventas_tel1_V01_2.sql");
  const auto r = BorradoDeVentas::EjecutaBorrado(programa_, op_, programa_.ajustes());
  ASSERT_TRUE(r.conectado);
  EXPECT_EQ(r.borrados, std::vector<std::string>{"ventas_tel1_V01_1.sql"});
  EXPECT_EQ(r.conservados, std::vector<std::string>{"ventas_tel1_V01_2.sql"});
  EXPECT_TRUE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_V01_2.sql")));
  BorradoDeVentas::MensajeFinal(op_, r);
  ASSERT_EQ(op_.cajas.size(), 2u);
  EXPECT_EQ(op_.cajas[1].texto,
            "Estos archivos se dejaron en el sitio porque no se pudieron respaldar antes de borrarlos:\n"
            "ventas_tel1_V01_2.sql");
}

TEST_F(BorradoDeVentasTest, SinConexionNoBorraNiDiceEliminados) {
  sitio_.Escribe("ventas_tel1_V01_1.sql", "una venta\n");
  programa_.ajustes().FTPcontraseña = "equivocada";
  const auto r = BorradoDeVentas::EjecutaBorrado(programa_, op_, programa_.ajustes());
  EXPECT_FALSE(r.conectado);
  BorradoDeVentas::MensajeFinal(op_, r);
  ASSERT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(op_.cajas[0].texto.rfind("No se pudo establecer conexión con el sitio\r\nEl servidor «", 0), 0u)
      << op_.cajas[0].texto;
  EXPECT_NE(op_.cajas[0].texto.find("no aceptó el usuario o la contraseña del sitio FTP (respondió: «530 "),
            std::string::npos)
      << op_.cajas[0].texto;
  EXPECT_EQ(op_.cajas[0].titulo, "Error de conexión");
  EXPECT_TRUE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_V01_1.sql")));
}

}  // namespace
}  // namespace travesa
