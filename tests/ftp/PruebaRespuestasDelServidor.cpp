// What a server with settings of its own answers, shown as it said it: each
// suite runs only on its server of the matrix, on other instances of it
// (scripts/servidores-ftp).
#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/SitioDePrueba.h"
#include "ftp/PruebaConexion.h"
#include "ftp/clsFTP.h"

namespace travesa {
namespace {

using prueba::PuertoDeInstancia;
using prueba::SitioDePrueba;

std::string Sitio(const SitioDePrueba& s, unsigned puerto, bool tls = false) {
  return (tls ? "ftps://" : "") + s.servidor().host + ":" + std::to_string(puerto);
}

// vsftpd closes a connection over its limit per address with a 421, which
// libcurl takes for a timeout; and with TLS on it wants TLS for every login.
TEST(ftpEnVsftpd, MuchasConexionesYSitioSinTls) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const std::string una = Sitio(s, PuertoDeInstancia("UNA"));
  clsFTP primera;
  s.Prepara(primera);
  ASSERT_TRUE(primera.OpenConnection(una, srv.usuario, srv.password)) << primera.GetLastErrorMessage();
  const auto r = PruebaConexion::Probar(una, srv.usuario, srv.password, s.carpeta(), true);
  EXPECT_FALSE(r.conectado);
  EXPECT_EQ(r.mensaje,
            "La conexión no pudo ser establecida\r\nMotivo: 421 There are too many connections from your internet "
            "address.");

  const std::string conTls = Sitio(s, srv.puertoTls);
  clsFTP ftp;
  s.Prepara(ftp);
  EXPECT_FALSE(ftp.OpenConnection(conTls, srv.usuario, srv.password));
  EXPECT_EQ(ftp.GetLastErrorMessage(),
            "530 Non-anonymous sessions must use encryption.\r\nEl servidor solo acepta conexiones cifradas: escriba "
            "el sitio FTP como «ftps://" +
                conTls + "».");
}

// Pure-FTPd that requires TLS closes a plain login with a 421 of two lines.
TEST(ftpEnPureftpdTls, SitioSinTlsDiceQueSeUseFtps) {
  SitioDePrueba s;
  prueba::Instalacion inst;
  const std::string plano = Sitio(s, s.servidor().puertoTls);
  inst.Ajusta(s.ComoAjustes({"ftpSitio=" + plano}));
  const auto r = inst.ComoAdmin({"probar"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_EQ(r.errores,
            "La conexión no pudo ser establecida\nMotivo: 421-Sorry, cleartext sessions and weak ciphers are not "
            "accepted on this server.\n421 Please reconnect using TLS security mechanisms.\nEl servidor solo acepta "
            "conexiones cifradas: escriba el sitio FTP como «ftps://" +
                plano + "».\n")
      << r.Todo();
}

// A ProFTPD that speaks only TLS 1.3, and wants the control connection's
// session resumed on each data connection (its default), takes the first
// upload of a connection and refuses the next: the connection test meets
// what the publish run meets, and says so.
TEST(ftpEnProftpdTls, ProbarEncuentraLoQueEncuentraLaPublicacion) {
  SitioDePrueba s;
  prueba::Instalacion inst;
  inst.Ajusta(s.ComoAjustes({"ftpSitio=" + Sitio(s, PuertoDeInstancia("TLS13"), true)}));
  auto r = inst.ComoAdmin({"probar"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("Prueba de conexión correcta\nNo se puede escribir en la carpeta «" + s.carpeta() + "/»: "),
            std::string::npos)
      << r.Todo();
  EXPECT_NE(r.errores.find("La transferencia quedó incompleta: 425 "), std::string::npos) << r.Todo();
  EXPECT_NE(r.errores.find("El servidor solo acepta TLS 1.3 y rechaza la conexión de datos"), std::string::npos)
      << r.Todo();
  r = inst.ComoAdmin({"generar"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("La transferencia quedó incompleta: 425 "), std::string::npos) << r.Todo();
}

}  // namespace
}  // namespace travesa
