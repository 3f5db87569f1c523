// `travesa pagos` through the real executable, against the real MariaDB and
// FTP servers: the printed review, --monto, --aplicar, and payments that wait
// in the backup folder until they are applied.
#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/SitioDePrueba.h"

namespace travesa {
namespace {

using prueba::Instalacion;

constexpr const char* kArchivo = "cxcs_tel1_V01_17_05_2024_09_30.sql";

class PagosCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    inst_.Ajusta(sitio_.ComoAjustes());
    inst_.base().Ejecuta(
        "INSERT INTO facturas (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES (100, 'A', 123, '2024-04-02', "
        "'C005', 100, 100);"
        "INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo) VALUES (1001, 'C005', 'F', 100, '2024-05-02', "
        "100), (1003, 'C018', 'C', 4990, '2024-05-05', 80);");
    sitio_.Escribe(kArchivo,
                   "insert into cxcs values ('tel1','V01','C005',1001,60.25,'')\r\n"
                   "insert into cxcs values ('tel1','V01','C018',1003,1234.5,'')\r\n");
  }
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }

  Instalacion inst_;
  prueba::SitioDePrueba sitio_;
};

TEST_F(PagosCliTest, MuestraLosPagosYLosGuardaHastaAplicarlos) {
  auto r = inst_.ComoAdmin({"pagos", "--vendedor", "V01"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  // Aligned columns, the receivable's Id first, the totals under "Saldo" and
  // "A pagar", the seller of the file last.
  const std::string tabla =
      "Id-CxC  Clave cte.  Nombre                                      Fecha        Vence   No.  Docto.    Saldo   "
      "A pagar  Fecha pago  Hora pago  Vendedor\n"
      "  1001  C005        Súper Martínez & Hijos, S.A. de C.V.  02/abr/2024  02/may/2024  A123  Factura  100.00     "
      "60.25  2024-05-17      09:30  V01\n"
      "  1003  C018        Mercería y Abarrotes El Refugio                    05/may/2024        Cargo     80.00  "
      "1,234.50  2024-05-17      09:30  V01\n"
      "                                                                                          Total    180.00  "
      "1,294.75\n";
  EXPECT_EQ(r.salida.substr(0, tabla.size()), tabla);
  EXPECT_NE(r.salida.find("quedan en la carpeta «respaldo»"), std::string::npos);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE FechaReal='2024-05-17'"), "0");

  // Shown again; refused amounts apply nothing.
  r = inst_.ComoAdmin({"pagos", "--aplicar", "--si", "--monto", "1001=150.75"});
  EXPECT_EQ(r.estado, 2);
  EXPECT_NE(r.errores.find("El monto del pago excede al saldo de la cuenta, o es incorrecto"), std::string::npos)
      << r.Todo();
  for (const char* malo : {"1001=abc", "1001=-1", "999=5", "1001"})
    EXPECT_EQ(inst_.ComoAdmin({"pagos", "--aplicar", "--si", "--monto", malo}).estado, 2) << malo;
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE FechaReal='2024-05-17'"), "0");

  // Without --si there is no one to say Yes: nothing applied.
  r = inst_.ComoAdmin({"pagos", "--aplicar"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.salida.find("Confirme si se aplican los pagos indicados: (s/N) n"), std::string::npos) << r.Todo();
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE FechaReal='2024-05-17'"), "0");

  // 0 leaves the second payment out.
  r = inst_.ComoAdmin({"pagos", "--aplicar", "--si", "--monto", "1001=50", "--monto", "1003=0"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("Pagos aplicados\n"), std::string::npos);
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1001"), "50.0000");
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1003"), "80.0000");
  EXPECT_EQ(Dato("SELECT CantidadPago FROM edoctacli WHERE Clave='C005'"), "50.0000");
  // What was decided on each payment of the file, and by whom.
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT_WS('/',Orden,Decision,Cantidad,Usuario,Archivo,DATE(Fecha)=CURDATE()) "
                 "ORDER BY Orden) FROM travesadecisionespago"),
            std::string("1/aplicado/50.00/admin/") + kArchivo + "/1,2/omitido/0.00/admin/" + kArchivo + "/1");

  r = inst_.ComoAdmin({"pagos", "--aplicar", "--si"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("No hay pagos por aplicar."), std::string::npos) << r.Todo();
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE FechaReal='2024-05-17'"), "1");
}

// A review of one seller shows and applies that seller's files only, those
// just downloaded and those waiting from an earlier review; with no seller
// chosen, every seller's.
TEST_F(PagosCliTest, CadaVendedorRevisaSoloSusArchivos) {
  ASSERT_EQ(inst_.ComoAdmin({"pagos", "--vendedor", "V01"}).estado, 0);
  constexpr const char* kDeV02 = "cxcs_tel2_v02_18_05_2024_10_00.sql";
  sitio_.Escribe(kDeV02, "insert into cxcs values ('tel2','V02','C018',1003,30,'')\r\n");
  auto r = inst_.ComoAdmin({"pagos", "--vendedor", "V02", "--aplicar", "--si"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(r.salida.find("60.25"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("Vendedor"), std::string::npos) << r.salida;
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1001"), "100.0000");
  EXPECT_EQ(
      Dato("SELECT GROUP_CONCAT(CONCAT(Clave,':',CantidadPago)) FROM edoctacli WHERE Concepto LIKE 'PAGO%TRAVESA%'"),
      "C018:30.0000");
  const std::filesystem::path respaldo = inst_.programa() / "respaldo";
  EXPECT_TRUE(std::filesystem::exists(respaldo / kArchivo));
  EXPECT_TRUE(std::filesystem::exists(respaldo / "procesados" / kDeV02));

  r = inst_.ComoAdmin({"pagos", "--vendedor", "V02"});
  EXPECT_NE(r.salida.find("No hay pagos por aplicar."), std::string::npos) << r.Todo();
  r = inst_.ComoAdmin({"pagos"});
  EXPECT_NE(r.salida.find("60.25"), std::string::npos) << r.Todo();
  EXPECT_NE(r.salida.find("1,234.50"), std::string::npos) << r.Todo();
}

// An empty payment file holds no payment: it is taken off the site like any
// other, finished at once, and no run fails for it.
TEST_F(PagosCliTest, UnArchivoVacioNoHaceFallarNingunaCorrida) {
  constexpr const char* kVacio = "cxcs_tel3_V01_18_05_2024_11_00.sql";
  sitio_.Escribe(kVacio, "");
  auto r = inst_.ComoAdmin({"pagos", "--aplicar", "--si"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(r.Todo().find("no se pudieron descargar"), std::string::npos) << r.Todo();
  EXPECT_NE(r.salida.find("Pagos aplicados"), std::string::npos) << r.Todo();
  EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco(kVacio)));
  const std::filesystem::path procesados = inst_.programa() / "respaldo" / "procesados";
  EXPECT_TRUE(std::filesystem::exists(procesados / kVacio));
  EXPECT_EQ(std::filesystem::file_size(procesados / kVacio), 0u);
  EXPECT_NE(
      prueba::LeeArchivo(inst_.programa() / "BitacoraDeArchivos.txt").find("Archivo " + std::string(kVacio) + " vacío"),
      std::string::npos);
  r = inst_.ComoAdmin({"pagos"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("No hay pagos por aplicar."), std::string::npos) << r.Todo();
}

TEST_F(PagosCliTest, DerechoYSitio) {
  // vendedor1 has no right 554.
  EXPECT_EQ(inst_.Travesa({"--usuario", "vendedor1", "--codigo", "1234", "pagos"}).estado, 3);
  EXPECT_EQ(inst_.ComoAdmin({"pagos", "--vendedor", "V99"}).estado, 2);
  inst_.ComoAdmin({"ajustes", "FTPcontraseña=equivocada"});
  const auto r = inst_.ComoAdmin({"pagos"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_NE(r.errores.find("No se pudo establecer conexión con el sitio"), std::string::npos) << r.Todo();
  EXPECT_NE(r.Todo().find("El proceso no fue concluido. Revise el archivo «" +
                          (inst_.programa() / "BitacoraDeArchivos.txt").string() + "» para más información"),
            std::string::npos)
      << r.Todo();
}

}  // namespace
}  // namespace travesa
