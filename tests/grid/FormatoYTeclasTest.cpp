// The rules of the editable grid that need no grid: the key templates, the
// formats a value is written in, and where Enter goes next.
#include <gtest/gtest.h>

#include "grid/FormatoCelda.h"
#include "grid/PlantillaDeTeclas.h"
#include "grid/ReglasDeAvance.h"
#include "grid/TeclasGrid.h"
#include "shell/Formatos.h"

namespace travesa {
namespace {

using R = PlantillaDeTeclas::Resultado;

bool Igual(R a, R b) { return a.tecla == b.tecla && a.pitido == b.pitido; }

TEST(PlantillaDeTeclas, NumeroYHoraDejanPasarSoloSusTeclas) {
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'a', "9"), {0, true}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U' ', "9"), {0, true}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U':', "9"), {0, true}));
  for (const char32_t c : {U'5', U'0', U'.', U'-', teclas::kEnter, teclas::kRetroceso})
    EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(c, "9"), {c, false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U':', "T"), {U':', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'-', "T"), {0, true}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'p', "T"), {0, true}));
  // An apostrophe under a number template is a double quote, and refused.
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'\'', "9"), {0, true}));
}

TEST(PlantillaDeTeclas, MayusculasMinusculasYComillas) {
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'a', "!"), {U'A', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'ñ', "!"), {U'Ñ', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'é', "!"), {U'É', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'7', "!"), {U'7', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'\\', "!"), {0, false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'Ñ', "¡"), {U'ñ', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'\\', "¡"), {0, false}));
  // No template: everything passes, the apostrophe as a double quote.
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'\\', ""), {U'\\', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'\'', ""), {U'"', false}));
  EXPECT_TRUE(Igual(PlantillaDeTeclas::Filtra(U'\'', "!"), {U'"', false}));
  EXPECT_EQ(teclas::Utf8(U'Ñ'), "Ñ");
  EXPECT_EQ(teclas::SinUltimo("12.50"), "12.5");
  EXPECT_EQ(teclas::SinUltimo("PEÑ"), "PE");
  EXPECT_EQ(teclas::SinUltimo(""), "");
}

TEST(FormatoCelda, Numeros) {
  EXPECT_EQ(FormatoCelda::Aplica("1234.5", "#,0.00"), "1,234.50");
  EXPECT_EQ(FormatoCelda::Aplica("1,234.5", "#,0.00"), "1,234.50");
  EXPECT_EQ(FormatoCelda::Aplica("-1234567.125", "#,0.00"), "-1,234,567.13");
  EXPECT_EQ(FormatoCelda::Aplica("2.675", "#,0.00"), "2.68");
  EXPECT_EQ(FormatoCelda::Aplica(".5", "#,0.00"), "0.50");
  EXPECT_EQ(FormatoCelda::Aplica("-0.001", "#,0.00"), "0.00");
  EXPECT_EQ(FormatoCelda::Aplica("999.999", "#,0.00"), "1,000.00");
  EXPECT_EQ(FormatoCelda::Aplica("3.14159", "0.000"), "3.142");
  EXPECT_EQ(FormatoCelda::Aplica("1275", "###,###,##0"), "1,275");
  EXPECT_EQ(FormatoCelda::Aplica("0", "###,###,##0"), "0");
  EXPECT_EQ(FormatoCelda::Aplica("2.5", "0.##"), "2.5");
  EXPECT_EQ(FormatoCelda::Aplica("7", "$#,0.00"), "$7.00");
  EXPECT_EQ(FormatoCelda::Aplica("1234.5", "Standard"), "1,234.50");
  // What is not a number is written as typed; so is everything without a format.
  EXPECT_EQ(FormatoCelda::Aplica("", "#,0.00"), "");
  EXPECT_EQ(FormatoCelda::Aplica("abc", "#,0.00"), "abc");
  EXPECT_EQ(FormatoCelda::Aplica("1.2.3", "#,0.00"), "1.2.3");
  EXPECT_EQ(FormatoCelda::Aplica("1234.5", ""), "1234.5");
  EXPECT_EQ(FormatoCelda::Aplica("12345678901234567.5", "#,0.00"), "12,345,678,901,234,568.00");
  EXPECT_EQ(formatos::Numero(0.5, 0, false), "1");
  EXPECT_EQ(formatos::Numero(-0.5, 0, true), "-1");
}

TEST(FormatoCelda, LeeNumeroPideUnNumeroEntero) {
  EXPECT_EQ(FormatoCelda::LeeNumero(" 1,234.50 "), 1234.5);
  EXPECT_EQ(FormatoCelda::LeeNumero("-3"), -3);
  EXPECT_EQ(FormatoCelda::LeeNumero("+.5"), 0.5);
  for (const char* malo : {"", "-", ".", "1.2.3", "12a", "a12", "1 2", ",5", "--1"})
    EXPECT_FALSE(FormatoCelda::LeeNumero(malo).has_value()) << malo;
}

TEST(FormatoCelda, FechasYHoras) {
  EXPECT_EQ(FormatoCelda::Aplica("2026-12-08", "dd/mmm/yyyy"), "08/dic/2026");
  EXPECT_EQ(FormatoCelda::Aplica("08/12/2026", "dd/mmm/yyyy"), "08/dic/2026");
  EXPECT_EQ(FormatoCelda::Aplica("8/1/26", "dd/mm/yyyy"), "08/01/2026");
  EXPECT_EQ(FormatoCelda::Aplica("08/dic/2026", "yyyy-mm-dd"), "2026-12-08");
  EXPECT_EQ(FormatoCelda::Aplica("Dec 8, 2026 1:45:09 PM", "dd/mm/yyyy hh:nn:ss"), "08/12/2026 13:45:09");
  EXPECT_EQ(FormatoCelda::Aplica("2026-05-17 09:30", "d \"de\" mmmm \"de\" yyyy, hh:mm"), "17 de mayo de 2026, 09:30");
  EXPECT_EQ(FormatoCelda::Aplica("13:45:09", "Short Time"), "13:45");
  EXPECT_EQ(FormatoCelda::Aplica("29/02/2024", "Short Date"), "29/02/2024");
  // Not a real date: written as typed, and not a date for the masked box.
  EXPECT_EQ(FormatoCelda::Aplica("31/02/2026", "dd/mmm/yyyy"), "31/02/2026");
  for (const char* malo : {"", "  /  /    ", "29/02/2026", "12/13/2026", "2026-12", "25:00", "08/12/2026 x"})
    EXPECT_FALSE(FormatoCelda::EsFecha(malo)) << malo;
  EXPECT_TRUE(FormatoCelda::EsFecha("01/01/2000"));
}

TEST(ReglasDeAvance, DeColumnaEnColumnaYDeRenglonEnRenglon) {
  using P = ReglasDeAvance::Paso;
  std::vector<clsColumnasGrid> cols(3);
  cols[0].Columna = 2, cols[1].Columna = 5, cols[2].Columna = 3;
  // The next descriptor in the order added whose column is higher.
  auto d = ReglasDeAvance::Siguiente(cols, 1, 2, 4, true);
  EXPECT_EQ(d.paso, P::OtraColumna);
  EXPECT_EQ(d.columna, 5);
  EXPECT_TRUE(d.abrirEditor);
  d = ReglasDeAvance::Siguiente(cols, 1, 3, 4, true);
  EXPECT_EQ(d.columna, 5);
  // From the last column: down to the first column added.
  d = ReglasDeAvance::Siguiente(cols, 1, 5, 4, true);
  EXPECT_EQ(d.paso, P::RenglonAbajo);
  EXPECT_EQ(d.renglon, 2);
  EXPECT_EQ(d.columna, 2);
  EXPECT_FALSE(d.abrirEditor);
  d = ReglasDeAvance::Siguiente(cols, 3, 5, 4, true);
  EXPECT_TRUE(d.abrirEditor);  // arriving on the last row
  d = ReglasDeAvance::Siguiente(cols, 4, 5, 4, true);
  EXPECT_EQ(d.paso, P::RenglonNuevo);
  EXPECT_EQ(d.renglon, 5);
  d = ReglasDeAvance::Siguiente(cols, 4, 5, 4, false);
  EXPECT_EQ(d.paso, P::Queda);
  EXPECT_EQ(d.renglon, 4);
  EXPECT_EQ(d.columna, 2);
  EXPECT_FALSE(d.abrirEditor);
}

}  // namespace
}  // namespace travesa
