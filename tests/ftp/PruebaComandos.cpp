// The jobs through the real executable on the FTP server of the run (every
// server of the matrix): the connection test, two publish runs, a read of a
// sales file, a payments download and the cleanup of sales files.
#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/Instalacion.h"
#include "comun/SitioDePrueba.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::LeeArchivo;

constexpr const char* kPagos = "cxcs_tel1_V01_17_05_2024_09_30.sql";

class ftpComandos : public ::testing::Test {
 protected:
  void SetUp() override { inst_.Ajusta(sitio_.ComoAjustes({"TipoMovimiento=R"})); }

  // Each catalogue file on the site is the one this run wrote, and no
  // temporary copy is left beside them.
  void CatalogoPublicado() {
    for (const char* nombre : {"vendedores.xml", "productos.xml", "clientes.xml", "cxcs.xml", "configuracion.xml"}) {
      ASSERT_TRUE(std::filesystem::exists(sitio_.EnDisco(nombre))) << nombre;
      EXPECT_EQ(LeeArchivo(sitio_.EnDisco(nombre)), LeeArchivo(inst_.programa() / nombre)) << nombre;
    }
    for (const auto& e : std::filesystem::directory_iterator(sitio_.EnDisco("")))
      EXPECT_FALSE(e.path().extension() == ".tmp") << e.path();
  }

  prueba::Instalacion inst_;
  prueba::SitioDePrueba sitio_;
};

TEST_F(ftpComandos, ProbarPublicarLeerCobrarYBorrar) {
  auto r = inst_.ComoAdmin({"probar"});
  EXPECT_EQ(r.estado, 0) << r.Todo();

  r = inst_.ComoAdmin({"generar"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  CatalogoPublicado();
  // Again, over the files already published.
  inst_.base().Ejecuta("UPDATE productos SET Descrip = CONCAT(Descrip, ' (nueva)') WHERE Clave = 'ABA001'");
  r = inst_.ComoAdmin({"generar"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  CatalogoPublicado();
  EXPECT_NE(LeeArchivo(sitio_.EnDisco("productos.xml")).find("(nueva)"), std::string::npos);

  const prueba::VentaDeTelefono venta{"Dec 8, 2026 9:15:00", "V01", "C001", "C", "", 1, {}};
  sitio_.Escribe("ventas_tel1_1.sql", ArchivoDeVentas().Linea(venta, "ABA001", 2, 44.5).contenido());
  r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(inst_.base().Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha = '2026-12-08' AND Hora = '09:15:00' "
                              "AND Cliente = 'C001' AND Vendedor = 'V01'"),
            "1");
  EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_1.sql")));

  inst_.base().Ejecuta(
      "INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo) VALUES "
      "(1003, 'C018', 'C', 4990, '2024-05-05', 80)");
  sitio_.Escribe(kPagos, "insert into cxcs values ('tel1','V01','C018',1003,30.5,'')\r\n");
  r = inst_.ComoAdmin({"pagos", "--vendedor", "V01"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("  1003  C018"), std::string::npos) << r.salida;
  EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco(kPagos)));
  EXPECT_TRUE(std::filesystem::exists(inst_.programa() / "respaldo" / kPagos));

  sitio_.Escribe("ventas_tel2_1.sql", ArchivoDeVentas().Linea(venta, "ABA001", 1, 44.5).contenido());
  r = inst_.ComoAdmin({"borrar", "--si"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco("ventas_tel2_1.sql")));
}

}  // namespace
}  // namespace travesa
