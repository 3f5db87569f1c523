// The sales file reader: lines, value lists, dates and the device's letters;
// the amounts rounded to the cent.
#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"
#include "sales/LineaDeVenta.h"
#include "sales/clsArchivoTravesa.h"
#include "sales/clsDescargarSQLs.h"

namespace travesa {
namespace {

using Lista = std::vector<std::string>;

class ArchivoTravesaTest : public ::testing::Test {
 protected:
  clsArchivoTravesa& Lee(const std::string& contenido) {
    prueba::EscribeArchivo(dir_ / "ventas.sql", contenido);
    lector_.PrepararSQL(dir_ / "ventas.sql");
    return lector_;
  }
  Lista Valores(const std::string& campos, const std::string& valores) {
    Lee("INSERT INTO ventas (" + campos + ") VALUES (" + valores + ");\r\n");
    Lista c, v;
    EXPECT_TRUE(lector_.DadmeLinea(c, v));
    return v;
  }

  prueba::CarpetaTemporal dir_;
  clsArchivoTravesa lector_;
};

TEST_F(ArchivoTravesaTest, SeparaValoresComoLosEscribeElTelefono) {
  EXPECT_EQ(Valores("a, b, c", "'uno', 'dos', 3"), (Lista{"uno", "dos", "3"}));
  // A quoted ", " stays in its value; an empty quoted value is an empty text.
  EXPECT_EQ(Valores("a, b, c", "'Pérez, Juan', '', 7.5"), (Lista{"Pérez, Juan", "", "7.5"}));
  // A quoted last value adds an empty value that the column count drops.
  EXPECT_EQ(Valores("a, b", "5, 'x'"), (Lista{"5", "x"}));
  // Fewer values than columns are padded, more are dropped.
  EXPECT_EQ(Valores("a, b, c, d", "1, 2"), (Lista{"1", "2", "", ""}));
  EXPECT_EQ(Valores("a, b", "1, 2, 3"), (Lista{"1", "2"}));
  // The device's backslash-apostrophe is a double quote in the value.
  EXPECT_EQ(Valores("a, b", "'O\\'Brien', 1"), (Lista{"O\"Brien", "1"}));
  EXPECT_EQ(lector_.SQL(), "INSERT INTO ventas (a, b) VALUES ('O\"Brien', 1);\r\n");
}

TEST_F(ArchivoTravesaTest, ComillasEscapadasParentesisYComasDentroDeUnValor) {
  // A quoted value runs to its closing quote, whatever it holds.
  EXPECT_EQ(Valores("a, b, c", "'Pagado (efectivo), gracias', 'x)y(', 3"),
            (Lista{"Pagado (efectivo), gracias", "x)y(", "3"}));
  EXPECT_EQ(lector_.Defecto(), "");
  // An apostrophe escaped by a backslash or by doubling it: the same double quote.
  EXPECT_EQ(Valores("a, b, c, d", "'O\\'Brien (hijo)', 'd''Artagnan', '''', ''"),
            (Lista{"O\"Brien (hijo)", "d\"Artagnan", "\"", ""}));
  EXPECT_EQ(lector_.Defecto(), "");
  // Commas without their blank, blanks around bare values.
  EXPECT_EQ(Valores("a, b, c", "'x',1 ,  'y'"), (Lista{"x", "1", "y"}));
  EXPECT_EQ(lector_.Defecto(), "");
  // Values that cannot be placed: padded to the columns, and said why.
  EXPECT_EQ(Valores("a, b, c", "'abierta, 1, 2"), (Lista{"", "", ""}));
  EXPECT_EQ(lector_.Defecto(), "la comilla que abre el valor 1 no se cierra");
  EXPECT_EQ(Valores("a, b", "'uno'dos, 2"), (Lista{"uno", ""}));
  EXPECT_EQ(lector_.Defecto(), "después del valor 1 sigue «dos, 2);» en lugar de una coma");
  EXPECT_EQ(Valores("a, b", "1, 2'"), (Lista{"1", ""}));
  EXPECT_EQ(lector_.Defecto(), "el valor 2 tiene una comilla fuera de lugar");
  EXPECT_EQ(Valores("a, b, c, d", "1, 2"), (Lista{"1", "2", "", ""}));
  EXPECT_EQ(lector_.Defecto(), "trae 2 valores para 4 columnas");
  Lee("INSERT INTO v (a, b) VALUES (1, 2\n");
  Lista c, v;
  ASSERT_TRUE(lector_.DadmeLinea(c, v));
  EXPECT_EQ(lector_.Defecto(), "la lista de valores no se cierra con «)»");
}

TEST_F(ArchivoTravesaTest, NotaConParentesisConservaLosPagos) {
  prueba::VentaDeTelefono venta{"Dec 8, 2026 1:45:09 PM", "V01", "C1", "CO", "Pagado (efectivo)", 1, {}};
  venta.formasDePago[0] = 50;
  venta.formasDePago[1] = 39;
  for (const bool larga : {false, true}) {
    Lee(prueba::ArchivoDeVentas().Linea(venta, "P1", 2, 44.5, larga).contenido());
    Lista c, v;
    ASSERT_TRUE(lector_.DadmeLinea(c, v));
    EXPECT_EQ(lector_.Defecto(), "");
    std::string motivo;
    const auto l = LineaDeVenta::DeValores(v, motivo);
    ASSERT_TRUE(l) << motivo;
    EXPECT_EQ(l->nota, "Pagado (efectivo)");
    EXPECT_DOUBLE_EQ(l->formasDePago[0], 50);
    EXPECT_DOUBLE_EQ(l->formasDePago[1], 39);
  }
}

TEST_F(ArchivoTravesaTest, LineasHastaElUltimoSaltoYLineasMalFormadas) {
  Lee("INSERT INTO v (a) VALUES ('1');\n\n   \r\nsin parentesis\nINSERT INTO v (a) VALUES ('2');\nINSERT INTO v (a) "
      "VALUES ('3');");
  Lista c, v;
  ASSERT_TRUE(lector_.DadmeLinea(c, v));
  EXPECT_EQ(v, Lista{"1"});
  // Blank lines are passed over; a line without its lists gives empty lists.
  ASSERT_TRUE(lector_.DadmeLinea(c, v));
  EXPECT_TRUE(c.empty());
  EXPECT_TRUE(v.empty());
  EXPECT_EQ(lector_.UltimaLinea(), "sin parentesis");
  ASSERT_TRUE(lector_.DadmeLinea(c, v));
  EXPECT_EQ(v, Lista{"2"});
  // The last line has no LF: it stays unread.
  EXPECT_FALSE(lector_.DadmeLinea(c, v));
  EXPECT_EQ(lector_.Resto(), "INSERT INTO v (a) VALUES ('3');");
}

TEST_F(ArchivoTravesaTest, FechasDelTelefono) {
  std::string f, h = "previa";
  EXPECT_TRUE(clsArchivoTravesa::FechaHoraEspanich("Dec 8, 2026 1:45:09 PM", f, h));
  EXPECT_EQ(f, "2026-12-08");
  EXPECT_EQ(h, "13:45:09");
  EXPECT_TRUE(clsArchivoTravesa::FechaHoraEspanich("Dec 08 2026 13:45:09", f, h));
  EXPECT_EQ(f + " " + h, "2026-12-08 13:45:09");
  EXPECT_TRUE(clsArchivoTravesa::FechaHoraEspanich("dic 8, 2026 13:45:09", f, h));
  EXPECT_EQ(f + " " + h, "2026-12-08 13:45:09");
  EXPECT_TRUE(clsArchivoTravesa::FechaHoraEspanich("JAN 5, 2027 12:05:00 a. m.", f, h));
  EXPECT_EQ(f + " " + h, "2027-01-05 00:05:00");
  EXPECT_TRUE(clsArchivoTravesa::FechaHoraEspanich("ene 5, 2027 12:05:00 p. m.", f, h));
  EXPECT_EQ(f + " " + h, "2027-01-05 12:05:00");
  EXPECT_TRUE(clsArchivoTravesa::FechaHoraEspanich("Feb 28, 2027 9:15:42 AM", f, h));
  EXPECT_EQ(f + " " + h, "2027-02-28 09:15:42");
  EXPECT_TRUE(clsArchivoTravesa::FechaHoraEspanich("Aug 1, 2026 8:00:00 PM", f, h));
  EXPECT_EQ(f + " " + h, "2026-08-01 20:00:00");
  h = "previa";
  for (const char* malo : {"Feb 30, 2027 9:15:42 AM", "Foo 8, 2026 13:45:09", "Dec 8, 2026", "Dec 8, 2026 25:00:00",
                           "Dec 8, 2026 13:45:09 PM", "2026-12-08 13:45:09", "", "Dec 8, 2026 1:45:09 XM"}) {
    EXPECT_FALSE(clsArchivoTravesa::FechaHoraEspanich(malo, f, h)) << malo;
    EXPECT_EQ(h, "previa") << malo;
  }
  clsArchivoTravesa::FechaHoraEspanich("Jan 40, 2027 1:00:00", f, h);
  EXPECT_EQ(f, "Ene 40, 2027 1:00:00");
}

TEST_F(ArchivoTravesaTest, LetrasDelTelefonoEnUtf8YEnWindows1252) {
  const std::string utf8 = "INSERT INTO v (a) VALUES ('Ni\xC3\xB1o');\n";
  const std::string w1252 = "INSERT INTO v (a) VALUES ('Ni\xF1o');\n";
  Lista c, v;
  Lee(utf8).DadmeLinea(c, v);
  EXPECT_EQ(v, Lista{"Niño"});
  Lee(w1252).DadmeLinea(c, v);
  EXPECT_EQ(v, Lista{"Niño"});
  // Both in one file.
  Lee(utf8 + w1252);
  ASSERT_TRUE(lector_.DadmeLinea(c, v));
  EXPECT_EQ(v, Lista{"Niño"});
  ASSERT_TRUE(lector_.DadmeLinea(c, v));
  EXPECT_EQ(v, Lista{"Niño"});
  // UTF-8 letters that were read as Windows-1252 on the way come back whole.
  EXPECT_EQ(clsDescargarSQLs::DesUTF8cizar("Ã±Ã¡Ã©Ã\xC2\xAD"
                                           "Ã³ÃºÃ¼ Ã‰Ã“ÃšÃœÃ‘ Â¡Â¿"),
            "ñáéíóúü ÉÓÚÜÑ ¡¿");
  EXPECT_EQ(clsDescargarSQLs::DesUTF8cizar("\xC3\x83\xC2\x81"
                                           "\xC3\x83\xC2\x8D"),
            "ÁÍ");
  EXPECT_EQ(clsDescargarSQLs::DesUTF8cizar("Ñandú ‰"), "Ñandú ‰");
}

Lista Corta(const std::string& fecha, const std::string& cliente) {
  return {fecha,      "V01", cliente, "ABA001", "2", "44.5", "89", " 'CO' ", "2",
          "  nota  ", "10",  "20",    "0",      "0", "0",    "0",  "0",      "0"};
}

TEST_F(ArchivoTravesaTest, LineaDeVentaCortaYLarga) {
  std::string motivo;
  auto l = LineaDeVenta::DeValores(Corta("Dec 8, 2026 1:45:09 PM", "C001"), motivo);
  ASSERT_TRUE(l) << motivo;
  EXPECT_EQ(l->fecha, "2026-12-08");
  EXPECT_EQ(l->hora, "13:45:09");
  EXPECT_EQ(l->formaPago, "CO");
  EXPECT_EQ(l->nota, "nota");
  EXPECT_EQ(l->numPrecio, 2);
  EXPECT_DOUBLE_EQ(l->cantidad, 2);
  EXPECT_DOUBLE_EQ(l->importe, 89);
  EXPECT_DOUBLE_EQ(l->formasDePago[0], 10);
  EXPECT_DOUBLE_EQ(l->formasDePago[1], 20);
  Lista larga = {"dic 8, 2026 13:45:09",
                 "V01",
                 "C001",
                 "P",
                 "1",
                 "1.23456",
                 "1.23456",
                 "C",
                 "2",
                 "n",
                 "4",
                 "x",
                 "y",
                 "1",
                 "2",
                 "3",
                 "4",
                 "5",
                 "6",
                 "7",
                 "8"};
  l = LineaDeVenta::DeValores(larga, motivo);
  ASSERT_TRUE(l) << motivo;
  EXPECT_EQ(l->numPrecio, 4);  // position 10 when it is a number
  EXPECT_DOUBLE_EQ(l->precio, 1.2346);
  EXPECT_DOUBLE_EQ(l->formasDePago[0], 1);
  EXPECT_DOUBLE_EQ(l->formasDePago[7], 8);
  larga[10] = "no";
  EXPECT_EQ(LineaDeVenta::DeValores(larga, motivo)->numPrecio, 2);
  // A note of 120 characters keeps its first 100.
  Lista nota = Corta("Dec 8, 2026 1:45:09 PM", "C001");
  auto enes = [](int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "ñ";
    return s;
  };
  nota[9] = std::string(60, 'n') + enes(60);
  EXPECT_EQ(LineaDeVenta::DeValores(nota, motivo)->nota, std::string(60, 'n') + enes(40));
  EXPECT_FALSE(LineaDeVenta::DeValores(Corta("mañana", "C001"), motivo));
  EXPECT_NE(motivo.find("mañana"), std::string::npos);
  EXPECT_FALSE(LineaDeVenta::DeValores(Lista(19, "1"), motivo));
  EXPECT_NE(motivo.find("19 columnas"), std::string::npos);
}

// The amounts of a sale are posted rounded to the cent.
TEST(FoliosTest, RedondeoADosDecimales) {
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(1.234), 1.23);
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(1.236), 1.24);
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(-2.5), -2.5);
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(1234567.125), 1234567.13);
}

}  // namespace
}  // namespace travesa
