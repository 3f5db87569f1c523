// Start-up pieces that read the database: series, sellers, the price-list rule.
#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/OperadorDePrueba.h"
#include "shell/Programa.h"

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

}  // namespace
}  // namespace travesa
