// One remote file fetched by its full address, as the read run fetches the
// phones' customers file, against the real FTP server.
#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"
#include "comun/SitioDePrueba.h"
#include "ftp/DescargaRemota.h"

namespace travesa {
namespace {

using prueba::LeeArchivo;

TEST(DescargaRemotaTest, BajaEnteroOFallaSinTocarElLocal) {
  prueba::SitioDePrueba sitio;
  prueba::CarpetaTemporal local;
  const auto& s = sitio.servidor();
  const std::string contenido = prueba::Bytes(3000);
  sitio.Escribe("clientes.xml", contenido);
  sitio.Escribe("vacio.xml", "");
  DescargaRemota d;
  d.verificarCertificado = !s.tls;  // the test authority is not in the system's store
  std::vector<std::pair<std::int64_t, std::int64_t>> avance;
  d.Progreso = [&](std::int64_t a, std::int64_t t) { avance.emplace_back(a, t); };
  const std::string base = sitio.sitio() + sitio.carpeta() + "/";
  ASSERT_TRUE(d.BajarArchivo(base + "clientes.xml", s.usuario, s.password, (local / "c2.xml").string())) << d.Motivo();
  EXPECT_EQ(LeeArchivo(local / "c2.xml"), contenido);
  ASSERT_FALSE(avance.empty());
  EXPECT_EQ(avance.back(), (std::pair<std::int64_t, std::int64_t>(3000, 3000)));

  // Missing, empty, or a refused login: false, and the local copy stays as it was.
  EXPECT_FALSE(d.BajarArchivo(base + "noexiste.xml", s.usuario, s.password, (local / "c2.xml").string()));
  EXPECT_FALSE(d.BajarArchivo(base + "vacio.xml", s.usuario, s.password, (local / "c2.xml").string()));
  EXPECT_FALSE(d.BajarArchivo(base + "clientes.xml", s.usuario, "equivocada", (local / "c2.xml").string()));
  EXPECT_FALSE(d.Motivo().empty());
  EXPECT_EQ(LeeArchivo(local / "c2.xml"), contenido);
  // Over TLS (the test server's own certificate is not in the system's store).
  DescargaRemota tls;
  tls.verificarCertificado = false;
  ASSERT_TRUE(tls.BajarArchivo(sitio.sitioTls() + sitio.carpeta() + "/clientes.xml", s.usuario, s.password,
                               (local / "c3.xml").string()))
      << tls.Motivo();
  EXPECT_EQ(LeeArchivo(local / "c3.xml"), contenido);
}

}  // namespace
}  // namespace travesa
