// The connection test of the configuration page.
#include <gtest/gtest.h>

#include "comun/SitioDePrueba.h"
#include "ftp/PruebaConexion.h"
#include "shell/Operador.h"

namespace travesa {
namespace {

using prueba::SitioDePrueba;

TEST(ftpProbar, SitioYCarpetaCorrectos) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const auto r =
      PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, s.carpeta().substr(1), true, srv.certificado);
  EXPECT_TRUE(r.Completo()) << r.mensaje << " / " << r.error;
  EXPECT_EQ(r.carpeta, s.carpeta() + "/");  // the slashes Probar adds
  EXPECT_EQ(r.carpetaAlcanzada, s.carpeta() + "/");
  EXPECT_EQ(r.mensaje, "Prueba de conexión correcta\r\nSe puede escribir en la carpeta «" + s.carpeta() + "/».");
  EXPECT_TRUE(r.escribible);
  EXPECT_TRUE(std::filesystem::is_empty(s.EnDisco("")));  // the test file is gone
  EXPECT_EQ(r.titulo, "¡Bien!");
  EXPECT_EQ(r.botones, Botones::kInformacion);

  // Over TLS, with the test authority.
  const auto t = PruebaConexion::Probar(s.sitioTls(), srv.usuario, srv.password, s.carpeta(), true, srv.certificado);
  EXPECT_TRUE(t.Completo()) << t.error;
}

TEST(ftpProbar, CarpetaConOtrasMayusculasNombraAmbasRutas) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  std::filesystem::create_directory(s.EnDisco("Ventas"));
  const std::string escrita = s.carpeta() + "/ventas";
  const auto r = PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, escrita, true, srv.certificado);
  EXPECT_FALSE(r.Completo());
  EXPECT_TRUE(r.conectado);
  EXPECT_TRUE(r.mensaje.starts_with("La conexión no pudo ser establecida\r\nRuta indicada: " + escrita +
                                    "/\r\nRuta a la que conectó: /\r\nMotivo: "))
      << r.mensaje;
  EXPECT_EQ(r.titulo, "Error");
  EXPECT_EQ(r.botones, Botones::kCritico);

  EXPECT_TRUE(
      PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, s.carpeta() + "/Ventas", true, srv.certificado)
          .Completo());
}

TEST(ftpProbar, SinConexionSoloElAviso) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const auto r = PruebaConexion::Probar(s.sitio(), srv.usuario, "equivocada", "/", true, srv.certificado);
  EXPECT_FALSE(r.conectado);
  EXPECT_EQ(r.mensaje, "La conexión no pudo ser establecida\r\nMotivo: " + r.error);
  EXPECT_EQ(r.titulo, "Error");
  EXPECT_FALSE(r.error.empty());
  // A certificate the system does not trust: the reason is in the message too.
  const auto t = PruebaConexion::Probar(s.sitioTls(), srv.usuario, srv.password, "/", true);
  EXPECT_FALSE(t.conectado);
  EXPECT_FALSE(t.error.empty());
  EXPECT_EQ(t.mensaje, "La conexión no pudo ser establecida\r\nMotivo: " + t.error);
}

TEST(ftpProbar, CarpetaSinPermisoDeEscrituraNoEsCorrecta) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const auto r = PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, "solo-lectura", true, srv.certificado);
  EXPECT_TRUE(r.conectado);
  EXPECT_FALSE(r.escribible);
  EXPECT_FALSE(r.Completo());
  EXPECT_EQ(r.botones, Botones::kCritico);
  EXPECT_TRUE(
      r.mensaje.starts_with("Prueba de conexión correcta\r\nNo se puede escribir en la carpeta «/solo-lectura/»: "))
      << r.mensaje;
}

// The folder is resolved as the publish run resolves it, "." and ".." by text.
TEST(ftpProbar, CarpetaConPuntosComoLaUsaLaPublicacion) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const auto r =
      PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, "../../x/./.." + s.carpeta(), true, srv.certificado);
  EXPECT_TRUE(r.Completo()) << r.mensaje;
  EXPECT_EQ(r.carpeta, s.carpeta() + "/");
}

}  // namespace
}  // namespace travesa
