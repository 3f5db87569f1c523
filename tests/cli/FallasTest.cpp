// Faults in the middle of a run, with the real servers: the FTP server gone
// halfway through a sales file, and the program folder's files reaching their
// size limit (as on a full disk) while the catalogue or the log is written.
// After each, the run says what failed, nothing is half done (no sale posted
// from half a file, no half catalogue file on the site), and the next run
// completes with every sale posted exactly once.
#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Instalacion.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::Instalacion;

// Files written by this process and its children stop at `bytes` while it lives.
class LimiteDeArchivos {
 public:
  explicit LimiteDeArchivos(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &antes_);
    rlimit l = antes_;
    l.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &l);
  }
  ~LimiteDeArchivos() { ::setrlimit(RLIMIT_FSIZE, &antes_); }
  LimiteDeArchivos(const LimiteDeArchivos&) = delete;
  LimiteDeArchivos& operator=(const LimiteDeArchivos&) = delete;

 private:
  rlimit antes_{};
};

constexpr const char* kCatalogo[] = {"vendedores.xml", "productos.xml", "clientes.xml", "cxcs.xml",
                                     "configuracion.xml"};

class FallasTest : public ::testing::Test {
 protected:
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }

  Instalacion inst_;
};

TEST_F(FallasTest, DiscoLlenoAlEscribirElCatalogoNoDejaArchivosAMedias) {
  prueba::SitioDePrueba sitio;
  inst_.Ajusta(sitio.ComoAjustes({"TipoMovimiento=R"}));
  ASSERT_EQ(inst_.ComoAdmin({"generar"}).estado, 0);
  std::map<std::string, std::string> publicado;
  std::uintmax_t mayor = 0;
  for (const char* n : kCatalogo) {
    publicado[n] = prueba::LeeArchivo(sitio.EnDisco(n));
    mayor = std::max<std::uintmax_t>(mayor, publicado[n].size());
  }
  ASSERT_GT(mayor, 8192u);
  // A log already past the limit: every line the run adds fails to be written.
  std::ofstream(inst_.programa() / "travesa.log", std::ios::app) << std::string(mayor, '#') << "\n";
  prueba::Resultado r;
  {
    const LimiteDeArchivos limite(mayor / 2);
    r = inst_.ComoAdmin({"generar"});
  }
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_NE(r.Todo().find("No se pudo escribir el archivo"), std::string::npos) << r.Todo();
  // On the site, every file is the one published before, whole; nothing else is there.
  for (const char* n : kCatalogo) EXPECT_EQ(prueba::LeeArchivo(sitio.EnDisco(n)), publicado[n]) << n;
  for (const auto& e : std::filesystem::directory_iterator(sitio.EnDisco("")))
    EXPECT_NE(publicado.count(e.path().filename().string()) + (e.path().extension() == ".xml"), 0u) << e.path();
  // With room again, the next run publishes.
  r = inst_.ComoAdmin({"generar"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  for (const char* n : kCatalogo) EXPECT_EQ(prueba::LeeArchivo(sitio.EnDisco(n)), publicado[n]) << n;
}

TEST_F(FallasTest, ServidorCaidoAMitadDeUnArchivoDeVentasNoGrabaNadaDeEl) {
  ArchivoDeVentas archivo;
  constexpr int kVentas = 240;
  for (int v = 0; v < kVentas; ++v) {
    const std::string hora = std::to_string(8 + v / 60) + ":" + (v % 60 < 10 ? "0" : "") + std::to_string(v % 60);
    archivo.Linea({"Dec 8, 2026 " + hora + ":00", "V01", "C001", "CO", std::string(60, 'n'), 1, {}}, "ABA001", 1, 44.5)
        .Linea({"Dec 8, 2026 " + hora + ":00", "V01", "C001", "CO", std::string(60, 'n'), 1, {}}, "ABA005", 2, 24);
  }
  constexpr const char* kNombre = "ventas_tel1_V01_08_12_2026_08_00_00.sql";
  ASSERT_GT(archivo.contenido().size(), 150000u);
  {
    // 30 KB a second: the file takes several seconds to come down.
    prueba::ServidorPropio lento(30000);
    ASSERT_TRUE(lento.enMarcha());
    std::ofstream(lento.EnDisco(kNombre), std::ios::binary) << archivo.contenido();
    std::ofstream(lento.EnDisco("clientes.xml")) << "<clientes></clientes>";
    inst_.Ajusta(lento.ComoAjustes("", {"TipoMovimiento=R"}));
    prueba::ProcesoEnFondo leer(
        {"--carpeta", inst_.programa().string(), "--usuario", "admin", "--codigo", "admin", "leer"});
    // Killed once the sales file has started to come down (its partial copy is there).
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool bajando = false;
    while (!bajando && std::chrono::steady_clock::now() < limite) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      for (const auto& e : std::filesystem::directory_iterator(inst_.programa()))
        bajando = bajando || e.path().filename().string().rfind(std::string(".") + kNombre + ".parcial", 0) == 0;
    }
    ASSERT_TRUE(bajando);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    lento.Mata();
    const auto r = leer.Espera(120);
    EXPECT_EQ(r.estado, 1) << r.Todo();
    EXPECT_NE(r.salida.find(kNombre), std::string::npos) << r.Todo();  // the summary names the file not read
  }
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha = '2026-12-08'"), "0");
  // The file, back on a server that answers: every sale once, and once only
  // when read again.
  prueba::ServidorPropio otro(0);
  ASSERT_TRUE(otro.enMarcha());
  std::ofstream(otro.EnDisco(kNombre), std::ios::binary) << archivo.contenido();
  inst_.Ajusta(otro.ComoAjustes("", {"TipoMovimiento=R"}));
  auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha = '2026-12-08'"), std::to_string(kVentas));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisionesdetalle d JOIN remisiones r ON r.Id = d.Id "
                 "WHERE r.Fecha = '2026-12-08'"),
            std::to_string(2 * kVentas));
  std::ofstream(otro.EnDisco(kNombre), std::ios::binary) << archivo.contenido();
  r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha = '2026-12-08'"), std::to_string(kVentas));
}

}  // namespace
}  // namespace travesa
