// Payments against the real MariaDB and FTP servers: the download by seller,
// the review rows, the application customer by customer, and the files that
// wait in the backup folder until their payments are applied.
#include <algorithm>
#include <barrier>
#include <thread>

#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/OperadorDePrueba.h"
#include "comun/SitioDePrueba.h"
#include "payments/AplicacionDePagos.h"
#include "payments/ArchivosDePagos.h"
#include "payments/DescargaDePagos.h"
#include "payments/RevisionDePagos.h"
#include "shell/Programa.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

namespace fs = std::filesystem;
using prueba::LeeArchivo;
using R = RevisionDePagos;

constexpr const char* kArchivo = "cxcs_tel1_v01_17_05_2024_09_30.sql";

std::string Grupo(long id, std::string_view monto, std::string_view fin = "\r\n") {
  return "insert into cxcs (dispositivo,vendedor,cliente,id,monto,nota) values ('tel1','V01','x'," +
         std::to_string(id) + "," + std::string(monto) + ",'')" + std::string(fin);
}

// A reviewed payment of the file of 17/05/2024 09:30.
PagoAAplicar Pago(std::string cliente, long id, double monto) {
  return {std::move(cliente), id, monto, "2024-05-17", "09:30"};
}

class PagosTest : public ::testing::Test {
 protected:
  PagosTest() : programa_(inst_.programa(), op_) {}

  void SetUp() override {
    ASSERT_TRUE(programa_.Inicia());
    sitio_.Pon(programa_.ajustes());  // a folder without a final "/"
    // The demo's own payments are left out, so every count here is of this test's rows.
    inst_.base().Ejecuta(R"(
      DELETE FROM anexopagosctes;
      DELETE FROM edoctacli WHERE Clave IN ('C005', 'C009', 'C013');
      DELETE FROM saldoscli WHERE Clave IN ('C005', 'C009', 'C013');
      INSERT INTO facturas (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES
        (100, 'A', 123, '2024-04-02', 'C005', 100, 100),
        (101, 'F', 1, '2024-04-02', 'C013', 100, 100),
        (102, 'F', 2, '2024-04-02', 'C013', 100, 100),
        (103, 'F', 3, '2024-04-02', 'C013', 100, 100);
      INSERT INTO remisiones (Id, Factura, Serie, Fecha, Cliente, Saldo) VALUES (100, 77, 'B', '2024-04-03', 'C005', 50.5);
      INSERT INTO apartados (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES (100, 'AP', 9, '2024-04-04', 'C009', 300, 300);
      INSERT INTO edoctacli (Id, Folio, Fecha, Hora, Clave, CantidadCargo, Concepto) VALUES
        (9000, 7777, '2024-04-05', '10:00', 'C009', 80, 'CARGO DE PRUEBA');
      INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo) VALUES
        (1001, 'C005', 'F', 100, '2024-05-02', 100),
        (1002, 'C005', 'R', 100, '2024-05-03', 50.5),
        (1003, 'C009', 'C', 7777, '2024-05-05', 80),
        (1004, 'C009', 'C', 8888, '2024-05-06', 60),
        (1005, 'C009', 'A', 100, '2024-05-07', 300),
        (1011, 'C013', 'F', 101, '2024-05-08', 100),
        (1012, 'C013', 'F', 102, '2024-05-08', 100),
        (1013, 'C013', 'F', 103, '2024-05-08', 100);
    )");
  }

  std::unique_ptr<BitacoraDeArchivos> Descarga(std::string_view vendedor = "") {
    auto d = DescargaDePagos::Descargar(programa_, op_, programa_.ajustes(), vendedor);
    EXPECT_TRUE(d.conectado) << d.motivo;
    return std::move(d.bitacora);
  }
  // A download and the reading of every waiting file, as the review window opens.
  std::unique_ptr<R> Revisa(std::string_view vendedor = "") {
    auto bitacora = Descarga(vendedor);
    auto r = std::make_unique<R>(programa_, op_);
    r->Carga(*bitacora);
    return r;
  }
  ResultadoAplicacion Aplica(const std::vector<PagoAAplicar>& pagos) {
    return AplicacionDePagos(programa_.principal(), programa_.bd(), op_).AplicarPagos(pagos);
  }
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }
  std::string Bitacora() { return LeeArchivo(programa_.Archivo(BitacoraDeArchivos::kNombre)); }
  std::vector<std::string> Nombres(const std::vector<fs::path>& rutas) {
    std::vector<std::string> n;
    for (const auto& r : rutas) n.push_back(r.filename().string());
    return n;
  }
  bool EnSitio(const std::string& nombre) { return fs::exists(sitio_.EnDisco(nombre)); }

  prueba::OperadorDePrueba op_;
  prueba::Instalacion inst_;
  prueba::SitioDePrueba sitio_;
  Programa programa_;
};

TEST_F(PagosTest, DescargaSoloLosDelVendedorYLoDiceEnLaBitacora) {
  std::string largo = Grupo(1001, "100");
  largo += "-- " + std::string(2500 - largo.size() - 5, 'x') + "\r\n";
  sitio_.Escribe(kArchivo, largo);
  sitio_.Escribe("cxcs_tel2_V02_17_05_2024_10_00.sql", Grupo(1003, "30"));
  sitio_.Escribe("cxcs_tel3.sql", Grupo(1003, "30"));
  sitio_.Escribe("cxcs_tel4_V01.sql", Grupo(1003, "30"));
  auto revision = Revisa("V01");
  EXPECT_FALSE(EnSitio(kArchivo));
  for (const char* queda : {"cxcs_tel2_V02_17_05_2024_10_00.sql", "cxcs_tel3.sql", "cxcs_tel4_V01.sql"})
    EXPECT_TRUE(EnSitio(queda)) << queda;
  const std::string log = Bitacora();
  const fs::path respaldo = programa_.carpeta() / "respaldo" / kArchivo;
  const std::string esperado = std::string("Conexión correcta al sitio\r\nObteniendo directorio 'cxcs_*.sql'\r\n");
  EXPECT_EQ(log.substr(0, esperado.size()), esperado);
  for (const std::string& linea :
       {"     Archivo " + std::string(kArchivo) + " correcto\r\n          Descargado\r\n          Intentando borrar " +
            kArchivo + "\r\n",
        std::string("     Archivo cxcs_tel2_V02_17_05_2024_10_00.sql incorrecto\r\n"),
        std::string("     Archivo cxcs_tel4_V01.sql incorrecto\r\n"), "Leyendo de " + respaldo.string() + "\r\n",
        "     SQL: " + largo})
    EXPECT_NE(log.find(linea), std::string::npos) << linea << "\n" << log;
  EXPECT_NE(std::find(op_.avisos.begin(), op_.avisos.end(),
                      "De '" + std::string(kArchivo) + "': bytes copiados 2,500 de 2,500"),
            op_.avisos.end());
  EXPECT_EQ(op_.avisos.back(), "");
  ASSERT_EQ(revision->Renglones().size(), 1u);
  EXPECT_EQ(revision->Renglones()[0][R::kFechaPago], "2024-05-17");
  EXPECT_EQ(revision->Renglones()[0][R::kHoraPago], "09:30");
  EXPECT_TRUE(fs::exists(respaldo));

  // With no seller chosen every file with a device name comes down.
  revision = Revisa();
  EXPECT_FALSE(EnSitio("cxcs_tel2_V02_17_05_2024_10_00.sql"));
  EXPECT_FALSE(EnSitio("cxcs_tel4_V01.sql"));
  EXPECT_TRUE(EnSitio("cxcs_tel3.sql"));
  // cxcs_tel4_V01.sql has no date in its name: kept in the backup folder, unread.
  EXPECT_NE(Bitacora().find("Archivo cxcs_tel4_V01.sql no leído"), std::string::npos);
  EXPECT_TRUE(fs::exists(programa_.carpeta() / "respaldo" / "cxcs_tel4_V01.sql"));
}

TEST_F(PagosTest, SinConexionNoHayRevision) {
  programa_.ajustes().FTPcontraseña = "equivocada";
  const auto d = DescargaDePagos::Descargar(programa_, op_, programa_.ajustes(), "");
  EXPECT_FALSE(d.conectado);
  ASSERT_FALSE(op_.cajas.empty());
  EXPECT_EQ(op_.cajas[0].texto.rfind("No se pudo establecer conexión con el sitio\r\nEl servidor «", 0), 0u)
      << op_.cajas[0].texto;
  EXPECT_NE(op_.cajas[0].texto.find("no aceptó el usuario o la contraseña del sitio FTP (respondió: «530 "),
            std::string::npos)
      << op_.cajas[0].texto;
  EXPECT_EQ(op_.cajas[0].titulo, "Error de conexión");
  EXPECT_EQ(Bitacora(), "No se pudo establecer conexión con el sitio\r\n");
}

TEST_F(PagosTest, RenglonesDeLaRevision) {
  R r(programa_, op_);
  EXPECT_TRUE(r.AgregaPago({1001, 150.75, "2024-05-17", "09:30"}));
  EXPECT_TRUE(r.AgregaPago({1002, 50.5, "2024-05-17", "09:30"}));
  EXPECT_TRUE(r.AgregaPago({1003, 30, "2024-05-17", "09:30"}));
  EXPECT_TRUE(r.AgregaPago({1004, 20, "2024-05-17", "09:30"}));
  EXPECT_TRUE(r.AgregaPago({1005, 1234.5, "2024-05-17", "09:30"}));
  EXPECT_FALSE(r.AgregaPago({99999, 10, "2024-05-17", "09:30"}));  // no such receivable
  ASSERT_EQ(r.Renglones().size(), 5u);
  const R::Renglon factura = {"",
                              "C005",
                              Dato("SELECT Nombre FROM clientes WHERE Clave='C005'"),
                              "02/abr/2024",
                              "02/may/2024",
                              "A123",
                              "Factura",
                              "100.00",
                              "150.75",
                              "2024-05-17",
                              "09:30",
                              "1001"};
  EXPECT_EQ(r.Renglones()[0], factura);
  EXPECT_EQ(r.Renglones()[1][R::kDocto], "Remisión");
  EXPECT_EQ(r.Renglones()[1][R::kNumero], "B77");
  // A cargo shows its number only when its statement entry exists.
  EXPECT_EQ(r.Renglones()[2][R::kDocto], "Cargo");
  EXPECT_EQ(r.Renglones()[2][R::kNumero], "7777");
  EXPECT_EQ(r.Renglones()[2][R::kFecha], "");
  EXPECT_EQ(r.Renglones()[3][R::kNumero], "");
  EXPECT_EQ(r.Renglones()[4][R::kNumero], "AP9");
  EXPECT_EQ(r.Renglones()[4][R::kAPagar], "1,234.50");
  EXPECT_EQ(r.TotalSaldo(), "590.50");
  EXPECT_EQ(r.TotalAPagar(), "1,485.75");

  // 150.75 against a balance of 100 is shown as it came, but typed it is refused.
  EXPECT_FALSE(r.CambiaAPagar(0, "150.75"));
  ASSERT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(op_.cajas[0].texto, "El monto del pago excede al saldo de la cuenta, o es incorrecto");
  EXPECT_EQ(op_.cajas[0].titulo, "Alerta");
  EXPECT_EQ(op_.cajas[0].botones, Botones::kExclamacion);
  EXPECT_FALSE(r.Validar("-1", 0, R::kAPagar));
  EXPECT_FALSE(r.Validar("diez", 0, R::kAPagar));
  // A comma that is not the grid's own thousands separator ("1,000.00") is
  // refused, not guessed at; the message says how to write the amount.
  for (const char* dudoso : {"1,5", "1,000", "1,00.00", "12,5.00", "1.000,50", "12a"}) {
    op_.cajas.clear();
    EXPECT_FALSE(r.Validar(dudoso, "5,000.00")) << dudoso;
    ASSERT_EQ(op_.cajas.size(), 1u);
    EXPECT_EQ(op_.cajas[0].texto,
              "El monto del pago excede al saldo de la cuenta, o es incorrecto\r\n"
              "Escriba solo el número, con punto para los centavos (por ejemplo 1500.50).");
  }
  EXPECT_TRUE(r.Validar("1,000.00", "5,000.00"));
  EXPECT_TRUE(r.Validar("1000", "5,000.00"));
  EXPECT_EQ(r.Renglones()[0][R::kAPagar], "150.75");
  EXPECT_TRUE(r.CambiaAPagar(0, "0"));
  // Compared to the cent: 50.504 is the 50.50 of the balance.
  EXPECT_TRUE(r.CambiaAPagar(1, "50.504"));
  EXPECT_EQ(r.Renglones()[0][R::kAPagar], "0.00");
  EXPECT_EQ(r.Renglones()[1][R::kAPagar], "50.50");
  r.Borra(4);
  EXPECT_EQ(r.TotalAPagar(), "100.50");
}

TEST_F(PagosTest, PagoYaAplicadoNoDaRenglon) {
  inst_.base().Ejecuta(
      "INSERT INTO anexopagosctes (FolioDelPago, Cantidad, CantidadReal, Factura, FechaReal, Hora) "
      "VALUES (1, 100.4, 100.4, 100, '2024-05-17', '09:30')");
  R r(programa_, op_);
  EXPECT_FALSE(r.AgregaPago({1001, 100.9, "2024-05-17", "09:30"}));  // same whole amount
  EXPECT_TRUE(r.AgregaPago({1001, 101, "2024-05-17", "09:30"}));
  EXPECT_TRUE(r.AgregaPago({1001, 100.9, "2024-05-17", "09:31"}));
  // The ticket posting's own annex row names the ticket in Cargo: a different record.
  EXPECT_TRUE(r.AgregaPago({1002, 100.9, "2024-05-17", "09:30"}));
}

TEST_F(PagosTest, DosPagosDeUnClienteUnaEntradaYDosAnexos) {
  const std::vector<PagoAAplicar> pagos = {
      Pago("C005", 1001, 100), Pago("C005", 1002, 50.5), {"", 0, 0, "", ""}};  // an empty row is never applied
  auto r = Aplica(pagos);
  ASSERT_EQ(r.aplicados.size(), 1u);
  EXPECT_TRUE(r.fallidos.empty());
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes"), "2");
  EXPECT_EQ(Dato("SELECT COUNT(DISTINCT FolioDelPago) FROM anexopagosctes"), "1");
  EXPECT_EQ(Dato("SELECT CONCAT(Factura,'/',Cantidad,'/',FechaReal,'/',Hora,'/',FechaAplicacion) FROM anexopagosctes "
                 "WHERE Factura<>0"),
            "100/100.0000/2024-05-17/09:30/2024-05-17");
  EXPECT_EQ(Dato("SELECT Remision FROM anexopagosctes WHERE Factura=0"), "100");
  EXPECT_EQ(Dato("SELECT CONCAT(COUNT(*),'/',MAX(CantidadPago),'/',MAX(MontoTotal),'/',MAX(Fecha),'/',MAX(Hora)) "
                 "FROM edoctacli WHERE Concepto='PAGO REGISTRADO EN PROGRAMA «TRAVESA»'"),
            "1/150.5000/150.5000/2024-05-17/09:30");
  EXPECT_EQ(Dato("SELECT e.Folio = a.FolioDelPago FROM edoctacli e, anexopagosctes a WHERE e.Clave='C005' LIMIT 1"),
            "1");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM cxc WHERE Id IN (1001, 1002)"), "0");
  EXPECT_EQ(Dato("SELECT Saldo FROM facturas WHERE Id=100"), "0.0000");
  EXPECT_EQ(Dato("SELECT Saldo FROM remisiones WHERE Id=100"), "0.0000");
  EXPECT_EQ(Dato("SELECT Abonos FROM saldoscli WHERE Clave='C005'"), "150.5000");
  EXPECT_EQ(Dato("SHOW TABLES LIKE 'tmpcxcs'"), "");

  // Applied again, the statement already holds the entry: the customer is skipped.
  r = Aplica(pagos);
  EXPECT_TRUE(r.aplicados.empty());
  ASSERT_EQ(r.repetidos.size(), 1u);
  EXPECT_EQ(r.repetidos[0].clave, "C005");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes"), "2");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM edoctacli WHERE Clave='C005'"), "1");
}

TEST_F(PagosTest, SaldosCargosYCuentasQueYaNoEstan) {
  inst_.base().Ejecuta(
      "INSERT INTO clientes (Clave, Nombre) VALUES ('CLIENTE-LARGO-1', 'Clave larga');"
      "INSERT INTO cxc (Id, Clave, Tipo, Numero, Saldo) VALUES (1020, 'CLIENTE-LARGO-1', 'C', 7777, 500);");
  const auto r =
      Aplica({Pago("C013", 1011, 100), Pago("C013", 1012, 99.5), Pago("C013", 1013, 98), Pago("C009", 1003, 30),
              Pago("C009", 1004, 20), Pago("C009", 1005, 0),  // 0 is left out
              Pago("C009", 99999, 5), Pago("CLIENTE-LARGO-1", 1020, 0.1), Pago("CLIENTE-LARGO-1", 1020, 0.2)});
  EXPECT_EQ(r.aplicados.size(), 3u);
  EXPECT_TRUE(r.fallidos.empty()) << r.fallidos[0].motivo;
  // 100 paid with 100 and with 99.5 (0.5 left, which rounded down is 0) go; with 98, 2 stay.
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT(Id,':',Saldo) ORDER BY Id) FROM cxc WHERE Id IN (1011,1012,1013)"),
            "1013:2.0000");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(Saldo ORDER BY Id) FROM facturas WHERE Id IN (101,102,103)"),
            "0.0000,0.5000,2.0000");
  // A cargo lowers only the receivable, and only when its statement entry exists.
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1003"), "50.0000");
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1004"), "60.0000");
  EXPECT_EQ(Dato("SELECT CantidadCargo FROM edoctacli WHERE Folio=7777"), "80.0000");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE Cargo IN (7777, 8888)"), "4");
  // The receivable that no longer exists: an annex row with no document, counted in the total.
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE Factura=0 AND Remision=0 AND Apartado=0 AND Cargo=0"), "1");
  EXPECT_EQ(Dato("SELECT CantidadPago FROM edoctacli WHERE Clave='C009' AND CantidadPago>0"), "55.0000");
  EXPECT_EQ(Dato("SELECT Saldo FROM apartados WHERE Id=100"), "300.0000");
  // A key longer than ten characters is kept whole; 0.1 + 0.2 is 0.30 in cents.
  EXPECT_EQ(Dato("SELECT CantidadPago FROM edoctacli WHERE Clave='CLIENTE-LARGO-1'"), "0.3000");
  EXPECT_EQ(Aplica({Pago("CLIENTE-LARGO-1", 1020, 0.1), Pago("CLIENTE-LARGO-1", 1020, 0.2)}).repetidos.size(), 1u);
}

// A receivable paid off by a first payment and paid again in the same group:
// the second finds it gone (an annex row without document, no balance
// lowered twice). A key in other letters joins its customer's group.
TEST_F(PagosTest, CuentaSaldadaYPagadaOtraVezEnElMismoGrupo) {
  const auto r = Aplica({Pago("C013", 1011, 100), Pago("c013", 1011, 40), Pago("C013", 1012, 10)});
  ASSERT_EQ(r.aplicados.size(), 1u);
  EXPECT_DOUBLE_EQ(r.aplicados[0].total, 150);
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT(Id,':',Saldo) ORDER BY Id) FROM cxc WHERE Id IN (1011,1012)"),
            "1012:90.0000");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(Saldo ORDER BY Id) FROM facturas WHERE Id IN (101,102)"), "0.0000,90.0000");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT(Cantidad,'/',Factura) ORDER BY Cantidad) FROM anexopagosctes"),
            "10.0000/102,40.0000/0,100.0000/101");
  EXPECT_EQ(Dato("SELECT CantidadPago FROM edoctacli WHERE Clave='C013' AND CantidadPago>0"), "150.0000");
}

// A receivable paid off by one customer's payment and paid again by another
// customer's in the same run: the second finds it gone, and the invoice is
// not lowered twice.
TEST_F(PagosTest, CuentaSaldadaPorOtroClienteEnLaMismaCorrida) {
  const auto r = Aplica({Pago("C005", 1011, 100), Pago("C013", 1011, 40), Pago("C013", 1012, 10)});
  ASSERT_EQ(r.aplicados.size(), 2u);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM cxc WHERE Id = 1011"), "0");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(Saldo ORDER BY Id) FROM facturas WHERE Id IN (101,102)"), "0.0000,90.0000");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT(Cantidad,'/',Factura) ORDER BY Cantidad) FROM anexopagosctes"),
            "10.0000/102,40.0000/0,100.0000/101");
}

TEST_F(PagosTest, UnClienteQueFallaNoTocaNadaSuyoYLosDemasSeAplican) {
  Conexion cn = inst_.base().Conecta();
  cn.Execute(
      "CREATE TRIGGER falla_de_prueba BEFORE INSERT ON anexopagosctes FOR EACH ROW "
      "IF NEW.Cantidad = 13.13 THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'falla de prueba'; END IF");
  const auto r = Aplica({Pago("C005", 1001, 10), Pago("C005", 1002, 13.13), Pago("C009", 1003, 30)});
  ASSERT_EQ(r.fallidos.size(), 1u);
  EXPECT_EQ(r.fallidos[0].clave, "C005");
  EXPECT_NE(r.fallidos[0].motivo.find("falla de prueba"), std::string::npos);
  ASSERT_EQ(r.aplicados.size(), 1u);
  EXPECT_EQ(r.aplicados[0].clave, "C009");
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1001"), "100.0000");
  EXPECT_EQ(Dato("SELECT Saldo FROM facturas WHERE Id=100"), "100.0000");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE Factura=100 OR Remision=100"), "0");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM edoctacli WHERE Clave='C005'"), "0");
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1003"), "50.0000");
}

TEST_F(PagosTest, OtroEscritorioAplicandoHaceEsperarYLuegoAvisa) {
  Conexion otro = inst_.base().Conecta();
  const std::string bloqueo = otro.Literal(Valor(AplicacionDePagos::NombreDelBloqueo(otro)));
  ASSERT_EQ(otro.Escalar("SELECT GET_LOCK(" + bloqueo + ", 0)").Texto(), "1");
  AplicacionDePagos a(programa_.principal(), programa_.bd(), op_);
  a.segundosDeEspera = 1;
  EXPECT_THROW(a.AplicarPagos({Pago("C005", 1001, 10)}), ErrorTravesa);
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1001"), "100.0000");
  otro.Escalar("SELECT RELEASE_LOCK(" + bloqueo + ")");
  EXPECT_EQ(a.AplicarPagos({Pago("C005", 1001, 10)}).aplicados.size(), 1u);
}

TEST_F(PagosTest, DosEscritoriosALaVezNoAplicanDosVeces) {
  // Both desks review the same payments before either applies them.
  prueba::OperadorDePrueba op2;
  Programa otro(inst_.programa(), op2);
  ASSERT_TRUE(otro.Inicia());
  R r1(programa_, op_), r2(otro, op2);
  for (R* r : {&r1, &r2}) {
    ASSERT_TRUE(r->AgregaPago({1001, 100, "2024-05-17", "09:30"}));
    ASSERT_TRUE(r->AgregaPago({1002, 20, "2024-05-17", "09:30"}));
  }
  std::barrier juntos(2);
  ResultadoAplicacion res1, res2;
  std::thread t([&] {
    juntos.arrive_and_wait();
    res2 = r2.Aplicar();
  });
  juntos.arrive_and_wait();
  res1 = r1.Aplicar();
  t.join();
  EXPECT_EQ(res1.aplicados.size() + res2.aplicados.size(), 1u);
  EXPECT_EQ(res1.repetidos.size() + res2.repetidos.size(), 1u);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes"), "2");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM edoctacli WHERE Clave='C005'"), "1");
  EXPECT_EQ(Dato("SELECT Saldo FROM remisiones WHERE Id=100"), "30.5000");
}

// A file waits because one of its customers failed. The next review shows
// and applies only the payments nobody decided on: not the one applied with
// the amount the operator typed, nor the one left out with 0, nor the
// deleted one; each customer is credited once.
TEST_F(PagosTest, ElArchivoQueEsperaSoloMuestraLosPagosSinDecidir) {
  Conexion cn = inst_.base().Conecta();
  cn.Execute(
      "CREATE TRIGGER falla_de_prueba BEFORE INSERT ON edoctacli FOR EACH ROW "
      "IF NEW.Clave = 'C009' THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'falla de prueba'; END IF");
  sitio_.Escribe(kArchivo, Grupo(1001, "80.75") + Grupo(1002, "20") + Grupo(1011, "30") + Grupo(1003, "30"));
  auto r = Revisa();
  ASSERT_EQ(r->Renglones().size(), 4u);
  ASSERT_TRUE(r->CambiaAPagar(0, "50"));
  ASSERT_TRUE(r->CambiaAPagar(1, "0"));
  r->Borra(2);
  auto res = r->Aplicar();
  ASSERT_EQ(res.fallidos.size(), 1u);
  EXPECT_EQ(res.fallidos[0].clave, "C009");
  ASSERT_EQ(res.aplicados.size(), 1u);
  EXPECT_DOUBLE_EQ(res.aplicados[0].total, 50);
  const ArchivosDePagos archivos(programa_.carpeta());
  EXPECT_EQ(Nombres(archivos.Pendientes()), std::vector<std::string>{kArchivo});

  cn.Execute("DROP TRIGGER falla_de_prueba");
  r = Revisa();
  ASSERT_EQ(r->Renglones().size(), 1u);
  EXPECT_EQ(r->Renglones()[0][R::kIdCxc], "1003");
  res = r->Aplicar();
  EXPECT_EQ(res.aplicados.size(), 1u);
  EXPECT_TRUE(res.repetidos.empty());
  EXPECT_TRUE(archivos.Pendientes().empty());
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1001"), "50.0000");
  EXPECT_EQ(Dato("SELECT Saldo FROM facturas WHERE Id=100"), "50.0000");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CantidadPago) FROM edoctacli WHERE Clave='C005'"), "50.0000");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes"), "2");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT(Id,':',Saldo) ORDER BY Id) FROM cxc WHERE Id IN (1002,1003,1011)"),
            "1002:50.5000,1003:50.0000,1011:100.0000");
  // What was decided on each payment of the file, in its order.
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT_WS(':',Orden,Decision,Cantidad,Cliente,CxC,Archivo) ORDER BY Orden) "
                 "FROM travesadecisionespago"),
            "1:aplicado:50.00:C005:1001:" + std::string(kArchivo) + ",2:omitido:0.00:C005:1002:" + kArchivo +
                ",3:borrado:0.00:C013:1011:" + kArchivo + ",4:aplicado:30.00:C009:1003:" + kArchivo);
}

// Two desks hold the same file and review it before either applies. What
// the first decided (an amount typed over the phone's, a 0, a deleted row)
// holds for the second, which applies nothing of it again.
TEST_F(PagosTest, LoQueDecidioOtroEscritorioValeParaEsteArchivo) {
  prueba::OperadorDePrueba op2;
  prueba::Instalacion segunda(inst_);
  Programa otro(segunda.programa(), op2);
  ASSERT_TRUE(otro.Inicia());
  sitio_.Pon(otro.ajustes());
  const std::string contenido = Grupo(1001, "80.75") + Grupo(1002, "20") + Grupo(1003, "30");
  sitio_.Escribe(kArchivo, contenido);
  auto bitacora = DescargaDePagos::Descargar(otro, op2, otro.ajustes(), "").bitacora;
  R r2(otro, op2);
  r2.Carga(*bitacora);
  sitio_.Escribe(kArchivo, contenido);
  auto r1 = Revisa();
  ASSERT_EQ(r1->Renglones().size(), 3u);
  ASSERT_EQ(r2.Renglones().size(), 3u);

  ASSERT_TRUE(r1->CambiaAPagar(0, "50"));
  ASSERT_TRUE(r1->CambiaAPagar(1, "0"));
  r1->Borra(2);
  EXPECT_EQ(r1->Aplicar().aplicados.size(), 1u);
  const auto res = r2.Aplicar();
  EXPECT_TRUE(res.aplicados.empty());
  EXPECT_TRUE(res.fallidos.empty());
  r2.AvisaAplicados(res);
  EXPECT_EQ(op2.cajas.back().texto,
            "Estos pagos ya se habían aplicado o descartado (aquí o en otro equipo) y no se aplicaron de nuevo:"
            "\r\nC005: 100.75\r\nC009: 30.00");
  EXPECT_EQ(Dato("SELECT Saldo FROM cxc WHERE Id=1001"), "50.0000");
  EXPECT_EQ(Dato("SELECT Saldo FROM facturas WHERE Id=100"), "50.0000");
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT(Id,':',Saldo) ORDER BY Id) FROM cxc WHERE Id IN (1002,1003)"),
            "1002:50.5000,1003:80.0000");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM edoctacli WHERE Concepto='PAGO REGISTRADO EN PROGRAMA «TRAVESA»'"), "1");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes"), "1");
  // Both desks are done with the file.
  EXPECT_TRUE(ArchivosDePagos(programa_.carpeta()).Pendientes().empty());
  EXPECT_TRUE(ArchivosDePagos(otro.carpeta()).Pendientes().empty());
}

TEST_F(PagosTest, LosArchivosEsperanEnElRespaldoHastaAplicarse) {
  const std::string contenido = Grupo(1001, "100", "\n") + Grupo(1002, "50.5", "\n");
  sitio_.Escribe(kArchivo, contenido);
  sitio_.Escribe("cxcs_tel1_V01_17_05_2024.sql", Grupo(1003, "30"));
  auto r = Revisa();
  ASSERT_EQ(r->Renglones().size(), 2u);
  EXPECT_FALSE(r->aplicados());
  // Closing without applying asks; the files stay in the backup folder.
  op_.respuestas = {Botones::kRespNo};
  EXPECT_FALSE(r->PuedeCerrar());
  EXPECT_EQ(op_.cajas.back().texto, "Los pagos no han sido aplicados. ¿Está seguro de salir, de cualquier manera?");
  EXPECT_EQ(op_.cajas.back().titulo, "Los pagos se perderán");
  const ArchivosDePagos archivos(programa_.carpeta());
  EXPECT_EQ(Nombres(archivos.Pendientes()), (std::vector<std::string>{"cxcs_tel1_V01_17_05_2024.sql", kArchivo}));

  // The phone sends the same file again before anything was applied: its
  // payments are not shown twice. The next review shows them again.
  sitio_.Escribe(kArchivo, contenido);
  r = Revisa();
  ASSERT_EQ(r->Renglones().size(), 2u);
  EXPECT_EQ(r->TotalAPagar(), "150.50");
  const auto res = r->Aplicar();
  EXPECT_EQ(res.aplicados.size(), 1u);
  r->AvisaAplicados(res);
  EXPECT_EQ(op_.cajas.back().texto, "Pagos aplicados");
  EXPECT_EQ(op_.cajas.back().titulo, "Fin del proceso");
  EXPECT_TRUE(r->PuedeCerrar());
  EXPECT_EQ(Nombres(archivos.Procesados()),
            (std::vector<std::string>{"cxcs_tel1_v01_17_05_2024_09_30.1.sql", kArchivo}));
  EXPECT_EQ(Nombres(archivos.Pendientes()), std::vector<std::string>{"cxcs_tel1_V01_17_05_2024.sql"});

  // Nothing left: an empty review that closes without asking.
  r = Revisa();
  EXPECT_TRUE(r->Renglones().empty());
  EXPECT_TRUE(r->aplicados());
  // The same file downloaded again after it was applied yields no row, and is finished at once.
  sitio_.Escribe(kArchivo, contenido);
  r = Revisa();
  EXPECT_TRUE(r->Renglones().empty());
  EXPECT_EQ(archivos.Procesados().size(), 3u);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes"), "2");
}

TEST_F(PagosTest, ElArchivoDeUnClienteQueFallaSigueEsperando) {
  Conexion cn = inst_.base().Conecta();
  cn.Execute(
      "CREATE TRIGGER falla_de_prueba BEFORE INSERT ON edoctacli FOR EACH ROW "
      "IF NEW.Clave = 'C005' THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'falla de prueba'; END IF");
  sitio_.Escribe(kArchivo, Grupo(1001, "100"));
  sitio_.Escribe("cxcs_tel2_V02_18_05_2024_11_00.sql", Grupo(1003, "30"));
  auto r = Revisa();
  ASSERT_EQ(r->Renglones().size(), 2u);
  const auto res = r->Aplicar();
  ASSERT_EQ(res.fallidos.size(), 1u);
  r->AvisaAplicados(res);
  EXPECT_NE(op_.cajas.back().texto.find("C005: "), std::string::npos);
  const ArchivosDePagos archivos(programa_.carpeta());
  EXPECT_EQ(Nombres(archivos.Pendientes()), std::vector<std::string>{kArchivo});
  cn.Execute("DROP TRIGGER falla_de_prueba");
  r = Revisa();
  ASSERT_EQ(r->Renglones().size(), 1u);
  EXPECT_EQ(r->Renglones()[0][R::kIdCxc], "1001");
}

}  // namespace
}  // namespace travesa
