// The payment file: which names a run takes, the date and time a name gives,
// and the payments its "values (" groups hold, whatever the line ends.
#include <gtest/gtest.h>

#include "payments/DecisionesDePago.h"
#include "payments/LectorDePagos.h"
#include "payments/clsPagos.h"

namespace travesa {
namespace {

using Momento = LectorDePagos::Momento;

std::vector<RegistroDePago> Lee(std::string_view texto, std::vector<std::string>* rechazos = nullptr) {
  std::vector<std::string> propios;
  return LectorDePagos::Registros(texto, Momento{"2024-05-17", "09:30"}, rechazos ? *rechazos : propios);
}

std::string Grupo(std::string_view id, std::string_view monto, std::string_view fin) {
  return "insert into cxcs (a,b,c,id,monto) values ('tel1','V01','x'," + std::string(id) + "," + std::string(monto) +
         ",'nota')" + std::string(fin);
}

TEST(LectorDePagosTest, AceptaPorVendedorSinImportarMayusculas) {
  EXPECT_TRUE(clsPagos::Aceptado("cxcs_tel1_v01_17_05_2024_09_30.sql", "V01"));
  EXPECT_TRUE(clsPagos::Aceptado("cxcs_tel1_V01_17_05_2024_09_30.sql", "v01"));
  EXPECT_FALSE(clsPagos::Aceptado("cxcs_tel1_V02_17_05_2024_09_30.sql", "V01"));
  EXPECT_TRUE(clsPagos::Aceptado("cxcs_tel1_V02_17_05_2024_09_30.sql", ""));
  // No "_" after the device: never; a seller field without a further "_": not with a seller chosen.
  EXPECT_FALSE(clsPagos::Aceptado("cxcs_tel1.sql", ""));
  EXPECT_FALSE(clsPagos::Aceptado("cxcs_tel1_V01.sql", "V01"));
  EXPECT_TRUE(clsPagos::Aceptado("cxcs_tel1_V01.sql", ""));
}

TEST(LectorDePagosTest, FechaYHoraDelNombre) {
  auto m = LectorDePagos::MomentoDelNombre("cxcs_tel1_V01_17_05_2024_09_30.sql");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->fecha, "2024-05-17");
  EXPECT_EQ(m->hora, "09:30");
  // One-digit fields are padded, so the time compares on its five characters.
  m = LectorDePagos::MomentoDelNombre("cxcs_tel1_V01_7_5_2024_9_5.sql");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->fecha, "2024-05-07");
  EXPECT_EQ(m->hora, "09:05");
  // The numbered name a second copy gets in the backup folder reads the same.
  m = LectorDePagos::MomentoDelNombre("cxcs_tel1_V01_17_05_2024_09_30.1.sql");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->hora, "09:30");
  for (const char* malo :
       {"cxcs_tel1_V01_17_05_2024_09.sql", "cxcs_tel1_V01_17_05_2024_09_30", "cxcs_tel1_V01_31_02_2024_09_30.sql",
        "cxcs_tel1_V01_17_05_2024_25_30.sql", "cxcs_tel1_V01_aa_05_2024_09_30.sql", "cxcs_tel1_V01_17_05_24_09_30.sql"})
    EXPECT_FALSE(LectorDePagos::MomentoDelNombre(malo)) << malo;
}

TEST(LectorDePagosTest, GruposTerminadosPorLfCrLfOCr) {
  for (const char* fin : {"\n", "\r\n", "\r"}) {
    const auto r = Lee(Grupo(" 1234", " 150.5", fin));
    ASSERT_EQ(r.size(), 1u) << fin;
    EXPECT_EQ(r[0].idCxc, 1234);
    EXPECT_DOUBLE_EQ(r[0].monto, 150.5);
    EXPECT_EQ(r[0].fecha, "2024-05-17");
    EXPECT_EQ(r[0].hora, "09:30");
  }
  // Three groups, each with its own line end, and a file with none.
  const auto r = Lee(Grupo("1", "10", "\r\n") + Grupo("2", "20.25", "\n") + Grupo("3", "30", "\r"));
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[1].idCxc, 2);
  EXPECT_DOUBLE_EQ(r[1].monto, 20.25);
  EXPECT_EQ(r[2].idCxc, 3);
  EXPECT_TRUE(Lee("-- nada\r\n").empty());
  // "values (" is matched with its exact case.
  EXPECT_TRUE(Lee("insert into cxcs VALUES ('a','b','c',1,10)\n").empty());
}

TEST(LectorDePagosTest, GruposMalosSeOmitenYSeDicen) {
  std::vector<std::string> rechazos;
  // A closing ")" inside the text that is not before a line end does not end a group.
  const std::string texto =
      "values ('a','b(x)','c',5,55)\n"
      "values ('a','b',7)\n"
      "values ('a','b','c',6,60)\n"
      "values ('a','b','c',8,80\n";
  const auto r = Lee(texto, &rechazos);
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].idCxc, 5);
  // Each payment keeps the place of its group in the file, rejected groups counted.
  EXPECT_EQ(r[0].orden, 1);
  EXPECT_EQ(r[1].idCxc, 6);
  EXPECT_EQ(r[1].orden, 3);
  ASSERT_EQ(rechazos.size(), 2u);
  EXPECT_NE(rechazos[0].find("menos de cinco"), std::string::npos);
  EXPECT_NE(rechazos[1].find("sin \")\""), std::string::npos);
  // An apostrophe written as \' does not move the items.
  const auto conEscape = Lee("values ('O\\'Brien','b','c',9,90.75)\r\n");
  ASSERT_EQ(conEscape.size(), 1u);
  EXPECT_DOUBLE_EQ(conEscape[0].monto, 90.75);
}

// A payment is known on every desk by its file's name and content: a copy
// the backup folder numbered is the same file; another minute or another
// content is another.
TEST(LectorDePagosTest, LaIdentidadDeUnArchivoEsSuNombreYSuContenido) {
  const auto a = DecisionesDePago::DelArchivo("respaldo/cxcs_tel1_V01_17_05_2024_09_30.sql", "values (1)\n");
  const auto copia = DecisionesDePago::DelArchivo("otra/cxcs_tel1_V01_17_05_2024_09_30.1.sql", "values (1)\n");
  EXPECT_EQ(a.archivo, "cxcs_tel1_V01_17_05_2024_09_30.sql");
  EXPECT_EQ(copia.archivo, a.archivo);
  EXPECT_EQ(copia.huella, a.huella);
  EXPECT_EQ(a.huella.size(), 64u);
  EXPECT_NE(DecisionesDePago::DelArchivo("cxcs_tel1_V01_17_05_2024_09_31.sql", "values (1)\n").huella, a.huella);
  EXPECT_NE(DecisionesDePago::DelArchivo("cxcs_tel1_V01_17_05_2024_09_30.sql", "values (2)\n").huella, a.huella);
}

}  // namespace
}  // namespace travesa
