// The pieces the real server cannot show, read from text alone: site forms it
// never sees, the LIST lines of servers without MLSD, a remote file's address
// split into site and path, and the code in the FTP client's error text.
#include <gtest/gtest.h>

#include "ftp/DescargaRemota.h"
#include "ftp/ErrorFTP.h"
#include "ftp/LectorListado.h"
#include "ftp/RutaFTP.h"
#include "ftp/SitioFTP.h"
#include "ftp/cDirItem.h"

namespace travesa {
namespace {

TEST(ftpPiezas, FormasDelSitio) {
  struct Caso {
    const char* texto;
    const char* host;
    unsigned puerto;
    bool tls;
  };
  for (const auto& c :
       {Caso{"ftp.ejemplo.mx", "ftp.ejemplo.mx", 21, false}, Caso{"ftp.ejemplo.mx:2121", "ftp.ejemplo.mx", 2121, false},
        Caso{"ftp://ftp.ejemplo.mx", "ftp.ejemplo.mx", 21, false},
        Caso{"FTPS://ftp.ejemplo.mx:990/", "ftp.ejemplo.mx", 990, true}, Caso{"ftps://[::1]:2121", "::1", 2121, true},
        Caso{"::1", "::1", 21, false}}) {
    const auto s = SitioFTP::Lee(c.texto);
    ASSERT_TRUE(s) << c.texto;
    EXPECT_EQ(s->host(), c.host);
    EXPECT_EQ(s->puerto(), c.puerto);
    EXPECT_EQ(s->tls(), c.tls);
  }
  EXPECT_EQ(SitioFTP::Lee("ftps://[::1]:2121")->Url(), "ftp://[::1]:2121");
  for (const char* malo : {"", "http://x", "sftp://x", "x:", "x:abc", "x:70000", "usuario@x", "ftp://:21"})
    EXPECT_FALSE(SitioFTP::Lee(malo)) << malo;
}

TEST(ftpPiezas, RutasRemotas) {
  EXPECT_EQ(RutaFTP::Absoluta("/a", "b/c/"), "/a/b/c");
  EXPECT_EQ(RutaFTP::Absoluta("/a/b", "../../.."), "/");
  EXPECT_EQ(RutaFTP::Absoluta("/a", "/x/./y"), "/x/y");
  EXPECT_EQ(RutaFTP::ParaUrl("/", true), "/%2F");
  EXPECT_EQ(RutaFTP::ParaUrl("/a b/ñ#?.sql", false), "/%2Fa%20b/%C3%B1%23%3F.sql");
  EXPECT_EQ(RutaFTP::ParaUrl("/a", true), "/%2Fa/");
}

TEST(ftpPiezas, LineasDeList) {
  const std::string unix =
      "drwxr-xr-x   2 ftp      ftp          4096 Dec  8 14:41 respaldo\r\n"
      "-rw-r--r--   1 ftp      ftp           600 Jan 31  2025 ventas_01 con blancos.sql\r\n"
      "lrwxrwxrwx   1 ftp      ftp            12 Dec  8 14:41 ultimo.sql -> ventas_01.sql\r\n"
      "-rw-r--r--   1 ftp           77 Dec  8 14:41 sin grupo.sql\r\n"
      "total 12\r\n"
      "-rw-r--r--   1 ftp      ftp            99 Dec  8 14:41 a medi";
  const auto e = LectorListado::DeList(unix, false);
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].nombre, "respaldo");
  EXPECT_EQ(e[0].atributos, cDirItem::kCarpeta);
  EXPECT_EQ(e[1].nombre, "ventas_01 con blancos.sql");
  EXPECT_EQ(e[1].tamano, 600);
  EXPECT_DOUBLE_EQ(e[1].escritura, LectorListado::FechaOle(2025, 1, 31, 0, 0, 0));
  EXPECT_EQ(e[2].nombre, "ultimo.sql");
  EXPECT_EQ(e[3].nombre, "sin grupo.sql");
  EXPECT_EQ(e[3].tamano, 77);

  const auto d = LectorListado::DeList(
      "12-08-26  02:45PM       <DIR>          Respaldo viejo\r\n"
      "01-31-25  09:05AM                  600 ventas_02.sql\r\n");
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].nombre, "Respaldo viejo");
  EXPECT_EQ(d[0].atributos, cDirItem::kCarpeta);
  EXPECT_DOUBLE_EQ(d[0].escritura, LectorListado::FechaOle(2026, 12, 8, 14, 45, 0));
  EXPECT_EQ(d[1].tamano, 600);
}

TEST(ftpPiezas, LineasDeMlsd) {
  const auto e = LectorListado::DeMlsd(
      "type=cdir;modify=20261208144100; .\r\n"
      "type=file;size=12;perm=r;modify=20261208144100; nombre; con punto y coma.sql\r\n"
      "Type=Dir;Modify=20261208144100; sub\r\n");
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].nombre, "nombre; con punto y coma.sql");
  EXPECT_EQ(e[0].atributos, cDirItem::kSoloLectura);
  EXPECT_EQ(e[0].tamano, 12);
  EXPECT_NEAR(e[0].escritura, LectorListado::FechaOle(2026, 12, 8, 14, 41, 0), 1.0);  // local time of a UTC stamp
  EXPECT_EQ(e[1].atributos, cDirItem::kCarpeta);
  EXPECT_DOUBLE_EQ(LectorListado::FechaOle(1899, 12, 30, 12, 0, 0), 0.5);
}

TEST(DescargaRemotaTest, SeparaSitioYRuta) {
  const auto uno = DescargaRemota::Separa("127.0.0.1:2121/ruta 1/clientes.xml");
  EXPECT_EQ(uno.sitio, "127.0.0.1:2121");
  EXPECT_EQ(uno.ruta, "/ruta 1/clientes.xml");
  const auto dos = DescargaRemota::Separa("ftps://sitio.example:990/a/b.xml");
  EXPECT_EQ(dos.sitio, "ftps://sitio.example:990");
  EXPECT_EQ(dos.ruta, "/a/b.xml");
  EXPECT_EQ(DescargaRemota::Separa("ftp://sitio").ruta, "/");
}

TEST(MotivoDeFalla, ElCodigoSeLeeDelTextoDelCliente) {
  EXPECT_EQ(ErrorFTP::Codigo(ErrorFTP::Texto("InternetConnect", 7, "No se pudo conectar")), 7);
  EXPECT_EQ(ErrorFTP::Mensaje(ErrorFTP::Texto("InternetConnect", 3, "El sitio «x» no es válido")),
            "El sitio «x» no es válido");
  EXPECT_FALSE(ErrorFTP::Codigo("530 Login incorrect.").has_value());
  EXPECT_FALSE(ErrorFTP::Codigo("InternetConnect error code: siete Message: x").has_value());
}

}  // namespace
}  // namespace travesa
