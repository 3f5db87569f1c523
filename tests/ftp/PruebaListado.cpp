// Remote listings: patterns, server order, replacement of the previous listing.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "comun/SitioDePrueba.h"
#include "ftp/clsFTP.h"

namespace travesa {
namespace {

using prueba::SitioDePrueba;

// The names of the folder in the order the server lists them: the order its
// disk gives them, or by name on vsftpd, which sorts its listings.
std::vector<std::string> OrdenDelServidor(const SitioDePrueba& s, std::string_view prefijo) {
  std::vector<std::string> nombres;
  for (const auto& e : std::filesystem::directory_iterator(s.EnDisco(""))) {
    const std::string n = e.path().filename().string();
    if (n.rfind(prefijo, 0) == 0) nombres.push_back(n);
  }
  if (s.servidor().nombre.starts_with("vsftpd")) std::sort(nombres.begin(), nombres.end());
  return nombres;
}

TEST(ftpListado, SinCoincidenciasNoHayListaNiError) {
  SitioDePrueba s;
  s.Escribe("cxcs_01.sql", "x");
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp));
  EXPECT_EQ(ftp.GetDirectoryListing("ventas_*.sql"), nullptr);
  EXPECT_EQ(ftp.Directory().count(), 0u);
  EXPECT_EQ(ftp.GetLastErrorMessage(), "");
}

TEST(ftpListado, TresArchivosEnElOrdenDelServidor) {
  SitioDePrueba s;
  for (const char* n : {"ventas_02_b.sql", "ventas_01_a.sql", "cxcs_01.sql", "ventas_03_c.sql", "ventas_04.txt"})
    s.Escribe(n, n);
  std::filesystem::create_directory(s.EnDisco("ventas_carpeta"));
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp));

  const auto lista = ftp.GetDirectoryListing("ventas_*.sql");
  ASSERT_NE(lista, nullptr) << ftp.GetLastErrorMessage();
  EXPECT_EQ(lista.get(), &ftp.Directory());
  std::vector<std::string> vistos;
  for (std::size_t i = 1; i <= ftp.Directory().count(); ++i) vistos.push_back(ftp.Directory().Item(i)->filename);
  std::vector<std::string> esperados;
  for (const auto& n : OrdenDelServidor(s, "ventas_")) {
    if (n.size() > 4 && n.substr(n.size() - 4) == ".sql") esperados.push_back(n);
  }
  EXPECT_EQ(vistos, esperados);
  EXPECT_EQ(vistos.size(), 3u);

  const cDirItem* item = lista->Item("ventas_01_a.sql");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->FileSize, 15);
  EXPECT_TRUE(item->Normal);
  EXPECT_FALSE(item->Directory);
  EXPECT_GT(item->LastWriteTime, 40000.0);  // a date after 2009
  EXPECT_EQ(lista->Item("VENTAS_01_A.SQL"), item);
  EXPECT_EQ(lista->Item(std::size_t{0}), nullptr);
  EXPECT_EQ(lista->Item(std::size_t{4}), nullptr);

  // Folders come back too, marked as such; iteration walks the same order.
  ASSERT_NE(ftp.GetDirectoryListing("ventas_*"), nullptr);
  std::vector<std::string> todos;
  for (const auto& e : ftp.Directory()) todos.push_back(e.filename + (e.Directory ? "/" : ""));
  std::vector<std::string> esperadosTodos;
  for (const auto& n : OrdenDelServidor(s, "ventas_")) esperadosTodos.push_back(n + (n == "ventas_carpeta" ? "/" : ""));
  EXPECT_EQ(todos, esperadosTodos);
}

TEST(ftpListado, UnSegundoListadoReemplazaAlPrimero) {
  SitioDePrueba s;
  s.Escribe("ventas_01.sql", "1");
  s.Escribe("cxcs_01.sql", "1");
  s.Escribe("cxcs_02.sql", "2");
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp));
  const auto primero = ftp.GetDirectoryListing("cxcs_*.sql");
  ASSERT_NE(primero, nullptr);
  ASSERT_NE(ftp.GetDirectoryListing("ventas_*.sql"), nullptr);
  ASSERT_EQ(ftp.Directory().count(), 1u);
  EXPECT_EQ(ftp.Directory().Item(1)->filename, "ventas_01.sql");
  EXPECT_EQ(primero->count(), 2u);  // the caller's copy of the first one is untouched

  EXPECT_EQ(ftp.GetDirectoryListing("nada_*"), nullptr);
  EXPECT_EQ(ftp.Directory().count(), 0u);
}

TEST(ftpListado, PatronesComoEnWindows) {
  SitioDePrueba s;
  for (const char* n : {"VENTAS_01.SQL", "ventas_02.sql", "ventas_1.sql", "Año_ñ.txt", "sin punto"}) s.Escribe(n, "");
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp));
  const auto nombres = [&](std::string_view patron) {
    std::vector<std::string> v;
    if (ftp.GetDirectoryListing(patron) == nullptr) return v;
    for (const auto& e : ftp.Directory()) v.push_back(e.filename);
    std::sort(v.begin(), v.end());
    return v;
  };
  EXPECT_EQ(nombres("ventas_*.sql"), (std::vector<std::string>{"VENTAS_01.SQL", "ventas_02.sql", "ventas_1.sql"}));
  EXPECT_EQ(nombres("ventas_??.sql"), (std::vector<std::string>{"VENTAS_01.SQL", "ventas_02.sql"}));
  EXPECT_EQ(nombres("AÑO_?.*"), (std::vector<std::string>{"Año_ñ.txt"}));
  EXPECT_EQ(nombres("*.*").size(), 5u);
  EXPECT_EQ(nombres("").size(), 5u);
  // A pattern may name a folder, relative or absolute.
  std::filesystem::create_directory(s.EnDisco("sub"));
  s.Escribe("sub/ventas_09.sql", "");
  EXPECT_EQ(nombres("sub/ventas_*"), (std::vector<std::string>{"ventas_09.sql"}));
  EXPECT_EQ(nombres(s.carpeta() + "/sub/*.sql"), (std::vector<std::string>{"ventas_09.sql"}));
}

TEST(ftpListado, CarpetaInexistenteEsUnError) {
  SitioDePrueba s;
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp));
  EXPECT_EQ(ftp.GetDirectoryListing("no-existe/ventas_*.sql"), nullptr);
  EXPECT_EQ(ftp.Directory().count(), 0u);
  // The server's refusal, as it wrote it.
  EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 1), "5") << ftp.GetLastErrorMessage();
  EXPECT_EQ(ftp.GetLastErrorMessage().find("error code"), std::string::npos);
}

}  // namespace
}  // namespace travesa
