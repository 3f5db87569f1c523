// Real processes side by side on the real database and FTP servers: two desks
// (two program folders on one database and one site folder) reading sales or
// applying payments at once, or reading while a phone still uploads its sales;
// publish runs while a phone downloads the catalogue; the service publishing
// while read runs post sales beside it.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <map>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Instalacion.h"
#include "comun/LectorDeCatalogo.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"
#include "payments/ArchivosDePagos.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::Instalacion;
using prueba::LectorDeCatalogo;
using prueba::LeeArchivo;
using prueba::ProcesoEnFondo;
using prueba::Resultado;
using prueba::VentaDeTelefono;

// Sale `n` of 8 December 2026 (n seconds after 8:00) of client C001 by seller
// V01: 1 ABA001 at 44.50 and 2 ABA005 at 24, 92.50 in all; on credit, every
// third one paid in cash.
ArchivoDeVentas& AgregaVenta(ArchivoDeVentas& archivo, int n) {
  const auto dos = [](int x) { return (x < 10 ? "0" : "") + std::to_string(x); };
  VentaDeTelefono v;
  v.fecha = "Dec 8, 2026 " + std::to_string(8 + n / 3600) + ":" + dos(n / 60 % 60) + ":" + dos(n % 60);
  v.vendedor = "V01";
  v.cliente = "C001";
  v.formaPago = "C";
  if (n % 3 == 0) {
    v.formaPago = "CO";
    v.formasDePago[0] = 92.5;
  }
  return archivo.Linea(v, "ABA001", 1, 44.5).Linea(v, "ABA005", 2, 24);
}

std::map<std::string, std::string> ComoAdmin(std::map<std::string, std::string> mas = {}) {
  mas["TRAVESA_USUARIO"] = "admin";
  mas["TRAVESA_CODIGO"] = "admin";
  return mas;
}

std::vector<std::string> Orden(const Instalacion& inst, std::vector<std::string> args) {
  args.insert(args.begin(), {"--carpeta", inst.programa().string()});
  return args;
}

// What the posted sales of AgregaVenta must have left in the database, for
// `ventas` different sales: each sale one remission, no folio twice.
void RevisaVentas(prueba::BaseDePrueba& base, int ventas, const std::string& existenciaAntes) {
  const std::string nuevas = " FROM remisiones WHERE Fecha = '2026-12-08' AND Cliente = 'C001' AND Vendedor = 'V01'";
  const std::string n = std::to_string(ventas);
  EXPECT_EQ(base.Dato("SELECT COUNT(*)" + nuevas), n);
  EXPECT_EQ(base.Dato("SELECT COUNT(DISTINCT Hora)" + nuevas), n);
  EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM remisionesdetalle WHERE Id IN (SELECT Id" + nuevas + ")"),
            std::to_string(2 * ventas));
  EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM (SELECT Serie, Factura FROM remisiones GROUP BY Serie, Factura "
                      "HAVING COUNT(*) > 1) d"),
            "0");
  // The account statement: one charge a sale, one payment a cash sale, no
  // entry number or movement folio twice.
  const std::string movimientos = " FROM edoctacli WHERE Concepto LIKE '%TRAVESA%' AND Clave = 'C001'";
  EXPECT_EQ(base.Dato("SELECT COUNT(*)" + movimientos + " AND Concepto LIKE 'CARGO%'"), n);
  EXPECT_EQ(base.Dato("SELECT COUNT(*)" + movimientos + " AND Concepto LIKE 'PAGO%'"),
            std::to_string((ventas + 2) / 3));
  EXPECT_EQ(base.Dato("SELECT COUNT(DISTINCT Folio)" + movimientos + " AND Concepto LIKE 'CARGO%'"), n);
  EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM (SELECT Id FROM edoctacli GROUP BY Id HAVING COUNT(*) > 1) d"), "0");
  // The stock went down once a sale.
  EXPECT_EQ(base.Dato("SELECT CAST(Existencia AS DECIMAL(14,2)) FROM productos WHERE Clave = 'ABA001'"),
            base.Dato("SELECT CAST(" + existenciaAntes + " - " + n + " AS DECIMAL(14,2))"));
}

bool QuedanVentas(const std::filesystem::path& carpeta) {
  for (const auto& e : std::filesystem::directory_iterator(carpeta))
    if (e.path().filename().string().rfind("ventas_", 0) == 0) return true;
  return false;
}

// The publish runs the service reported as done.
int Publicaciones(const std::string& salida) {
  constexpr std::string_view kHecha = "Archivos generados y grabados en el sitio web";
  int n = 0;
  for (auto i = salida.find(kHecha); i != std::string::npos; i = salida.find(kHecha, i + 1)) ++n;
  return n;
}

// Two desks: program folders of their own on one database and one site folder.
class DosEscritoriosTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Instalacion* inst : {&a_, &b_}) inst->Ajusta(sitio_.ComoAjustes({"TipoMovimiento=R"}));
  }
  std::string Dato(const std::string& sql) { return a_.base().Dato(sql); }

  Instalacion a_;
  Instalacion b_{a_};
  prueba::SitioDePrueba sitio_;
};

TEST_F(DosEscritoriosTest, LeenALaVezYCadaVentaSeGrabaUnaVez) {
  constexpr int kArchivos = 8, kVentas = 50;
  std::vector<std::string> enviados;
  for (int a = 0; a < kArchivos; ++a) {
    ArchivoDeVentas archivo;
    for (int v = 0; v < kVentas; ++v) AgregaVenta(archivo, a * kVentas + v);
    // Phones that share a route send some sales of another phone again.
    if (a > 0) AgregaVenta(AgregaVenta(archivo, a * kVentas - 1), (a - 1) * kVentas);
    sitio_.Escribe("ventas_tel" + std::to_string(a) + "_1.sql", archivo.contenido());
    enviados.push_back(archivo.contenido());
  }
  const std::string existencia = Dato("SELECT Existencia FROM productos WHERE Clave = 'ABA001'");

  ProcesoEnFondo uno(Orden(a_, {"leer"}), ComoAdmin()), dos(Orden(b_, {"leer"}), ComoAdmin());
  const Resultado r1 = uno.Espera(180), r2 = dos.Espera(180);
  EXPECT_EQ(r1.estado, 0) << r1.Todo();
  EXPECT_EQ(r2.estado, 0) << r2.Todo();
  RevisaVentas(a_.base(), kArchivos * kVentas, existencia);
  EXPECT_FALSE(QuedanVentas(sitio_.EnDisco("")));

  // A phone sends its file again: the other desk posts none of it twice.
  sitio_.Escribe("ventas_tel3_1.sql", enviados[3]);
  const Resultado r3 = b_.ComoAdmin({"leer"});
  EXPECT_EQ(r3.estado, 0) << r3.Todo();
  EXPECT_NE(r3.salida.find("Ventas ya grabadas antes (omitidas): " + std::to_string(kVentas + 2)), std::string::npos)
      << r3.salida;
  RevisaVentas(a_.base(), kArchivos * kVentas, existencia);
  EXPECT_FALSE(QuedanVentas(sitio_.EnDisco("")));
}

// A payment file as a phone sends it: its name gives the date and time of its
// payments.
struct EnvioDePagos {
  std::string nombre;
  std::vector<std::pair<int, double>> pagos;  // cxc.Id and amount
};

const std::vector<EnvioDePagos>& Envios() {
  static const std::vector<EnvioDePagos> envios = {
      {"cxcs_tel1_V01_08_12_2026_09_30.sql", {{1, 100}, {3, 200}, {5, 50}, {15, 2318}}},
      {"cxcs_tel2_V02_08_12_2026_10_15.sql", {{1, 150}, {13, 100}}},
      {"cxcs_tel3_V03_08_12_2026_11_00.sql", {{7, 65.5}, {4, 90}}},
      {"cxcs_tel1_V01_08_12_2026_12_45.sql", {{10, 21}, {3, 73.7}}},
      {"cxcs_tel4_V04_08_12_2026_13_05.sql", {{18, 366}, {24, 409}}},
      {"cxcs_tel3_V03_08_12_2026_14_20.sql", {{21, 604.75}, {19, 96.7}, {5, 8}}},
  };
  return envios;
}

std::string Contenido(const EnvioDePagos& e) {
  std::string texto;
  for (const auto& [cxc, monto] : e.pagos)
    texto +=
        "insert into cxcs values ('tel','V01','X'," + std::to_string(cxc) + "," + prueba::Numero(monto) + ",'')\r\n";
  return texto;
}

// Both desks hold the first file, one of them also the second (a phone sent
// the first one again after the other desk had taken it); the rest wait on
// the site. Both apply at once: every payment once, whichever desk applied it,
// also when the customer's other payments differ between the desks and when
// a payment settles its receivable.
TEST_F(DosEscritoriosTest, AplicanPagosALaVezYCadaPagoUnaVez) {
  const auto& archivos = Envios();
  std::map<int, double> porCxc;
  std::map<std::string, double> porCliente;
  std::map<int, std::string> saldoAntes;
  int pagos = 0;
  for (const auto& a : archivos) {
    for (const auto& [cxc, monto] : a.pagos) {
      const std::string id = std::to_string(cxc);
      porCxc[cxc] += monto;
      porCliente[Dato("SELECT Clave FROM cxc WHERE Id = " + id)] += monto;
      saldoAntes[cxc] = Dato("SELECT Saldo FROM cxc WHERE Id = " + id);
      ++pagos;
    }
  }
  sitio_.Escribe(archivos[0].nombre, Contenido(archivos[0]));
  auto r = b_.ComoAdmin({"pagos"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  sitio_.Escribe(archivos[0].nombre, Contenido(archivos[0]));
  sitio_.Escribe(archivos[1].nombre, Contenido(archivos[1]));
  r = a_.ComoAdmin({"pagos"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  for (std::size_t i = 2; i < archivos.size(); ++i) sitio_.Escribe(archivos[i].nombre, Contenido(archivos[i]));

  ProcesoEnFondo uno(Orden(a_, {"pagos", "--aplicar", "--si"}), ComoAdmin()),
      dos(Orden(b_, {"pagos", "--aplicar", "--si"}), ComoAdmin());
  const Resultado r1 = uno.Espera(180), r2 = dos.Espera(180);
  EXPECT_EQ(r1.estado, 0) << r1.Todo();
  EXPECT_EQ(r2.estado, 0) << r2.Todo();

  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes WHERE FechaReal = '2026-12-08'"), std::to_string(pagos));
  for (const auto& [cxc, suma] : porCxc) {
    const std::string id = std::to_string(cxc);
    const std::string queda =
        Dato("SELECT CAST(" + saldoAntes[cxc] + " - " + prueba::Numero(suma) + " AS DECIMAL(14,2))");
    if (queda == "0.00") {
      EXPECT_EQ(Dato("SELECT COUNT(*) FROM cxc WHERE Id = " + id), "0") << "cxc " << id;
      continue;
    }
    EXPECT_EQ(Dato("SELECT CAST(Saldo AS DECIMAL(14,2)) FROM cxc WHERE Id = " + id), queda) << "cxc " << id;
  }
  // The invoice behind receivable 15, paid in full.
  EXPECT_EQ(Dato("SELECT CAST(Saldo AS DECIMAL(14,2)) FROM facturas WHERE Id = 5"), "0.00");
  // The account statement: each customer's payments once, no entry twice.
  for (const auto& [cliente, suma] : porCliente) {
    EXPECT_EQ(Dato("SELECT CAST(SUM(CantidadPago) AS DECIMAL(14,2)) FROM edoctacli WHERE Clave = '" + cliente +
                   "' AND Concepto = 'PAGO REGISTRADO EN PROGRAMA «TRAVESA»'"),
              Dato("SELECT CAST(" + prueba::Numero(suma) + " AS DECIMAL(14,2))"))
        << cliente;
  }
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM (SELECT Id FROM edoctacli GROUP BY Id HAVING COUNT(*) > 1) d"), "0");
  for (const Instalacion* inst : {&a_, &b_}) EXPECT_TRUE(ArchivosDePagos(inst->programa()).Pendientes().empty());
  for (const auto& a : archivos) EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco(a.nombre))) << a.nombre;
}

// A phone sends its day's sales slowly under their own name, as the phones
// do, while both desks read: a run that meets the file half written posts
// what it read and leaves the file on the site; a run after the upload posts
// the rest, each sale once.
TEST_F(DosEscritoriosTest, LeenMientrasUnTelefonoSubeSusVentas) {
  constexpr int kVentas = 600;
  ArchivoDeVentas archivo;
  for (int v = 0; v < kVentas; ++v) AgregaVenta(archivo, v);
  prueba::CarpetaTemporal telefono;
  prueba::EscribeArchivo(telefono / "ventas_tel9_1.sql", archivo.contenido());
  const std::string existencia = Dato("SELECT Existencia FROM productos WHERE Clave = 'ABA001'");
  // 4 KiB every 50 ms.
  const std::string subida =
      "import ftplib, sys, time\n"
      "sitio, usuario, clave, carpeta, archivo = sys.argv[1:]\n"
      "class Despacio:\n"
      "    def __init__(self, f): self.f = f\n"
      "    def read(self, n):\n"
      "        time.sleep(0.05)\n"
      "        return self.f.read(4096)\n"
      "ftp = ftplib.FTP()\n"
      "ftp.connect(sitio.split(':')[0], int(sitio.split(':')[1]))\n"
      "ftp.login(usuario, clave)\n"
      "ftp.cwd(carpeta)\n"
      "ftp.storbinary('STOR ventas_tel9_1.sql', Despacio(open(archivo, 'rb')))\n";
  const auto& s = sitio_.servidor();
  ProcesoEnFondo sube("/usr/bin/python3", {"-c", subida, sitio_.sitio(), s.usuario, s.password, sitio_.carpeta(),
                                           (telefono / "ventas_tel9_1.sql").string()});
  std::error_code ec;
  for (int i = 0; i < 600 && std::filesystem::file_size(sitio_.EnDisco("ventas_tel9_1.sql"), ec) < 20000; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ProcesoEnFondo uno(Orden(a_, {"leer"}), ComoAdmin()), dos(Orden(b_, {"leer"}), ComoAdmin());
  // A download that finds the file grown past the size it was told breaks
  // off: that run reads nothing of it and ends with 1.
  for (const Resultado& r : {uno.Espera(180), dos.Espera(180)}) EXPECT_LE(r.estado, 1) << r.Todo();
  const Resultado subido = sube.Espera(120);
  ASSERT_EQ(subido.estado, 0) << subido.Todo();

  const Resultado r = b_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  RevisaVentas(a_.base(), kVentas, existencia);
  EXPECT_FALSE(QuedanVentas(sitio_.EnDisco("")));
}

// A phone downloads the published files again and again, from an FTP server
// of the test's own slowed so that an upload of the catalogue spans seconds,
// while they are published anew.
class CatalogoEnUsoTest : public ::testing::Test {
 protected:
  static constexpr int kBytesPorSegundo = 512 * 1024;

  CatalogoEnUsoTest() : servidor_(kBytesPorSegundo) {}

  void SetUp() override {
    ASSERT_TRUE(servidor_.enMarcha());
    inst_.base().Ejecuta(
        "INSERT INTO productos (Clave, Descrip, Precio1, Existencia) SELECT CONCAT('PZ', seq), "
        "CONCAT('Producto con una descripción larga para que el archivo pese ', seq), seq, 100 "
        "FROM seq_1_to_6000");
    inst_.Ajusta(servidor_.ComoAjustes("/", {"TipoMovimiento=R"}));
    // The phones find a catalogue from the start.
    const auto r = inst_.ComoAdmin({"generar"});
    ASSERT_EQ(r.estado, 0) << r.Todo();
    for (const auto& e : std::filesystem::directory_iterator(servidor_.EnDisco("")))
      if (e.path().extension() == ".xml") publicados_.push_back(e.path().filename().string());
    // Each of them, configuracion.xml aside, with its count of records.
    ASSERT_EQ(publicados_.size(), Registros().size() + 1);
  }

  std::string Publicado(const std::string& archivo) const { return LeeArchivo(servidor_.EnDisco(archivo)); }
  // A phone reading every file the first run published.
  LectorDeCatalogo Telefono() const {
    return LectorDeCatalogo(servidor_.sitio(), prueba::ServidorPropio::kUsuario, prueba::ServidorPropio::kPassword, "/",
                            publicados_);
  }
  void ServicioYLecturas(int segundos);

  // The records each file of the catalogue holds, as the database counts them
  // (configuracion.xml is no list of records).
  std::map<std::string, std::string> Registros() {
    const std::map<std::string, std::string> cuentas = {
        {"vendedores.xml", "vendedores"},
        {"productos.xml", "productos"},
        {"clientes.xml", "clientes"},
        {"cxcs.xml", "cxc"},
        {"listadeprecios.xml", "listadeprecios"},
        {"preciosadicionales.xml", "productosmasprecios"},
        {"formasdepago.xml", "configura WHERE Dato LIKE 'FPAGO%' AND Contenido <> ''"}};
    std::map<std::string, std::string> r;
    for (const auto& [archivo, fuente] : cuentas)
      if (std::filesystem::exists(servidor_.EnDisco(archivo)))
        r[archivo] = inst_.base().Dato("SELECT COUNT(*) FROM " + fuente);
    return r;
  }

  // Every download was a whole file with the records the database holds, and
  // the file was never missing. `cambiantes`: files whose records changed
  // while the phone read, only checked whole.
  void RevisaLecturas(const std::vector<LectorDeCatalogo::Lectura>& lecturas,
                      const std::set<std::string>& cambiantes = {}) {
    const std::map<std::string, std::string> registros = Registros();
    std::map<std::string, int> enteros;
    for (const auto& l : lecturas) {
      if (l.estado == "sin-conexion" || l.estado == "consultas") continue;
      if (l.estado != "entero") {
        ADD_FAILURE() << l.linea;
        continue;
      }
      ++enteros[l.archivo];
      const auto cuenta = registros.find(l.archivo);
      if (cuenta != registros.end() && !cambiantes.count(l.archivo)) {
        EXPECT_EQ(std::to_string(l.registros), cuenta->second) << l.linea;
      }
    }
    for (const std::string& archivo : publicados_) EXPECT_GT(enteros[archivo], 0) << archivo;
  }

  prueba::ServidorPropio servidor_;
  Instalacion inst_;
  std::vector<std::string> publicados_;
};

TEST_F(CatalogoEnUsoTest, GenerarVariasVecesMientrasUnTelefonoDescarga) {
  constexpr int kCorridas = 3;
  LectorDeCatalogo telefono = Telefono();
  ASSERT_TRUE(telefono.Espera("productos.xml", Publicado("productos.xml"), 120));
  for (int i = 0; i < kCorridas; ++i) {
    inst_.base().Ejecuta("UPDATE productos SET Precio1 = Precio1 + 1");
    const auto r = inst_.ComoAdmin({"generar"});
    ASSERT_EQ(r.estado, 0) << r.Todo();
  }
  ASSERT_TRUE(telefono.Espera("productos.xml", Publicado("productos.xml"), 120));
  const auto lecturas = telefono.Termina();
  RevisaLecturas(lecturas);
  // It saw the catalogue change, the first and the last one at least.
  std::set<std::string> versiones;
  for (const auto& l : lecturas)
    if (l.archivo == "productos.xml") versiones.insert(l.huella);
  EXPECT_GE(versiones.size(), 2u);
}

// The service publishes every minute (of 60 ticks of 50 ms) for `segundos`, and
// three times at least, while read runs post the phones' sales beside it from
// the same program folder and a phone downloads the catalogue; then SIGTERM
// between two publish runs.
void CatalogoEnUsoTest::ServicioYLecturas(int segundos) {
  ASSERT_EQ(inst_.ComoAdmin({"ajustes", "Automatico=S", "Minutos=1"}).estado, 0);
  const std::string existencia = inst_.base().Dato("SELECT Existencia FROM productos WHERE Clave = 'ABA001'");
  LectorDeCatalogo telefono = Telefono();
  ASSERT_TRUE(telefono.Espera("productos.xml", Publicado("productos.xml"), 120));
  ProcesoEnFondo servicio(Orden(inst_, {"servicio"}), ComoAdmin({{"TRAVESA_TIC_MS", "50"}}));
  const auto ahora = [] { return std::chrono::steady_clock::now(); };
  const auto fin = ahora() + std::chrono::seconds(segundos), limite = fin + std::chrono::minutes(3);
  int ventas = 0;
  for (int k = 0; (ahora() < fin || Publicaciones(servicio.Salida()) < 3) && ahora() < limite; ++k) {
    ArchivoDeVentas archivo;
    // The last sale of the file before, sent again.
    if (ventas > 0) AgregaVenta(archivo, ventas - 1);
    for (int v = 0; v < 4; ++v) AgregaVenta(archivo, ventas++);
    const std::string nombre = "ventas_tel" + std::to_string(k % 3) + "_" + std::to_string(k) + ".sql";
    prueba::EscribeArchivo(servidor_.EnDisco(nombre), archivo.contenido());
    const Resultado r = inst_.ComoAdmin({"leer"});
    ASSERT_EQ(r.estado, 0) << r.Todo();
  }
  // Alive and publishing: SIGTERM right after a run ends.
  const int hechas = Publicaciones(servicio.Salida());
  ASSERT_GE(hechas, 3) << servicio.Salida();
  for (int i = 0; i < 1200 && Publicaciones(servicio.Salida()) == hechas; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ASSERT_GT(Publicaciones(servicio.Salida()), hechas) << servicio.Salida();
  servicio.Senal(SIGTERM);
  const Resultado r = servicio.Espera(30);
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(r.errores, "");
  EXPECT_FALSE(std::filesystem::exists(inst_.programa() / "travesa.log"))
      << LeeArchivo(inst_.programa() / "travesa.log");

  RevisaVentas(inst_.base(), ventas, existencia);
  EXPECT_FALSE(QuedanVentas(servidor_.EnDisco("")));
  ASSERT_TRUE(telefono.Espera("productos.xml", Publicado("productos.xml"), 120));
  // The sales on credit add receivables between two publish runs.
  RevisaLecturas(telefono.Termina(), {"cxcs.xml"});
}

TEST_F(CatalogoEnUsoTest, ServicioMientrasSeLeenVentas) { ServicioYLecturas(25); }

// Minutes of the same, only with TRAVESA_PRUEBAS_LARGAS=1 (200 seconds, within
// CTest's timeout) or a number of seconds.
class CatalogoEnUsoLargoTest : public CatalogoEnUsoTest {
 protected:
  void SetUp() override {
    const char* largas = std::getenv("TRAVESA_PRUEBAS_LARGAS");
    if (largas == nullptr || std::atoi(largas) < 1)
      GTEST_SKIP() << "Prueba larga: se corre con TRAVESA_PRUEBAS_LARGAS=1 (o el número de segundos).";
    segundos_ = std::max(200, std::atoi(largas));
    CatalogoEnUsoTest::SetUp();
  }
  int segundos_ = 0;
};

TEST_F(CatalogoEnUsoLargoTest, ServicioMientrasSeLeenVentasDuranteMinutos) { ServicioYLecturas(segundos_); }

}  // namespace
}  // namespace travesa
