// The connection test of the configuration page.
#include <gtest/gtest.h>

#include "comun/SitioDePrueba.h"
#include "shell/Operador.h"
#include "ftp/PruebaConexion.h"

namespace travesa {
namespace {

using prueba::SitioDePrueba;

TEST(ftpProbar, SitioYCarpetaCorrectos) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const auto r = PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, s.carpeta().substr(1), true);
  EXPECT_TRUE(r.correcta) << r.mensaje << " / " << r.error;
  EXPECT_EQ(r.carpeta, s.carpeta() + "/");  // the slashes Probar adds
  EXPECT_EQ(r.carpetaAlcanzada, s.carpeta() + "/");
  EXPECT_EQ(r.mensaje, "Prueba de conexión correcta");
  EXPECT_EQ(r.titulo, "¡Bien!");
  EXPECT_EQ(r.botones, Botones::kInformacion);

  // Over TLS, with the test authority.
  const auto t =
      PruebaConexion::Probar(s.sitioTls(), srv.usuario, srv.password, s.carpeta(), true, srv.certificado);
  EXPECT_TRUE(t.correcta) << t.error;
}

TEST(ftpProbar, CarpetaConOtrasMayusculasNombraAmbasRutas) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  std::filesystem::create_directory(s.EnDisco("Ventas"));
  const std::string escrita = s.carpeta() + "/ventas";
  const auto r = PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, escrita, true);
  EXPECT_FALSE(r.correcta);
  EXPECT_TRUE(r.conecto);
  EXPECT_EQ(r.mensaje, "La conexión no pudo ser establecida\r\nRuta indicada: " + escrita +
                           "/\r\nRuta a la que conectó: /");
  EXPECT_EQ(r.titulo, "Error");
  EXPECT_EQ(r.botones, Botones::kCritico);

  EXPECT_TRUE(PruebaConexion::Probar(s.sitio(), srv.usuario, srv.password, s.carpeta() + "/Ventas", true).correcta);
}

TEST(ftpProbar, SinConexionSoloElAviso) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const auto r = PruebaConexion::Probar(s.sitio(), srv.usuario, "equivocada", "/", true);
  EXPECT_FALSE(r.conecto);
  EXPECT_EQ(r.mensaje, "La conexión no pudo ser establecida");
  EXPECT_EQ(r.titulo, "Error");
  EXPECT_FALSE(r.error.empty());
}

}  // namespace
}  // namespace travesa
