// The publish run against the real FTP server: what reaches the site, the
// counted and uncounted uploads, the stamp, and files never seen half-written.
#include <atomic>
#include <regex>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/OperadorDePrueba.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"
#include "publish/Publicacion.h"
#include "shell/Programa.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

using prueba::LeeArchivo;

// A published name the server cannot replace (a folder holding a file) makes
// the upload fail; what is there stays, and no temporary file is left behind.
void Inamovible(const std::filesystem::path& publicado) {
  std::filesystem::create_directory(publicado);
  prueba::EscribeArchivo(publicado / "dentro", "x");
}

std::vector<std::string> Temporales(const std::filesystem::path& carpeta) {
  std::vector<std::string> t;
  for (const auto& e : std::filesystem::directory_iterator(carpeta))
    if (e.path().extension() == ".tmp") t.push_back(e.path().filename().string());
  return t;
}

class PublicacionTest : public ::testing::Test {
 protected:
  PublicacionTest() : inst_(true), programa_(inst_.programa(), op_) {}

  void SetUp() override {
    ASSERT_TRUE(programa_.Inicia());
    sitio_.Pon(programa_.ajustes());
  }

  Publicacion::Resultado Publica(bool mensaje = false) {
    return Publicacion::GenerarArchivos(programa_, op_, programa_.ajustes(), "", mensaje);
  }
  bool EnSitio(const std::string& archivo) { return std::filesystem::exists(sitio_.EnDisco(archivo)); }
  std::string Sello() { return libNalda::LeeIni("Configuración", "Última subida de archivos", programa_.ini()); }

  prueba::OperadorDePrueba op_;
  prueba::Instalacion inst_;
  prueba::SitioDePrueba sitio_;
  Programa programa_;
};

TEST_F(PublicacionTest, SubeCadaArchivoYSellaLaHora) {
  programa_.ajustes().PreciosNegociados = "S";
  const auto r = Publica(true);
  ASSERT_TRUE(r.Completo()) << r.motivo;
  for (const char* f : {"vendedores.xml", "productos.xml", "clientes.xml", "cxcs.xml", "configuracion.xml",
                        "listadeprecios.xml", "preciosadicionales.xml", "formasdepago.xml"}) {
    ASSERT_TRUE(EnSitio(f)) << f;
    EXPECT_EQ(LeeArchivo(sitio_.EnDisco(f)), LeeArchivo(programa_.carpeta() / f)) << f;
  }
  EXPECT_EQ(Temporales(sitio_.EnDisco("")), std::vector<std::string>{});
  EXPECT_TRUE(std::regex_match(
      Sello(), std::regex(R"(\d\d/(ene|feb|mar|abr|may|jun|jul|ago|sep|oct|nov|dic)/\d{4} - \d\d:\d\d:\d\d)")))
      << Sello();
  EXPECT_EQ(r.sello, Sello());
  EXPECT_TRUE(r.proxima.empty());  // automatic publishing is off
  ASSERT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(op_.cajas[0].texto, "Archivos generados y grabados en el sitio web");
  EXPECT_EQ(op_.cajas[0].titulo, "Atención");
  // The label showed the rows, then the bytes of each upload.
  const auto productos = std::filesystem::file_size(programa_.carpeta() / "productos.xml");
  EXPECT_NE(
      std::find(op_.progresos.begin(), op_.progresos.end(), std::pair<long long, long long>(productos, productos)),
      op_.progresos.end());
  EXPECT_TRUE(std::any_of(op_.avisos.begin(), op_.avisos.end(),
                          [](const std::string& a) { return a.rfind("De 'productos.xml': bytes copiados ", 0) == 0; }));
  EXPECT_EQ(op_.avisos.back(), "");
}

TEST_F(PublicacionTest, FalloContadoDetieneLasSubidasSinSello) {
  Inamovible(sitio_.EnDisco("clientes.xml"));
  const auto r = Publica(true);
  EXPECT_TRUE(r.conectado);
  EXPECT_FALSE(r.Completo());
  EXPECT_TRUE(EnSitio("vendedores.xml") && EnSitio("productos.xml"));
  EXPECT_TRUE(std::filesystem::exists(sitio_.EnDisco("clientes.xml") / "dentro"));
  for (const char* f : {"cxcs.xml", "configuracion.xml", "formasdepago.xml"}) EXPECT_FALSE(EnSitio(f)) << f;
  EXPECT_EQ(Temporales(sitio_.EnDisco("")), std::vector<std::string>{});
  EXPECT_EQ(Sello(), "");
  EXPECT_TRUE(op_.cajas.empty());  // the run itself says nothing; its caller shows the reason
  EXPECT_FALSE(r.motivo.empty());
  // The files were built all the same.
  EXPECT_TRUE(std::filesystem::exists(programa_.carpeta() / "formasdepago.xml"));
}

TEST_F(PublicacionTest, CadaSubidaCuentaTambienLasOpcionales) {
  programa_.ajustes().PreciosNegociados = "S";
  for (const char* f : {"listadeprecios.xml", "preciosadicionales.xml"}) {
    Inamovible(sitio_.EnDisco(f));
    const auto r = Publica();
    EXPECT_FALSE(r.Completo()) << f;
    EXPECT_NE(r.motivo, "") << f;
    EXPECT_EQ(Sello(), "") << f;
    EXPECT_FALSE(EnSitio("formasdepago.xml")) << f;  // the run stopped there
    std::filesystem::remove_all(sitio_.EnDisco(f));
  }
  EXPECT_TRUE(Publica().Completo());
  EXPECT_NE(Sello(), "");
}

// Phones read whatever is on the site: an optional file this run does not
// publish (no rows, or the option off) goes from the site and the program folder.
TEST_F(PublicacionTest, ArchivoOpcionalQueYaNoSePublicaSaleDelSitio) {
  programa_.ajustes().PreciosNegociados = "S";
  ASSERT_TRUE(Publica().Completo());
  for (const char* f : {"listadeprecios.xml", "preciosadicionales.xml", "formasdepago.xml"})
    ASSERT_TRUE(EnSitio(f)) << f;
  programa_.ajustes().PreciosNegociados = "N";
  inst_.base().Ejecuta("DELETE FROM productosmasprecios; DELETE FROM configura WHERE Dato LIKE 'FPAGO%'");
  const auto r = Publica();
  ASSERT_TRUE(r.Completo()) << r.motivo;
  for (const char* f : {"listadeprecios.xml", "preciosadicionales.xml", "formasdepago.xml"}) {
    EXPECT_FALSE(EnSitio(f)) << f;
    EXPECT_FALSE(std::filesystem::exists(programa_.carpeta() / f)) << f;
  }
  // Nothing to remove is no failure.
  EXPECT_TRUE(Publica().Completo());
}

TEST_F(PublicacionTest, SinPreciosNegociadosNiFormasDePago) {
  inst_.base().Ejecuta("DELETE FROM configura WHERE Dato LIKE 'FPAGO%'");
  const auto r = Publica();
  EXPECT_TRUE(r.Completo()) << r.motivo;
  EXPECT_FALSE(EnSitio("listadeprecios.xml"));
  EXPECT_FALSE(EnSitio("formasdepago.xml"));
  EXPECT_FALSE(std::filesystem::exists(programa_.carpeta() / "formasdepago.xml"));
}

TEST_F(PublicacionTest, SitioQueRechazaOCarpetaQueNoExiste) {
  programa_.ajustes().FTPcontraseña = "equivocada";
  auto r = Publica(true);
  EXPECT_FALSE(r.conectado);
  EXPECT_FALSE(r.Completo());
  // One box, with the reason: nothing was uploaded, so no second one.
  ASSERT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(op_.cajas[0].texto.rfind("No se pudo establecer conexión con el sitio\r\nEl servidor «", 0), 0u)
      << op_.cajas[0].texto;
  EXPECT_NE(op_.cajas[0].texto.find("no aceptó el usuario o la contraseña del sitio FTP (respondió: «530 "),
            std::string::npos)
      << op_.cajas[0].texto;
  EXPECT_EQ(op_.cajas[0].titulo, "Error de conexión");
  EXPECT_EQ(op_.cajas[0].botones, 0);
  EXPECT_EQ(Sello(), "");
  programa_.ajustes().FTPcontraseña = sitio_.servidor().password;
  programa_.ajustes().FTPcarpeta = sitio_.carpeta() + "/no/existe";
  r = Publica();
  EXPECT_FALSE(r.Completo());
  EXPECT_EQ(Sello(), "");
}

TEST_F(PublicacionTest, ConPublicacionAutomaticaEstimaLaSiguiente) {
  programa_.ajustes().Automatico = "S";
  programa_.ajustes().Minutos = "5";
  const auto r = Publica();
  ASSERT_TRUE(r.Completo()) << r.motivo;
  EXPECT_EQ(r.proxima.rfind("Próxima actualización estimada: ", 0), 0u) << r.proxima;
  EXPECT_TRUE(op_.cajas.empty());
}

// Settings pointing at a private server's root folder.
void AlServidorPropio(Ajustes& a, const prueba::ServidorPropio& servidor, std::string carpeta) {
  a.ftpSitio = servidor.sitio();
  a.ftpUsuario = prueba::ServidorPropio::kUsuario;
  a.FTPcontraseña = prueba::ServidorPropio::kPassword;
  a.FTPcarpeta = std::move(carpeta);
}

TEST(PublicacionRaizTest, CarpetaVaciaSubeALaRaizDelSitio) {
  prueba::ServidorPropio servidor(50 * 1024 * 1024);
  ASSERT_TRUE(servidor.enMarcha());
  prueba::OperadorDePrueba op;
  prueba::Instalacion inst(true);
  Programa programa(inst.programa(), op);
  ASSERT_TRUE(programa.Inicia());
  Ajustes& a = programa.ajustes();
  AlServidorPropio(a, servidor, "");
  ASSERT_TRUE(Publicacion::GenerarArchivos(programa, op, a, "", false).Completo());
  EXPECT_TRUE(std::filesystem::exists(servidor.EnDisco("vendedores.xml")));
  EXPECT_TRUE(std::filesystem::exists(servidor.EnDisco("cxcs.xml")));
}

// While a large file is uploaded slowly, whoever reads the published name gets
// the old whole file or the new whole file, never a part.
TEST(PublicacionRaizTest, QuienLeeDuranteLaSubidaNuncaVeUnArchivoAMedias) {
  prueba::ServidorPropio servidor(400 * 1024);
  ASSERT_TRUE(servidor.enMarcha());
  prueba::OperadorDePrueba op;
  prueba::Instalacion inst(false);
  inst.base().Ejecuta(
      "INSERT INTO productos (Clave, Descrip, Precio1) SELECT CONCAT('P', seq), "
      "CONCAT('Producto con una descripción larga para que el archivo pese ', seq), seq FROM seq_1_to_6000");
  Programa programa(inst.programa(), op);
  ASSERT_TRUE(programa.Inicia());
  Ajustes& a = programa.ajustes();
  AlServidorPropio(a, servidor, "/");
  ASSERT_TRUE(Publicacion::GenerarArchivos(programa, op, a, "", false).Completo());
  const std::string viejo = LeeArchivo(servidor.EnDisco("productos.xml"));
  inst.base().Ejecuta("UPDATE productos SET Precio1 = Precio1 + 1");

  std::atomic<bool> termino{false};
  bool completa = false;
  std::thread publicacion([&] {
    completa = Publicacion::GenerarArchivos(programa, op, a, "", false).Completo();
    termino = true;
  });
  std::set<std::string> vistos;
  bool vioTemporal = false;
  int lecturas = 0;
  while (!termino) {
    for (const auto& e : std::filesystem::directory_iterator(servidor.EnDisco("")))
      vioTemporal = vioTemporal || e.path().filename().string().rfind("productos.xml.", 0) == 0;
    const std::string ahora = LeeArchivo(servidor.EnDisco("productos.xml"));
    if (ahora != viejo) vistos.insert(ahora);
    ++lecturas;
  }
  publicacion.join();
  ASSERT_TRUE(completa);
  const std::string nuevo = LeeArchivo(servidor.EnDisco("productos.xml"));
  EXPECT_NE(nuevo, viejo);
  EXPECT_TRUE(vioTemporal) << "la subida terminó antes de poder observarla";
  for (const std::string& v : vistos) EXPECT_EQ(v.size(), nuevo.size());
  EXPECT_LE(vistos.size(), 1u);
  EXPECT_GT(lecturas, 10);
}

}  // namespace
}  // namespace travesa
