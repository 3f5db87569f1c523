#include <gtest/gtest.h>

#include "sales/LibreDeProductos.h"

namespace travesa {
namespace {

// The server's decimals and the quantities as statements send them are
// compared exactly; any other form leaves the product to the server.
TEST(LibreDeProductosTest, SoloCifrasExactasALaEscalaDeLasColumnas) {
  EXPECT_EQ(LibreDeProductos::Diezmilesimos("12.5000"), 125000);
  EXPECT_EQ(LibreDeProductos::Diezmilesimos("-3"), -30000);
  EXPECT_EQ(LibreDeProductos::Diezmilesimos("0.0001"), 1);
  EXPECT_EQ(LibreDeProductos::Diezmilesimos("7.500000"), 75000);
  EXPECT_EQ(LibreDeProductos::Diezmilesimos("999999999.9999"), 9999999999999);
  for (const char* otra : {"", "-", "7.", ".5", "1e-05", "1e+21", "0.00001", "12,5", "1234567890123456789",
                           "12345678901234567", "1000000000", "NULL"})
    EXPECT_EQ(LibreDeProductos::Diezmilesimos(otra), std::nullopt) << otra;

  LibreDeProductos libre;
  libre.Nuevo();
  ASSERT_TRUE(libre.Sabe("P1", "10.0000", "4"));
  EXPECT_TRUE(libre.Aparta("P1", "10.0000", "4"));
  libre.Confirma();
  EXPECT_FALSE(libre.Aparta("P1", "10.0000", "6.0001"));
  EXPECT_TRUE(libre.Aparta("P1", "10.0000", "6"));
  // A commit whose answer was lost: nobody knows what P1 has free now.
  libre.Desconoce();
  EXPECT_FALSE(libre.Sabe("P1", "10.0000", "1"));
  EXPECT_TRUE(libre.Sabe("P2", "10.0000", "1"));
  libre.Anota("P2", "0.33333");
  EXPECT_FALSE(libre.Sabe("P2", "10.0000", "1"));
  libre.Nuevo();
  EXPECT_TRUE(libre.Sabe("P1", "4.0000", "1"));
}

}  // namespace
}  // namespace travesa
