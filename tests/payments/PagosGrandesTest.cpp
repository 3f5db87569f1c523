// A payment file of nothing but open groups ("values (" with no end) is read
// in one pass: the first group without its end says so, and the ones after it
// are counted, not each searched to the end of the file again.
#include <gtest/gtest.h>

#include "payments/LectorDePagos.h"

namespace travesa {
namespace {

TEST(PagosGrandesTest, MillonesDeGruposSinFinSeCuentanDeUnaVez) {
  std::string texto = "values ('t','V01','C1',7,10)\n";
  constexpr std::size_t kGrupos = 4000000;
  texto.reserve(texto.size() + kGrupos * 8);
  for (std::size_t i = 0; i < kGrupos; ++i) texto += "values (";
  std::vector<std::string> rechazos;
  const auto r = LectorDePagos::Registros(texto, {"2026-12-08", "09:30"}, rechazos);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].idCxc, 7);
  ASSERT_EQ(rechazos.size(), 2u);
  EXPECT_NE(rechazos[0].find("sin \")\" y fin de línea"), std::string::npos);
  EXPECT_EQ(rechazos[1],
            "Otros " + std::to_string(kGrupos - 1) + " grupos \"values (\" después, también sin \")\" y fin de línea");
}

}  // namespace
}  // namespace travesa
