// A sales file of a million lines is read in one pass: the reader walks
// forward through the text, it does not copy the rest of the file again for
// each line (that took hours on a file of a few tens of megabytes).
#include <fstream>

#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"
#include "sales/clsArchivoTravesa.h"

namespace travesa {
namespace {

TEST(ArchivoDeVentasGrandeTest, UnMillonDeLineasSeLeenTodas) {
  prueba::CarpetaTemporal dir;
  constexpr int kLineas = 1000000;
  {
    std::ofstream f(dir / "ventas_tel1_V01_1.sql", std::ios::binary);
    for (int i = 0; i < kLineas; ++i) f << "INSERT INTO v (a, b) VALUES ('" << i << "', 'x');\n";
    f << "INSERT INTO v (a) VALUES ('sin fin')";
  }
  clsArchivoTravesa lector;
  lector.PrepararSQL(dir / "ventas_tel1_V01_1.sql");
  std::vector<std::string> campos, valores;
  int n = 0;
  while (lector.DadmeLinea(campos, valores)) {
    ASSERT_EQ(valores.size(), 2u);
    ASSERT_EQ(valores[0], std::to_string(n));
    ++n;
  }
  EXPECT_EQ(n, kLineas);
  EXPECT_EQ(lector.Resto(), "INSERT INTO v (a) VALUES ('sin fin')");
}

}  // namespace
}  // namespace travesa
