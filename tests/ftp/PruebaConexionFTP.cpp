// Logging in to the site, plain and with TLS, and moving between folders.
#include <gtest/gtest.h>

#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"
#include "ftp/clsFTP.h"

namespace travesa {
namespace {

using prueba::SitioDePrueba;

TEST(ftpConexion, AbreConLasFormasDelSitioYCierra) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const std::string puerto = std::to_string(srv.puerto);
  const std::string esquema = srv.tls ? "ftps://" : "ftp://";
  std::vector<std::string> formas = {esquema + srv.host + ":" + puerto,
                                     "  " + esquema + srv.host + ":" + puerto + "/ "};
  if (!srv.tls) formas.push_back(srv.host + ":" + puerto);
  for (const std::string& sitio : formas) {
    clsFTP ftp;
    s.Prepara(ftp);
    EXPECT_TRUE(ftp.OpenConnection(sitio, srv.usuario, srv.password)) << sitio << ": " << ftp.GetLastErrorMessage();
    EXPECT_EQ(ftp.GetFTPDirectory(), "/");
    ftp.CloseConnection();
    EXPECT_FALSE(ftp.Conectado());
  }
}

TEST(ftpConexion, RechazosDejanUnTextoLegible) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  clsFTP ftp;
  s.Prepara(ftp);
  // Pure-FTPd takes some seconds to refuse a password (the login is part of
  // the connection).
  ftp.SetTiempoEspera(std::chrono::seconds(20), std::chrono::seconds(20));

  // The server's own answer, alone.
  EXPECT_FALSE(ftp.OpenConnection(s.sitio(), srv.usuario, "otra"));
  EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 4), "530 ");
  EXPECT_FALSE(ftp.Conectado());

  EXPECT_FALSE(ftp.OpenConnection("no-existe.invalid", srv.usuario, srv.password));
  EXPECT_EQ(ftp.GetLastErrorMessage().rfind("InternetConnect error code: 6 Message: No se encontró el servidor", 0), 0u)
      << ftp.GetLastErrorMessage();

  EXPECT_FALSE(ftp.OpenConnection("127.0.0.1:" + std::to_string(prueba::PuertoLibre()), srv.usuario, srv.password));
  EXPECT_EQ(ftp.GetLastErrorMessage().rfind("InternetConnect error code: 7 Message: No se pudo conectar", 0), 0u)
      << ftp.GetLastErrorMessage();

  EXPECT_FALSE(ftp.OpenConnection("sftp://127.0.0.1", srv.usuario, srv.password));
  EXPECT_NE(ftp.GetLastErrorMessage().find("no es válido"), std::string::npos);

  // Without a connection every operation fails the same readable way.
  EXPECT_FALSE(ftp.DeleteFTPFile("x"));
  EXPECT_EQ(ftp.GetLastErrorMessage(), "DeleteFTPFile error code: 7 Message: No hay conexión abierta con el sitio FTP");
  EXPECT_EQ(ftp.GetFTPFileSize("x"), -2);
  EXPECT_EQ(ftp.GetFTPDirectory(), "");
}

TEST(ftpConexion, CambiaDeCarpetaYLaLeeDelServidor) {
  SitioDePrueba s;
  std::filesystem::create_directories(s.EnDisco("Sub carpeta/más"));
  clsFTP ftp;
  ASSERT_TRUE(s.Conecta(ftp)) << ftp.GetLastErrorMessage();
  EXPECT_EQ(ftp.GetFTPDirectory(), s.carpeta());

  EXPECT_TRUE(ftp.SetFTPDirectory("Sub carpeta/más/")) << ftp.GetLastErrorMessage();
  EXPECT_EQ(ftp.GetFTPDirectory(), s.carpeta() + "/Sub carpeta/más");
  EXPECT_TRUE(ftp.SetFTPDirectory(".."));
  EXPECT_EQ(ftp.GetFTPDirectory(), s.carpeta() + "/Sub carpeta");

  // A folder that does not exist: the server's answer, and we stay where we were.
  EXPECT_FALSE(ftp.SetFTPDirectory("no-existe"));
  EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 4), "550 ");
  EXPECT_EQ(ftp.GetFTPDirectory(), s.carpeta() + "/Sub carpeta");
  EXPECT_TRUE(ftp.SetFTPDirectory("/"));
  EXPECT_EQ(ftp.GetFTPDirectory(), "/");

  // A name cannot carry a second command.
  EXPECT_FALSE(ftp.SetFTPDirectory("x\r\nDELE y"));
  EXPECT_NE(ftp.GetLastErrorMessage().find("saltos de línea"), std::string::npos);
}

TEST(ftpConexion, FtpsConLaAutoridadDePruebaYSinElla) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  s.Escribe("cifrado.txt", prueba::Bytes(700));
  prueba::CarpetaTemporal local;
  {
    clsFTP ftp;
    ftp.SetModePassive();
    ftp.SetTransferBinary();
    ftp.SetArchivoCA(srv.certificado);
    ASSERT_TRUE(ftp.OpenConnection(s.sitioTls(), srv.usuario, srv.password)) << ftp.GetLastErrorMessage();
    ASSERT_TRUE(ftp.SetFTPDirectory(s.carpeta()));
    ASSERT_NE(ftp.GetDirectoryListing("*.txt"), nullptr) << ftp.GetLastErrorMessage();
    EXPECT_TRUE(ftp.FTPDownloadFile((local / "cifrado.txt").string(), "cifrado.txt")) << ftp.GetLastErrorMessage();
    EXPECT_EQ(prueba::LeeArchivo(local / "cifrado.txt"), prueba::Bytes(700));
    EXPECT_TRUE(ftp.FTPUploadFile((local / "cifrado.txt").string(), "de vuelta.txt")) << ftp.GetLastErrorMessage();
    EXPECT_EQ(prueba::LeeArchivo(s.EnDisco("de vuelta.txt")), prueba::Bytes(700));
  }
  {
    clsFTP ftp;  // the system's store does not know the test authority
    ftp.SetModePassive();
    EXPECT_FALSE(ftp.OpenConnection(s.sitioTls(), srv.usuario, srv.password));
    EXPECT_EQ(ftp.GetLastErrorMessage().rfind("InternetConnect error code: 60 Message: No se pudo verificar", 0), 0u)
        << ftp.GetLastErrorMessage();
  }
  {
    clsFTP ftp;
    ftp.SetModePassive();
    ftp.SetVerificarCertificado(false);
    EXPECT_TRUE(ftp.OpenConnection(s.sitioTls(), srv.usuario, srv.password)) << ftp.GetLastErrorMessage();
  }
}

}  // namespace
}  // namespace travesa
