// The tag search over device files and the decoding of their text.
#include <gtest/gtest.h>

#include "sales/LectorDeEtiquetas.h"

namespace travesa {
namespace {

TEST(LectorDeEtiquetasTest, DecodificaEntidadesUnaSolaVez) {
  EXPECT_EQ(LectorDeEtiquetas::DecodificaXML("A&amp;B &quot;x&quot; &lt;y&gt; O&apos;Hara"), "A&B \"x\" <y> O'Hara");
  // An escaped entity stays what the device meant, not decoded twice.
  EXPECT_EQ(LectorDeEtiquetas::DecodificaXML("&amp;lt;"), "&lt;");
  EXPECT_EQ(LectorDeEtiquetas::DecodificaXML("PE&#209;A &#xDA;NICO"), "PEÑA ÚNICO");
  // Not entities: left as they came.
  EXPECT_EQ(LectorDeEtiquetas::DecodificaXML("a & b &nada; &#0; &"), "a & b &nada; &#0; &");
}

TEST(LectorDeEtiquetasTest, TextoUtf8OWindows1252) {
  LectorDeEtiquetas utf8("<clave>MU\xC3\x91OZ \xC3\x9A</clave>");
  ASSERT_TRUE(utf8.Siguiente());
  EXPECT_EQ(utf8.Lee("clave"), "MUÑOZ Ú");
  LectorDeEtiquetas latino("<clave>MU\xD1OZ</clave>");
  ASSERT_TRUE(latino.Siguiente());
  EXPECT_EQ(latino.Lee("clave"), "MUÑOZ");
  // Both in one file: each letter read as it came.
  LectorDeEtiquetas mezcla("<clave>MU\xC3\x91OZ</clave><nombre>Caf\xE9 \xC3\x9Anico</nombre>");
  ASSERT_TRUE(mezcla.Siguiente());
  EXPECT_EQ(mezcla.Lee("clave"), "MUÑOZ");
  EXPECT_EQ(mezcla.Lee("nombre"), "Café Único");
}

TEST(LectorDeEtiquetasTest, UnaEtiquetaFaltanteNoSeTomaDelRegistroSiguiente) {
  LectorDeEtiquetas l(
      "<r><clave>A</clave><nombre>Uno</nombre></r>"
      "<r><clave>B</clave><cp>44100</r>"
      "<r><clave>C</clave><nombre>Tres</nombre><cp>1</cp></r>");
  ASSERT_TRUE(l.Siguiente());
  EXPECT_EQ(l.Lee("clave"), "A");
  EXPECT_EQ(l.Lee("nombre"), "Uno");
  EXPECT_EQ(l.Lee("cp"), std::nullopt);  // C's <cp> belongs to C
  ASSERT_TRUE(l.Siguiente());
  EXPECT_EQ(l.Numero(), 2);
  EXPECT_EQ(l.Lee("clave"), "B");
  EXPECT_EQ(l.Lee("nombre"), std::nullopt);
  EXPECT_THROW(l.Lee("cp"), LectorDeEtiquetas::TagIncompleto);
  ASSERT_TRUE(l.Siguiente());
  EXPECT_EQ(l.Lee("clave"), "C");
  // Elements are read in file order: one already passed is not found again.
  EXPECT_EQ(l.Lee("cp"), "1");
  EXPECT_EQ(l.Lee("nombre"), std::nullopt);
  EXPECT_FALSE(l.Siguiente());
}

}  // namespace
}  // namespace travesa
