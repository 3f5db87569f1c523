// Servers that die in the middle of a run, through the real executable: the
// database server killed while sales are posted or payments applied, then
// started again on the same data; the FTP server killed while the catalogue
// goes up or the payment files come down, then started again on the same
// folder. Each time the broken run ends with a clear message and a failed
// status, nothing is half written, and the next run completes with every sale
// and payment posted exactly once.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <map>
#include <optional>
#include <thread>

#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/BasePropia.h"
#include "comun/Instalacion.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"
#include "ledger/HistorialSqlite.h"

namespace travesa {
namespace {

namespace fs = std::filesystem;
using prueba::ArchivoDeVentas;
using prueba::Instalacion;

// Polls until `listo` holds, `segundos` at most.
bool EsperaHasta(const std::function<bool()>& listo, int segundos = 30) {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
  while (std::chrono::steady_clock::now() < limite) {
    if (listo()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

std::vector<std::string> Nombres(const fs::path& carpeta, std::string_view prefijo) {
  std::vector<std::string> nombres;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(carpeta, ec)) {
    const std::string n = e.path().filename().string();
    if (e.is_regular_file() && n.rfind(prefijo, 0) == 0) nombres.push_back(n);
  }
  std::sort(nombres.begin(), nombres.end());
  return nombres;
}

// Customers K001... with a receivable of a 100.00 invoice and one of an 80.00
// remission each; their payments (40.25 of the invoice, the whole remission)
// in payment files of `porArchivo` customers, named a minute apart.
struct CuentasDePrueba {
  int clientes = 0;
  int porArchivo = 0;

  static std::string Clave(int k) {
    const std::string n = std::to_string(k);
    return "K" + std::string(3 - std::min<std::size_t>(3, n.size()), '0') + n;
  }
  static std::string Archivo(int a) { return "cxcs_tel1_V01_17_05_2024_09_" + std::to_string(10 + a) + ".sql"; }
  int archivos() const { return (clientes + porArchivo - 1) / porArchivo; }

  void Prepara(prueba::BaseDePrueba& base) const {
    std::string sql;
    for (int k = 1; k <= clientes; ++k) {
      const std::string clave = "'" + Clave(k) + "'", id = std::to_string(20000 + k);
      sql += "INSERT INTO clientes (Clave, Nombre) VALUES (" + clave + ", 'Cliente " + clave.substr(1, 4) + "');" +
             "INSERT INTO facturas (Id, Serie, Factura, Fecha, Cliente, Total, Saldo) VALUES (" + id + ", 'K', " +
             std::to_string(k) + ", '2024-04-02', " + clave + ", 100, 100);" +
             "INSERT INTO remisiones (Id, Factura, Serie, Fecha, Cliente, Saldo) VALUES (" + id + ", " +
             std::to_string(k) + ", 'K', '2024-04-03', " + clave + ", 80);" +
             "INSERT INTO cxc (Id, Clave, Tipo, Numero, Vencimiento, Saldo) VALUES (" + std::to_string(60000 + 2 * k) +
             ", " + clave + ", 'F', " + id + ", '2024-05-02', 100), (" + std::to_string(60001 + 2 * k) + ", " + clave +
             ", 'R', " + id + ", '2024-05-03', 80);";
    }
    base.Ejecuta(sql);
  }
  // File a; `relleno` bytes of comment lines after the payments.
  std::string Contenido(int a, std::size_t relleno = 0) const {
    std::string texto;
    for (int k = a * porArchivo + 1; k <= std::min(clientes, (a + 1) * porArchivo); ++k) {
      const std::string cliente = "('tel1','V01','" + Clave(k) + "',";
      texto += "insert into cxcs values " + cliente + std::to_string(60000 + 2 * k) + ",40.25,'')\r\n";
      texto += "insert into cxcs values " + cliente + std::to_string(60001 + 2 * k) + ",80,'')\r\n";
    }
    while (relleno > 0) {
      const std::size_t n = std::min<std::size_t>(relleno, 200);
      texto += "-- " + std::string(n, 'x') + "\r\n";
      relleno -= n;
    }
    return texto;
  }
  // Each customer's payments applied whole (one entry, two annex rows, the
  // balances lowered, the remission's receivable gone) or not at all; `aplicados` of them.
  void Completos(prueba::BaseDePrueba& base, int aplicados) const {
    const std::string entradas =
        "(SELECT COUNT(*) FROM edoctacli e WHERE e.Clave = c.Clave AND e.Concepto = "
        "'PAGO REGISTRADO EN PROGRAMA «TRAVESA»' AND e.CantidadPago = 120.25)";
    const std::string anexos =
        "(SELECT COUNT(*) FROM anexopagosctes a JOIN edoctacli e ON e.Folio = a.FolioDelPago "
        "AND e.Clave = c.Clave WHERE a.Factura = 20000 + SUBSTR(c.Clave, 2) OR "
        "a.Remision = 20000 + SUBSTR(c.Clave, 2))";
    const std::string saldos =
        "(SELECT CONCAT(f.Saldo, '/', r.Saldo) FROM facturas f, remisiones r WHERE f.Id = 20000 + "
        "SUBSTR(c.Clave, 2) AND r.Id = f.Id)";
    const std::string cuentas = "(SELECT GROUP_CONCAT(x.Saldo ORDER BY x.Id) FROM cxc x WHERE x.Clave = c.Clave)";
    const std::string abonos = "(SELECT s.Abonos FROM saldoscli s WHERE s.Clave = c.Clave)";
    const std::string estado = "CONCAT(" + entradas + ", '|', " + anexos + ", '|', " + saldos + ", '|', " + cuentas +
                               ", '|', COALESCE(" + abonos + ", '-'))";
    EXPECT_EQ(base.Dato("SELECT GROUP_CONCAT(DISTINCT e ORDER BY e SEPARATOR ' ; ') FROM (SELECT " + estado +
                        " e FROM clientes c WHERE c.Clave LIKE 'K%') t"),
              aplicados == 0 ? "0|0|100.0000/80.0000|100.0000,80.0000|-"
              : aplicados == clientes
                  ? "1|2|59.7500/0.0000|59.7500|120.2500"
                  : "0|0|100.0000/80.0000|100.0000,80.0000|- ; 1|2|59.7500/0.0000|59.7500|120.2500");
    EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM edoctacli WHERE Clave LIKE 'K%'"), std::to_string(aplicados));
    EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM anexopagosctes WHERE Factura BETWEEN 20001 AND 29999 OR Remision "
                        "BETWEEN 20001 AND 29999"),
              std::to_string(2 * aplicados));
    EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM (SELECT 1 FROM edoctacli GROUP BY Id HAVING COUNT(*) > 1) d"), "0");
  }
};

// The installation on a database server of the test's own.
class CaidaDeLaBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(base_.enMarcha());
    inst_.emplace(base_.servidor());
    inst_->Ajusta(sitio_.ComoAjustes());
    sitio_.Escribe("clientes.xml", "<clientes></clientes>");
  }
  std::vector<std::string> Orden(const std::vector<std::string>& args) const {
    std::vector<std::string> todos = {"--carpeta", inst_->programa().string(), "--usuario", "admin", "--codigo",
                                      "admin"};
    todos.insert(todos.end(), args.begin(), args.end());
    return todos;
  }
  // The next run must find no lock of the broken one: it waits a second at most.
  prueba::Resultado OtraVez(const std::vector<std::string>& args) {
    return prueba::Ejecuta(Orden(args), {{"TRAVESA_ESPERA_BLOQUEO", "1"}});
  }
  std::string Dato(const std::string& sql) { return inst_->base().Dato(sql); }
  int Cuenta(const std::string& sql) { return std::stoi(Dato(sql)); }
  // Kills the database server once `aLaMitad` gives 1, waits for the run's
  // end, and starts the server again. The test reads what the run has not
  // committed yet, so that the kill can land in the middle of a document.
  prueba::Resultado MataCuando(prueba::ProcesoEnFondo& corrida, const std::string& aLaMitad) {
    inst_->base().Ejecuta("SET SESSION TRANSACTION ISOLATION LEVEL READ UNCOMMITTED");
    const bool aTiempo = EsperaHasta([&] { return Dato(aLaMitad) == "1"; });
    base_.Mata();
    const auto r = corrida.Espera(60);
    base_.Arranca();
    EXPECT_TRUE(aTiempo);
    EXPECT_TRUE(base_.enMarcha());
    inst_->base().Reconecta();
    return r;
  }

  void Anota();
  void VentasCompletas(int ventas);
  void SubeElDia();
  // The folios of the day's documents in the program's ledger, once what a
  // broken run left pending was checked against the database, and those of
  // the database: the ledger holds exactly the committed documents.
  void HistorialComoLaBase() {
    Conexion cn = inst_->base().Conecta();
    HistorialSqlite historial(inst_->programa() / HistorialSqlite::kNombre, [](const std::string& e) { FAIL() << e; });
    historial.Reconcilia(cn);
    ASSERT_NE(historial.base(), nullptr);
    std::string enHistorial;
    for (const auto& f : historial.base()->Consulta("SELECT folio FROM documentos WHERE dia = '2026-12-08' AND "
                                                    "confirmado = 1 ORDER BY folio"))
      enHistorial += f[0] + ",";
    EXPECT_EQ(enHistorial, Dato("SELECT CONCAT(COALESCE(GROUP_CONCAT(Factura ORDER BY Factura), ''), IF(COUNT(*), ',', "
                                "'')) FROM remisiones WHERE Fecha = '2026-12-08'"));
    EXPECT_EQ(historial.base()->Consulta("SELECT COUNT(*) FROM documentos WHERE confirmado = 0").front()[0], "0");
  }

  prueba::BasePropia base_;
  prueba::SitioDePrueba sitio_;
  std::optional<Instalacion> inst_;
  std::map<std::string, std::string> existencias_;  // before the run, by product
  std::string ajenas_;                              // the demo's remissions
};

constexpr int kArchivosDeVentas = 4, kVentasPorArchivo = 150;
constexpr int kVentas = kArchivosDeVentas * kVentasPorArchivo;
// The products of every sale, with the quantity sold.
constexpr std::pair<const char*, int> kProductos[] = {{"ABA001", 1}, {"ABA005", 2}, {"BEB001", 1}};
constexpr const char* kRemisionesDelDia = "FROM remisiones r WHERE r.Fecha = '2026-12-08'";

// Sale n of the day: credit when even, cash (paid in payment form 1) when odd,
// three lines for 134.50.
void Venta(ArchivoDeVentas& archivo, int n) {
  char fecha[40];
  std::snprintf(fecha, sizeof fecha, "Dec 8, 2026 %d:%02d:%02d", 8 + n / 3600, n / 60 % 60, n % 60);
  prueba::VentaDeTelefono v{fecha, "V01", "C001", n % 2 ? "CO" : "C", "", 1, {}};
  if (n % 2) v.formasDePago[0] = 134.5;
  archivo.Linea(v, "ABA001", 1, 44.5).Linea(v, "ABA005", 2, 24).Linea(v, "BEB001", 1, 42);
}

void CaidaDeLaBaseTest::Anota() {
  for (const auto& [producto, cantidad] : kProductos)
    existencias_[producto] = Dato("SELECT Existencia FROM productos WHERE Clave = '" + std::string(producto) + "'");
  ajenas_ = Dato("SELECT CONCAT(COUNT(*), '/', SUM(SubTotal)) FROM remisiones WHERE Fecha <> '2026-12-08'");
}

// Every remission of the day is whole: its three lines, one stock movement
// each, its charge in the statement, and its receivable (credit) or its
// payment with the annex row (cash); no folio twice; stock and balances agree.
void CaidaDeLaBaseTest::VentasCompletas(int ventas) {
  const std::string del = kRemisionesDelDia;
  EXPECT_EQ(Cuenta("SELECT COUNT(*) " + del), ventas);
  EXPECT_EQ(Cuenta("SELECT COUNT(DISTINCT Hora) " + del), ventas);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) FROM remisionesdetalle d LEFT JOIN remisiones r USING (Id) WHERE r.Id IS NULL"), 0);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) " + del + " AND (SELECT COUNT(*) FROM remisionesdetalle d WHERE d.Id = r.Id) <> 3"),
            0);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) FROM histalmacen WHERE Referencia LIKE 'REMISION No. %'"), 3 * ventas);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) " + del +
                   " AND (SELECT COUNT(*) FROM histalmacen h "
                   "WHERE h.Referencia LIKE CONCAT('REMISION No. ', r.Factura, '-_')) <> 3"),
            0);
  for (const auto& [producto, cantidad] : kProductos)
    EXPECT_EQ(Dato("SELECT Existencia = " + existencias_[producto] + " - " + std::to_string(cantidad * ventas) +
                   " FROM productos WHERE Clave = '" + producto + "'"),
              "1")
        << producto;
  EXPECT_EQ(Cuenta("SELECT COUNT(*) FROM edoctacli WHERE Concepto LIKE 'CARGO LA REMISI%'"), ventas);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) " + del +
                   " AND (SELECT COUNT(*) FROM edoctacli e WHERE e.Concepto LIKE "
                   "'CARGO LA REMISI%' AND e.Concepto LIKE CONCAT('% ', r.Factura)) <> 1"),
            0);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) " + del +
                   " AND r.FormaPAgo = 'C' AND (SELECT COUNT(*) FROM cxc c "
                   "WHERE c.Tipo = 'R' AND c.Numero = r.Id) <> 1"),
            0);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) FROM edoctacli WHERE Concepto LIKE 'PAGO LA REMISI%'"),
            Cuenta("SELECT COUNT(*) " + del + " AND r.FormaPAgo = 'E'"));
  EXPECT_EQ(Cuenta("SELECT COUNT(*) " + del +
                   " AND r.FormaPAgo = 'E' AND (SELECT COUNT(*) FROM anexopagosctes a "
                   "WHERE a.Remision = r.Id) <> 1"),
            0);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) FROM (SELECT 1 FROM remisiones GROUP BY Serie, Factura HAVING COUNT(*) > 1) d"), 0);
  EXPECT_EQ(Cuenta("SELECT COUNT(*) FROM (SELECT 1 FROM edoctacli GROUP BY Id HAVING COUNT(*) > 1) d"), 0);
  EXPECT_EQ(Dato("SELECT CONCAT(s.Cargos - e.Cargos, '/', s.Abonos - e.Abonos) FROM saldoscli s, (SELECT "
                 "SUM(CantidadCargo) Cargos, SUM(CantidadPago) Abonos FROM edoctacli WHERE Clave = 'C001') e "
                 "WHERE s.Clave = 'C001'"),
            "0.0000/0.0000");
  // Nothing of the demo's own documents changed.
  EXPECT_EQ(Dato("SELECT CONCAT(COUNT(*), '/', SUM(SubTotal)) FROM remisiones WHERE Fecha <> '2026-12-08'"), ajenas_);
}

void CaidaDeLaBaseTest::SubeElDia() {
  ASSERT_EQ(inst_->ComoAdmin({"ajustes", "TipoMovimiento=R"}).estado, 0);
  for (int a = 0; a < kArchivosDeVentas; ++a) {
    ArchivoDeVentas archivo;
    for (int v = 0; v < kVentasPorArchivo; ++v) Venta(archivo, a * kVentasPorArchivo + v);
    sitio_.Escribe("ventas_tel" + std::to_string(a) + "_V01_08_12_2026.sql", archivo.contenido());
  }
  ASSERT_EQ(Cuenta(std::string("SELECT COUNT(*) ") + kRemisionesDelDia), 0);
  Anota();
}

TEST_F(CaidaDeLaBaseTest, BaseCaidaAlGrabarVentasNiPierdeNiRepiteNinguna) {
  SubeElDia();

  prueba::ProcesoEnFondo leer(Orden({"leer"}));
  // Once a sixth of the sales are in, when a remission is there without its charge yet.
  const std::string remisiones = std::string("(SELECT COUNT(*) ") + kRemisionesDelDia + ")";
  const auto r = MataCuando(leer, "SELECT " + remisiones + " >= " + std::to_string(kVentas / 6) + " AND " + remisiones +
                                      " > (SELECT COUNT(*) FROM edoctacli WHERE Concepto LIKE 'CARGO LA REMISI%')");
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_NE(r.errores.find("Se perdió la conexión con el servidor de base de datos"), std::string::npos) << r.Todo();
  // The sales posted before the crash are whole; the files are all still on the site.
  const int antes = Cuenta(std::string("SELECT COUNT(*) ") + kRemisionesDelDia);
  EXPECT_GT(antes, 0);
  EXPECT_LT(antes, kVentas);
  VentasCompletas(antes);
  HistorialComoLaBase();
  EXPECT_EQ(Nombres(sitio_.EnDisco(""), "ventas_").size(), static_cast<std::size_t>(kArchivosDeVentas));

  const auto otra = OtraVez({"leer"});
  EXPECT_EQ(otra.estado, 0) << otra.Todo();
  VentasCompletas(kVentas);
  HistorialComoLaBase();
  EXPECT_TRUE(Nombres(sitio_.EnDisco(""), "ventas_").empty());
}

// The program killed in the middle of a document: what it wrote in the
// ledger before the commit is kept only if the database holds it.
TEST_F(CaidaDeLaBaseTest, ProgramaMuertoAlGrabarVentasDejaElHistorialComoLaBase) {
  SubeElDia();
  prueba::ProcesoEnFondo leer(Orden({"leer"}));
  inst_->base().Ejecuta("SET SESSION TRANSACTION ISOLATION LEVEL READ UNCOMMITTED");
  const std::string remisiones = std::string("(SELECT COUNT(*) ") + kRemisionesDelDia + ")";
  EXPECT_TRUE(EsperaHasta([&] {
    return Dato("SELECT " + remisiones + " >= " + std::to_string(kVentas / 6) + " AND " + remisiones +
                " > (SELECT COUNT(*) FROM edoctacli WHERE Concepto LIKE 'CARGO LA REMISI%')") == "1";
  }));
  leer.Senal(SIGKILL);
  leer.Espera(30);
  inst_->base().Ejecuta("SET SESSION TRANSACTION ISOLATION LEVEL REPEATABLE READ");
  const int antes = Cuenta(std::string("SELECT COUNT(*) ") + kRemisionesDelDia);
  EXPECT_GT(antes, 0);
  EXPECT_LT(antes, kVentas);
  HistorialComoLaBase();
  const auto otra = OtraVez({"leer"});
  EXPECT_EQ(otra.estado, 0) << otra.Todo();
  VentasCompletas(kVentas);
  HistorialComoLaBase();
}

TEST_F(CaidaDeLaBaseTest, BaseCaidaAlAplicarPagosNiPierdeNiRepiteNinguno) {
  const CuentasDePrueba cuentas{240, 30};
  cuentas.Prepara(inst_->base());
  for (int a = 0; a < cuentas.archivos(); ++a) sitio_.Escribe(CuentasDePrueba::Archivo(a), cuentas.Contenido(a));
  const fs::path respaldo = inst_->programa() / "respaldo";

  prueba::ProcesoEnFondo pagos(Orden({"pagos", "--aplicar", "--si"}));
  // Once a sixth of the customers are in. A customer's rows reach the server
  // together, so the crash may fall between two customers or inside one.
  const std::string entradas = "(SELECT COUNT(*) FROM edoctacli WHERE Clave LIKE 'K%')";
  const auto r = MataCuando(pagos, "SELECT " + entradas + " >= " + std::to_string(cuentas.clientes / 6));
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_NE(r.errores.find("Se perdió la conexión con el servidor de base de datos"), std::string::npos) << r.Todo();
  // Each customer whole or untouched. Customers go in the order of their
  // receivables, file by file: a file whose customers were all applied is
  // done, every other one waits in the backup folder.
  const int antes = Cuenta("SELECT COUNT(*) FROM edoctacli WHERE Clave LIKE 'K%'");
  EXPECT_GT(antes, 0);
  EXPECT_LT(antes, cuentas.clientes);
  cuentas.Completos(inst_->base(), antes);
  const std::size_t hechos = static_cast<std::size_t>(antes / cuentas.porArchivo);
  EXPECT_TRUE(Nombres(sitio_.EnDisco(""), "cxcs_").empty());
  EXPECT_EQ(Nombres(respaldo, "cxcs_").size(), static_cast<std::size_t>(cuentas.archivos()) - hechos);
  EXPECT_EQ(Nombres(respaldo / "procesados", "cxcs_").size(), hechos);

  // The next run shows and applies only what was not applied.
  auto otra = OtraVez({"pagos", "--aplicar", "--si"});
  EXPECT_EQ(otra.estado, 0) << otra.Todo();
  EXPECT_NE(otra.salida.find("Pagos aplicados"), std::string::npos) << otra.Todo();
  cuentas.Completos(inst_->base(), cuentas.clientes);
  EXPECT_TRUE(Nombres(respaldo, "cxcs_").empty());
  EXPECT_EQ(Nombres(respaldo / "procesados", "cxcs_").size(), static_cast<std::size_t>(cuentas.archivos()));
  otra = OtraVez({"pagos", "--aplicar", "--si"});
  EXPECT_EQ(otra.estado, 0) << otra.Todo();
  EXPECT_NE(otra.salida.find("No hay pagos por aplicar."), std::string::npos) << otra.Todo();
  cuentas.Completos(inst_->base(), cuentas.clientes);
}

// The installation on the shared database, publishing to and reading from an
// FTP server of the test's own.
class CaidaDelSitioTest : public ::testing::Test {
 protected:
  static constexpr int kLento = 8000;  // bytes a second: a transfer takes a few seconds

  void SetUp() override {
    ASSERT_TRUE(ftp_.enMarcha());
    inst_.Ajusta(ftp_.ComoAjustes(""));
  }
  std::vector<std::string> Orden(const std::vector<std::string>& args) const {
    std::vector<std::string> todos = {"--carpeta", inst_.programa().string(), "--usuario", "admin", "--codigo",
                                      "admin"};
    todos.insert(todos.end(), args.begin(), args.end());
    return todos;
  }
  // Restarts the server slowed down, starts the run, kills the server once
  // `empezo` holds, and gives the run's end. The server comes back at full speed.
  prueba::Resultado MataCuando(const std::vector<std::string>& args, const std::function<bool()>& empezo) {
    ftp_.Mata();
    ftp_.Arranca(kLento);
    prueba::ProcesoEnFondo corrida(Orden(args));
    const bool aTiempo = EsperaHasta(empezo);
    ftp_.Mata();
    const auto r = corrida.Espera(60);
    ftp_.Arranca(0);
    EXPECT_TRUE(aTiempo);
    EXPECT_TRUE(ftp_.enMarcha());
    return r;
  }
  // A file of the site with a temporary name, `nombre` being where it goes.
  std::optional<fs::path> Temporal(const std::string& nombre) const {
    for (const auto& e : fs::directory_iterator(ftp_.EnDisco("")))
      if (e.path().filename().string().rfind(nombre + ".", 0) == 0 && e.path().extension() == ".tmp") return e.path();
    return std::nullopt;
  }

  Instalacion inst_;
  prueba::ServidorPropio ftp_{0};
};

// The published files on the site, by name.
std::map<std::string, std::string> Publicados(const fs::path& carpeta) {
  std::map<std::string, std::string> publicados;
  for (const auto& e : fs::directory_iterator(carpeta))
    if (e.path().extension() == ".xml") publicados[e.path().filename().string()] = prueba::LeeArchivo(e.path());
  return publicados;
}

TEST_F(CaidaDelSitioTest, SitioCaidoAlSubirElCatalogoNoDejaArchivosAMedias) {
  // Products enough that, slowed down, their file takes a while to go up.
  inst_.base().Ejecuta(
      "INSERT INTO productos (Clave, Descrip, Precio1) SELECT CONCAT('ZZ', LPAD(seq, 5, '0')), "
      "CONCAT('Producto de relleno ', seq, ' ', REPEAT('x', 80)), 10 FROM seq_1_to_1500");
  auto r = inst_.ComoAdmin({"generar"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  const auto publicado = Publicados(ftp_.EnDisco(""));
  ASSERT_EQ(publicado.count("productos.xml"), 1u);
  ASSERT_GT(publicado.at("productos.xml").size(), 10u * kLento);
  inst_.base().Ejecuta(
      "UPDATE productos SET Descrip = CONCAT(Descrip, ' (nuevo)');"
      "UPDATE clientes SET Nombre = CONCAT(Nombre, ' (nuevo)');");

  // Killed once the products have started to go up.
  const auto antes = fs::file_time_type::clock::now();
  r = MataCuando({"generar"}, [&] {
    for (const auto& e : fs::directory_iterator(ftp_.EnDisco("")))
      if (e.path().filename().string().rfind("productos.xml", 0) == 0 && e.last_write_time() > antes &&
          e.file_size() > 0)
        return true;
    return false;
  });
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_NE(r.Todo().find("Los archivos no se subieron completos al sitio"), std::string::npos) << r.Todo();
  // Under its published name each file is the earlier one or this run's, whole.
  const auto tras = Publicados(ftp_.EnDisco(""));
  EXPECT_EQ(tras.size(), publicado.size());
  for (const auto& [n, ahora] : tras) {
    EXPECT_EQ(publicado.count(n), 1u) << n;
    EXPECT_TRUE((publicado.count(n) && ahora == publicado.at(n)) || ahora == prueba::LeeArchivo(inst_.programa() / n))
        << n;
  }
  EXPECT_EQ(tras.at("productos.xml"), publicado.at("productos.xml"));

  // With the server back, the next run publishes everything and leaves no temporary copy.
  r = inst_.ComoAdmin({"generar"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  const auto despues = Publicados(ftp_.EnDisco(""));
  EXPECT_EQ(despues.size(), publicado.size());
  for (const auto& [n, ahora] : despues) {
    EXPECT_EQ(ahora, prueba::LeeArchivo(inst_.programa() / n)) << n;
    EXPECT_FALSE(Temporal(n)) << n;
  }
  EXPECT_NE(despues.at("productos.xml"), publicado.at("productos.xml"));
}

TEST_F(CaidaDelSitioTest, SitioCaidoAlBajarPagosNoPierdeNiRepiteNinguno) {
  const CuentasDePrueba cuentas{20, 5};
  cuentas.Prepara(inst_.base());
  for (int a = 0; a < cuentas.archivos(); ++a)
    prueba::EscribeArchivo(ftp_.EnDisco(CuentasDePrueba::Archivo(a)), cuentas.Contenido(a, 3 * kLento));
  const fs::path respaldo = inst_.programa() / "respaldo";

  // Killed while a file comes down (some of it is in the program folder) after
  // at least one has left the site.
  const auto r = MataCuando({"pagos", "--aplicar", "--si"}, [&] {
    const auto quedan = Nombres(ftp_.EnDisco(""), "cxcs_");
    if (quedan.size() == static_cast<std::size_t>(cuentas.archivos())) return false;
    for (const auto& e : fs::directory_iterator(inst_.programa()))
      for (const std::string& n : quedan)
        if (e.path().filename().string().find(n) != std::string::npos) return true;
    return false;
  });
  // The files that came down were applied; the others are still on the site,
  // named in the message.
  const auto aplicados = Nombres(respaldo / "procesados", "cxcs_");
  const auto enSitio = Nombres(ftp_.EnDisco(""), "cxcs_");
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_FALSE(aplicados.empty());
  EXPECT_FALSE(enSitio.empty());
  EXPECT_EQ(aplicados.size() + enSitio.size(), static_cast<std::size_t>(cuentas.archivos()));
  for (const std::string& n : enSitio) EXPECT_NE(r.errores.find(n + ": "), std::string::npos) << r.Todo();
  EXPECT_NE(r.errores.find("quedan en el sitio para la próxima vez"), std::string::npos) << r.Todo();
  cuentas.Completos(inst_.base(), cuentas.porArchivo * static_cast<int>(aplicados.size()));
  EXPECT_TRUE(Nombres(respaldo, "cxcs_").empty());

  auto otra = inst_.ComoAdmin({"pagos", "--aplicar", "--si"});
  EXPECT_EQ(otra.estado, 0) << otra.Todo();
  cuentas.Completos(inst_.base(), cuentas.clientes);
  EXPECT_TRUE(Nombres(ftp_.EnDisco(""), "cxcs_").empty());
  EXPECT_TRUE(Nombres(respaldo, "cxcs_").empty());
  EXPECT_EQ(Nombres(respaldo / "procesados", "cxcs_").size(), static_cast<std::size_t>(cuentas.archivos()));
}

}  // namespace
}  // namespace travesa
