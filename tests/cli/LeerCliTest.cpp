// travesa leer through the real executable: the final message and exit
// status, the right it needs, two desks reading at once, and a desk that
// finds another one's run in progress.
#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/Instalacion.h"
#include "comun/SitioDePrueba.h"
#include "shell/host/BloqueoNombrado.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::Instalacion;
using prueba::VentaDeTelefono;

class LeerCliTest : public ::testing::Test {
 protected:
  void SetUp() override { inst_.Ajusta(sitio_.ComoAjustes({"TipoMovimiento=R"})); }
  std::vector<std::string> Leer() const {
    return {"--carpeta", inst_.programa().string(), "--usuario", "admin", "--codigo", "admin", "leer"};
  }
  // A sale of demo products for demo client C001, at minute `n` of the day.
  static VentaDeTelefono Venta(int n) {
    const int hora = 8 + n / 60, minuto = n % 60;
    return {"Dec 8, 2026 " + std::to_string(hora) + ":" + (minuto < 10 ? "0" : "") + std::to_string(minuto) + ":00",
            "V01",
            "C001",
            "C",
            "",
            1,
            {}};
  }
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }

  Instalacion inst_;
  prueba::SitioDePrueba sitio_;
};

TEST_F(LeerCliTest, GrabaYAvisaOApuntaALaBitacora) {
  sitio_.Escribe("ventas_tel1_1.sql",
                 ArchivoDeVentas().Linea(Venta(0), "ABA001", 2, 44.5).Linea(Venta(1), "BEB001", 1, 42).contenido());
  auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  // The final message, then the read run's summary.
  EXPECT_EQ(r.salida.rfind("Archivos descargados y grabados en las tablas de Norvento\n", 0), 0u) << r.salida;
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha = '2026-12-08' AND Cliente = 'C001' AND Vendedor = 'V01' "
                 "AND Hora IN ('08:00:00', '08:01:00')"),
            "2");
  EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_1.sql")));

  sitio_.Escribe("ventas_tel1_2.sql", ArchivoDeVentas().Linea(Venta(2), "CODIGO-DEMASIADO-LARGO", 1, 1).contenido());
  r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_NE(r.salida.find("El proceso no fue concluido. Revise el archivo «" +
                          (inst_.programa() / "BitacoraDeArchivos.txt").string() + "» para más información"),
            std::string::npos)
      << r.Todo();
  EXPECT_TRUE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_2.sql")));

  // Right 552: vendedor1 holds it, a user with only 550 and 551 does not.
  sitio_.Escribe("ventas_tel1_2.sql", ArchivoDeVentas().Linea(Venta(2), "ABA002", 1, 32).contenido());
  EXPECT_EQ(inst_.Travesa({"--usuario", "vendedor1", "--codigo", "1234", "leer"}).estado, 0);
  inst_.AgregaUsuario(9, "publica", "p9", std::string(549, 'N') + "SS");
  r = inst_.Travesa({"--usuario", "publica", "--codigo", "p9", "leer"});
  EXPECT_EQ(r.estado, 3) << r.Todo();
}

TEST_F(LeerCliTest, DosLecturasALaVezGrabanCadaVentaUnaVez) {
  constexpr int kArchivos = 4, kVentas = 12;
  for (int a = 0; a < kArchivos; ++a) {
    ArchivoDeVentas archivo;
    for (int v = 0; v < kVentas; ++v)
      archivo.Linea(Venta(a * kVentas + v), "ABA001", 1, 44.5).Linea(Venta(a * kVentas + v), "ABA005", 2, 24);
    // Each sale also in the next phone's file, as phones that share a route send.
    if (a > 0) archivo.Linea(Venta(a * kVentas - 1), "ABA001", 1, 44.5).Linea(Venta(a * kVentas - 1), "ABA005", 2, 24);
    sitio_.Escribe("ventas_tel" + std::to_string(a) + "_1.sql", archivo.contenido());
  }
  const std::string remisiones0 = Dato("SELECT COUNT(*) FROM remisiones");
  prueba::ProcesoEnFondo uno(Leer()), dos(Leer());
  const auto r1 = uno.Espera(120), r2 = dos.Espera(120);
  EXPECT_EQ(r1.estado, 0) << r1.Todo();
  EXPECT_EQ(r2.estado, 0) << r2.Todo();
  const std::string nuevas = "FROM remisiones WHERE Fecha = '2026-12-08' AND Cliente = 'C001' AND Vendedor = 'V01'";
  EXPECT_EQ(Dato("SELECT COUNT(*) " + nuevas), std::to_string(kArchivos * kVentas));
  EXPECT_EQ(Dato("SELECT COUNT(DISTINCT Hora) " + nuevas), std::to_string(kArchivos * kVentas));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones"), std::to_string(std::stoi(remisiones0) + kArchivos * kVentas));
  // No folio twice, in the documents or in the account statement.
  EXPECT_EQ(
      Dato(
          "SELECT COUNT(*) FROM (SELECT Serie, Factura FROM remisiones GROUP BY Serie, Factura HAVING COUNT(*) > 1) d"),
      "0");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM (SELECT Id FROM edoctacli GROUP BY Id HAVING COUNT(*) > 1) d"), "0");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisionesdetalle d JOIN remisiones r USING (Id) WHERE r.Fecha = '2026-12-08' "
                 "AND r.Cliente = 'C001' AND r.Vendedor = 'V01'"),
            std::to_string(2 * kArchivos * kVentas));
  for (int a = 0; a < kArchivos; ++a)
    EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco("ventas_tel" + std::to_string(a) + "_1.sql")));
}

TEST_F(LeerCliTest, OtraLecturaEnCursoTerminaConMensajeSinTocarNada) {
  sitio_.Escribe("ventas_tel1_1.sql", ArchivoDeVentas().Linea(Venta(0), "ABA001", 2, 44.5).contenido());
  Conexion otra = inst_.base().Conecta();
  BloqueoNombrado ocupado(otra, "travesa.tmpventassql." + inst_.base().nombre(), 1);
  const std::string remisiones = Dato("SELECT COUNT(*) FROM remisiones");
  const auto r = prueba::Ejecuta(Leer(), {{"TRAVESA_ESPERA_BLOQUEO", "1"}});
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_NE(r.errores.find("Otro equipo está procesando los mismos datos"), std::string::npos) << r.Todo();
  EXPECT_TRUE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_1.sql")));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones"), remisiones);
}

}  // namespace
}  // namespace travesa
