// Publish runs that meet on one site folder, and the service stopped in the
// middle of a stalled transfer, with real processes against a slowed FTP
// server of the test's own.
#include <atomic>
#include <csignal>
#include <filesystem>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/ServidorPropio.h"

namespace travesa {
namespace {

using prueba::Instalacion;
using prueba::LeeArchivo;

class PublicacionConcurrenteTest : public ::testing::Test {
 protected:
  // A catalogue large enough that its upload lasts a few seconds at the
  // server's pace.
  PublicacionConcurrenteTest() : servidor_(300 * 1024), inst_(true) {}

  void SetUp() override {
    ASSERT_TRUE(servidor_.enMarcha());
    inst_.base().Ejecuta(
        "INSERT INTO productos (Clave, Descrip, Precio1) SELECT CONCAT('PZ', seq), "
        "CONCAT('Producto con una descripción larga para que el archivo pese ', seq), seq FROM seq_1_to_6000");
    inst_.Ajusta(servidor_.ComoAjustes("/"));
  }

  std::vector<std::string> Orden(const std::string& comando) const {
    return {"--carpeta", inst_.programa().string(), comando};
  }
  static std::map<std::string, std::string> Entorno(const std::string& esperaSegundos = "") {
    std::map<std::string, std::string> e = {{"TRAVESA_USUARIO", "admin"}, {"TRAVESA_CODIGO", "admin"}};
    if (!esperaSegundos.empty()) e["TRAVESA_ESPERA_PUBLICACION"] = esperaSegundos;
    return e;
  }
  // True once a temporary copy of productos.xml is being written on the site.
  bool SubiendoProductos() const {
    for (int i = 0; i < 600; ++i) {
      for (const auto& e : std::filesystem::directory_iterator(servidor_.EnDisco("")))
        if (e.path().filename().string().rfind("productos.xml.", 0) == 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  std::string Publicado() const { return LeeArchivo(servidor_.EnDisco("productos.xml")); }

  prueba::ServidorPropio servidor_;
  Instalacion inst_;
};

// The second run waits for the first; the site always holds a whole
// productos.xml, the old one or the new one, and ends with the new one.
TEST_F(PublicacionConcurrenteTest, DosCorridasALaVezNuncaDejanElSitioSinCatalogo) {
  ASSERT_EQ(inst_.ComoAdmin({"generar"}).estado, 0);
  const std::string viejo = Publicado();
  inst_.base().Ejecuta("UPDATE productos SET Precio1 = Precio1 + 1");

  prueba::ProcesoEnFondo primera(Orden("generar"), Entorno());
  ASSERT_TRUE(SubiendoProductos());
  prueba::Resultado segunda;
  std::atomic<bool> termino{false};
  std::thread otra([&] {
    segunda = prueba::Ejecuta(Orden("generar"), Entorno());
    termino = true;
  });
  std::set<std::size_t> tamanos;
  bool falto = false;
  while (!termino) {
    const std::string ahora = Publicado();
    falto = falto || ahora.empty();
    if (ahora != viejo) tamanos.insert(ahora.size());
  }
  otra.join();
  const auto r = primera.Espera(60);
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(segunda.estado, 0) << segunda.Todo();
  EXPECT_FALSE(falto);
  const std::string nuevo = Publicado();
  EXPECT_EQ(nuevo, LeeArchivo(inst_.programa() / "productos.xml"));
  EXPECT_NE(nuevo, viejo);
  for (const std::size_t t : tamanos) EXPECT_EQ(t, nuevo.size());
  for (const auto& e : std::filesystem::directory_iterator(servidor_.EnDisco("")))
    EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

// A run that cannot wait any longer says why and leaves the other one alone.
TEST_F(PublicacionConcurrenteTest, LaQueNoPuedeEsperarDiceQueHayOtraEnCurso) {
  prueba::ProcesoEnFondo primera(Orden("generar"), Entorno());
  ASSERT_TRUE(SubiendoProductos());
  const auto segunda = prueba::Ejecuta(Orden("generar"), Entorno("1"));
  EXPECT_EQ(segunda.estado, 1) << segunda.Todo();
  EXPECT_NE(segunda.errores.find("Hay otra publicación en curso hacia el sitio «" + servidor_.sitio() + "»"),
            std::string::npos)
      << segunda.Todo();
  const auto r = primera.Espera(60);
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(Publicado(), LeeArchivo(inst_.programa() / "productos.xml"));
}

// SIGTERM to the service while the server has stopped answering in the middle
// of an upload: the service ends at once, and the published file is the old
// whole one (the temporary copy never took its name).
TEST_F(PublicacionConcurrenteTest, ServicioTerminaEnSeguidaConElSitioDetenido) {
  ASSERT_EQ(inst_.ComoAdmin({"generar"}).estado, 0);
  const std::string viejo = Publicado();
  inst_.base().Ejecuta("UPDATE productos SET Precio1 = Precio1 + 1");
  ASSERT_EQ(inst_.ComoAdmin({"ajustes", "Automatico=S", "Minutos=5"}).estado, 0);

  prueba::ProcesoEnFondo servicio(Orden("servicio"), Entorno());
  ASSERT_TRUE(SubiendoProductos());
  servidor_.Congela();
  servicio.Senal(SIGTERM);
  // Killed (status 137) if it has not ended by itself within 5 seconds.
  const auto r = servicio.Espera(5);
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.errores.find("La publicación no se completó"), std::string::npos) << r.Todo();
  EXPECT_EQ(Publicado(), viejo);
  // The next run takes away the temporary copy the stopped one left.
  servidor_.Reanuda();
  ASSERT_EQ(inst_.ComoAdmin({"generar"}).estado, 0);
  EXPECT_EQ(Publicado(), LeeArchivo(inst_.programa() / "productos.xml"));
  for (const auto& e : std::filesystem::directory_iterator(servidor_.EnDisco("")))
    EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

}  // namespace
}  // namespace travesa
