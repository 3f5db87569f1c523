// The small shell helpers, from text alone: the seller's files, the Yes-only
// confirmation, dates and amounts as the office reads them, the fields of the
// settings page and a user's rights string.
#include <gtest/gtest.h>

#include "comun/OperadorDePrueba.h"
#include "shell/Dialogos.h"
#include "shell/Formatos.h"
#include "shell/ReglasAjustes.h"
#include "shell/clsAcceso.h"

namespace travesa {
namespace {

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

TEST(AccedeTest, SoloLaSMayusculaEnSuPosicion) {
  EXPECT_TRUE(clsAcceso::Accede(2, "NSN"));
  EXPECT_FALSE(clsAcceso::Accede(2, "NsN"));
  EXPECT_FALSE(clsAcceso::Accede(4, "NSN"));
  EXPECT_FALSE(clsAcceso::Accede(0, "SSS"));
}

}  // namespace
}  // namespace travesa
