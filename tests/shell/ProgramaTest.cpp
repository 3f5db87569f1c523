// Start-up pieces that read the database: series, sellers, the price-list rule;
// and the small shell helpers.
#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/OperadorDePrueba.h"
#include "shell/Dialogos.h"
#include "shell/Formatos.h"
#include "shell/Programa.h"
#include "shell/ReglasAjustes.h"

namespace travesa {
namespace {

TEST(ProgramaTest, SeriesMarcadasSinMarcaYSinFila) {
  prueba::Instalacion inst(false);
  inst.base().Ejecuta(
      "INSERT INTO sistema VALUES ('RE-','5'),('RE-A','9'),('RE+A-A','1'),('RE-B','3'),('RE+A-B','0'),"
      "('RE-C','2'),('PE-','1'),('RE-D','7'),('RE+A-D','S')");
  prueba::OperadorDePrueba op;
  Programa p(inst.programa(), op);
  ASSERT_TRUE(p.Inicia());
  EXPECT_EQ(p.LlenaSeries("RE-"), (std::vector<std::string>{"A", "D", "N/A"}));
  // No series row for the prefix: an empty list, without "N/A".
  EXPECT_TRUE(p.LlenaSeries("PE-").empty());
}

TEST(ProgramaTest, VendedoresVersionYListas) {
  prueba::Instalacion inst(true);
  prueba::OperadorDePrueba op;
  Programa p(inst.programa(), op);
  ASSERT_TRUE(p.Inicia());
  const auto vendedores = p.Vendedores();
  ASSERT_FALSE(vendedores.empty());
  EXPECT_EQ(p.NombreVendedor(vendedores[0].clave), vendedores[0].nombre);
  EXPECT_EQ(p.NombreVendedor("X' OR '1'='1"), "");
  EXPECT_EQ(Programa::TextoVersion(), "   v 6.19.0");
  EXPECT_FALSE(p.SalenTodosEnLista());
  inst.base().Ejecuta("UPDATE configura SET Contenido='1' WHERE Dato='SalenTodosEnLista'");
  EXPECT_TRUE(p.SalenTodosEnLista());
}

TEST(DialogosTest, ArchivoDelVendedor) {
  EXPECT_TRUE(ArchivoDelVendedor("cxcs_tel01_v01_17_05_2024_09_30.sql", 6, "V01"));
  EXPECT_FALSE(ArchivoDelVendedor("cxcs_tel01_v01_17_05_2024_09_30.sql", 6, "V02"));
  EXPECT_FALSE(ArchivoDelVendedor("cxcs_tel01.sql", 6, ""));
  EXPECT_FALSE(ArchivoDelVendedor("cxcs_tel01_v01", 6, "V01"));  // no "_" after the seller
  EXPECT_TRUE(ArchivoDelVendedor("ventas_tel01_x.sql", 8, ""));
  EXPECT_FALSE(ArchivoDelVendedor("ventas_.sql", 8, ""));
}

TEST(DialogosTest, ConfirmarSoloConSi) {
  prueba::OperadorDePrueba op;
  op.respuestas = {Botones::kRespSi, Botones::kRespNo, 0};
  EXPECT_TRUE(Confirmar(op, "¿Seguro?", "T"));
  EXPECT_FALSE(Confirmar(op, "¿Seguro?", "T"));
  EXPECT_FALSE(Confirmar(op, "¿Seguro?", "T"));  // a box that could not be shown
  EXPECT_EQ(op.cajas[0].botones, 4 + 32 + 256);
}

TEST(FormatosTest, FechasYNumeros) {
  EXPECT_EQ(formatos::FechaCorta(std::chrono::year{2026} / 12 / 8), "08/dic/2026");
  EXPECT_EQ(formatos::Miles(1275), "1,275");
  EXPECT_EQ(formatos::Miles(0), "0");
  EXPECT_EQ(formatos::Miles(1234567), "1,234,567");
  EXPECT_EQ(formatos::Moneda(1234.5), "1,234.50");
  EXPECT_EQ(formatos::Moneda(2.675), "2.68");
  EXPECT_EQ(formatos::Moneda(0.1 + 0.2), "0.30");
  EXPECT_EQ(formatos::Moneda(-1.005), "-1.01");
  EXPECT_EQ(formatos::Moneda(-0.001), "0.00");
  const auto momento = std::chrono::sys_days{std::chrono::year{2026} / 1 / 5} + std::chrono::hours{12};
  EXPECT_NE(formatos::SelloSubida(momento).find("/ene/2026 - "), std::string::npos);
}

TEST(ReglasAjustesTest, CamposDeLaPagina) {
  EXPECT_EQ(ReglasAjustes::NormalizaCarpeta(" carpeta\\sub "), "carpeta/sub/");
  EXPECT_EQ(ReglasAjustes::NormalizaCarpeta(""), "/");
  EXPECT_EQ(ReglasAjustes::CarpetaConDiagonales("carpeta/"), "/carpeta/");
  EXPECT_EQ(ReglasAjustes::CarpetaConDiagonales(""), "/");
  EXPECT_EQ(ReglasAjustes::ValidaPrecioSugerido("7"), "5");
  EXPECT_EQ(ReglasAjustes::ValidaPrecioSugerido("3"), "3");
  EXPECT_EQ(ReglasAjustes::ValidaMinutos("0"), "1");
  EXPECT_EQ(ReglasAjustes::ValidaMinutos("07"), "7");
}

}  // namespace
}  // namespace travesa
