// Deleting and renaming remote files, creating and removing folders.
#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"
#include "comun/SitioDePrueba.h"
#include "ftp/clsFTP.h"

namespace travesa {
namespace {

using prueba::LeeArchivo;
using prueba::SitioDePrueba;

TEST(ftpArchivosRemotos, BorraYRenombra) {
  SitioDePrueba s;
  s.Escribe("ventas_01 con blancos.sql", "v");
  s.Escribe("catalogo.xml.tmp", "nuevo");
  s.Escribe("catalogo.xml", "viejo");
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp));

  EXPECT_TRUE(ftp.DeleteFTPFile("ventas_01 con blancos.sql")) << ftp.GetLastErrorMessage();
  EXPECT_FALSE(std::filesystem::exists(s.EnDisco("ventas_01 con blancos.sql")));
  EXPECT_FALSE(ftp.DeleteFTPFile("ventas_01 con blancos.sql"));
  EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 4), "550 ") << ftp.GetLastErrorMessage();

  // The publishing way: upload under a temporary name, rename over the published one.
  EXPECT_TRUE(ftp.RenameFTPFile("catalogo.xml.tmp", "catalogo.xml")) << ftp.GetLastErrorMessage();
  EXPECT_EQ(LeeArchivo(s.EnDisco("catalogo.xml")), "nuevo");
  EXPECT_FALSE(std::filesystem::exists(s.EnDisco("catalogo.xml.tmp")));
  EXPECT_FALSE(ftp.RenameFTPFile("no-existe.xml", "otro.xml"));
  EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 1), "5") << ftp.GetLastErrorMessage();
  // Refusals do not cost a new login: the whole job ran on one connection.
  EXPECT_TRUE(ftp.DeleteFTPFile("catalogo.xml"));
  EXPECT_EQ(ftp.ConexionesAbiertas(), 1);
}

TEST(ftpArchivosRemotos, CreaYQuitaCarpetas) {
  SitioDePrueba s;
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp));
  EXPECT_TRUE(ftp.CreateFTPDirectory("respaldo de hoy")) << ftp.GetLastErrorMessage();
  EXPECT_TRUE(std::filesystem::is_directory(s.EnDisco("respaldo de hoy")));
  EXPECT_FALSE(ftp.CreateFTPDirectory("respaldo de hoy"));
  EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 1), "5");

  s.Escribe("respaldo de hoy/a.sql", "a");
  EXPECT_FALSE(ftp.RemoveFTPDirectory("respaldo de hoy"));  // not empty
  EXPECT_TRUE(ftp.DeleteFTPFile("respaldo de hoy/a.sql")) << ftp.GetLastErrorMessage();
  EXPECT_TRUE(ftp.RemoveFTPDirectory(s.carpeta() + "/respaldo de hoy")) << ftp.GetLastErrorMessage();
  EXPECT_FALSE(std::filesystem::exists(s.EnDisco("respaldo de hoy")));
}

}  // namespace
}  // namespace travesa
