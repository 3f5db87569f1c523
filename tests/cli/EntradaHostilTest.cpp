// Hostile device input through `travesa leer`, against the real MariaDB and
// FTP servers: values built to break the SQL, the text or the reader (quotes,
// backslashes, "; DROP TABLE", NUL bytes, broken UTF-8, very long fields,
// 10,000 columns, a 100 MB line), a customers file of nested and unclosed
// tags, and a server naming files outside its folder. Each value is stored as
// the reader reads it, or its sale is refused with a line in the log; no
// table is lost and nothing outside the program folder is touched.
#include <fstream>

#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Instalacion.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::Instalacion;
using prueba::VentaDeTelefono;

bool Contiene(const std::string& texto, const std::string& parte) { return texto.find(parte) != std::string::npos; }

// A sale of demo client C001 at 9:MM of 8 Dec 2026 with this note.
VentaDeTelefono Venta(int minuto, const std::string& nota, const std::string& cliente = "C001") {
  return {"Dec 8, 2026 9:" + std::string(minuto < 10 ? "0" : "") + std::to_string(minuto) + ":00 AM",
          "V01",
          cliente,
          "CO",
          nota,
          1,
          {}};
}

class EntradaHostilTest : public ::testing::Test {
 protected:
  void SetUp() override { inst_.Ajusta(sitio_.ComoAjustes({"TipoMovimiento=R"})); }
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }
  std::string Nota(const std::string& hora) {
    return Dato("SELECT HEX(nota) FROM remisiones WHERE Fecha='2026-12-08' AND Hora LIKE '" + hora + "%'");
  }
  static std::string Hex(const std::string& s) {
    static constexpr char k[] = "0123456789ABCDEF";
    std::string h;
    for (const unsigned char c : s) h += std::string{k[c >> 4], k[c & 15]};
    return h;
  }
  std::string Bitacora() { return prueba::LeeArchivo(inst_.programa() / "BitacoraDeArchivos.txt"); }

  Instalacion inst_;
  prueba::SitioDePrueba sitio_;
};

TEST_F(EntradaHostilTest, ValoresHostilesSeGuardanTalCualOSeRechazanConSuLinea) {
  const std::string largo(10000, 'L');
  ArchivoDeVentas a;
  a.Linea(Venta(1, "\\'; DROP TABLE remisiones; --"), "ABA001", 1, 44.5)
      .Linea(Venta(2, "C:\\\\tmp\\\\ \\\\\\'x"), "ABA001", 1, 44.5)
      .Linea(Venta(3, std::string("a\0b", 3)), "ABA001", 1, 44.5)
      .Linea(Venta(4, "caf\xE9 \xFF\xFE fin"), "ABA001", 1, 44.5)
      .Linea(Venta(5, largo), "ABA001", 1, 44.5)
      .Linea(Venta(6, "", "X\\' OR \\'1\\'=\\'1"), "ABA001", 1, 44.5)
      .Linea(Venta(7, "", std::string(5000, 'C')), "ABA001", 1, 44.5);
  // 10,000 columns in one line.
  std::string campos, valores;
  for (int i = 0; i < 10000; ++i) {
    campos += (i ? ", c" : "c") + std::to_string(i);
    valores += i ? ", '9'" : "'Dec 8, 2026 9:08:00 AM'";
  }
  a.Texto("INSERT INTO ventas (" + campos + ") VALUES (" + valores + ");");
  sitio_.Escribe("ventas_tel1_V01_08_12_2026_09_00_00.sql", a.contenido());

  const std::string tablas = Dato("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = DATABASE()");
  auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 1) << r.Todo();  // two sales could not be taken
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = DATABASE()"), tablas);
  // Stored as the reader reads them: \' is the phone's quote, read as ".
  EXPECT_EQ(Nota("09:01"), Hex("\"; DROP TABLE remisiones; --"));
  EXPECT_EQ(Nota("09:02"), Hex("C:\\\\tmp\\\\ \\\\\"x"));
  EXPECT_EQ(Nota("09:03"), Hex(std::string("a\0b", 3)));
  EXPECT_EQ(Nota("09:04"), Hex("café ÿþ fin"));          // not UTF-8: read as Windows-1252
  EXPECT_EQ(Nota("09:05"), Hex(std::string(100, 'L')));  // the note's 100 characters
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Cliente = 'X\" OR \"1\"=\"1'"), "1");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha='2026-12-08'"), "6");
  // The client too long for its column and the line of 10,000 columns: refused, each with its line.
  const std::string bitacora = Bitacora();
  EXPECT_TRUE(Contiene(bitacora, "la línea tiene 10000 columnas")) << bitacora.substr(0, 4000);
  EXPECT_TRUE(Contiene(bitacora, std::string(5000, 'C'))) << bitacora.substr(0, 4000);
  // The file stays for the next run, which posts nothing twice.
  EXPECT_TRUE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_V01_08_12_2026_09_00_00.sql")));
  r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha='2026-12-08'"), "6");
}

TEST_F(EntradaHostilTest, LineaDeCienMegasSeLeeSinPerderLasDemas) {
  // Generated here, never stored: one sale whose note is 100 MB long, between two plain sales.
  std::string grande = ArchivoDeVentas().Linea(Venta(1, "antes"), "ABA001", 1, 44.5).contenido();
  grande += ArchivoDeVentas().Linea(Venta(2, std::string(100u << 20, 'N')), "ABA001", 1, 44.5).contenido();
  grande += ArchivoDeVentas().Linea(Venta(3, "despues"), "ABA001", 1, 44.5).contenido();
  ASSERT_GT(grande.size(), 100u << 20);
  sitio_.Escribe("ventas_tel1_V01_08_12_2026_09_00_00.sql", grande);
  grande.clear();
  grande.shrink_to_fit();
  const auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo().substr(0, 2000);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha='2026-12-08'"), "3");
  EXPECT_EQ(Nota("09:02"), Hex(std::string(100, 'N')));
  EXPECT_FALSE(std::filesystem::exists(sitio_.EnDisco("ventas_tel1_V01_08_12_2026_09_00_00.sql")));
}

TEST_F(EntradaHostilTest, ClientesConEtiquetasAnidadasOSinCerrar) {
  sitio_.Escribe(
      "clientes.xml",
      "<clientes>"
      "<cliente><clave>H001</clave><nombre>Sin cierre<numPrecio>1</numPrecio><diascredito>0</diascredito></cliente>"
      "<cliente><clave>H002</clave><nombre><clave>H003</clave>Anidada</nombre><numPrecio>1</numPrecio></cliente>"
      "<cliente><clave>H004</clave><nombre>O&apos;Brien\\'; DROP TABLE clientes; --</nombre></cliente>"
      "<cliente><clave>H005</clave><nombre>Bien</nombre><numPrecio>2</numPrecio></cliente>"
      "<cliente><clave>H006</clave><nombre>Sin fin de archivo");
  const auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(Dato("SELECT Nombre FROM clientes WHERE Clave='H004'"), "O'Brien\\'; DROP TABLE clientes; --");
  EXPECT_EQ(Dato("SELECT CONCAT(Nombre, '|', Precio) FROM clientes WHERE Clave='H005'"), "Bien|2");
  // A record cut by an unclosed tag is not added, and the log says which.
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM clientes WHERE Clave IN ('H001', 'H006')"), "0");
  const std::string log = prueba::LeeArchivo(inst_.programa() / "travesa.log");
  EXPECT_TRUE(Contiene(log, "clave «H001»")) << log;
  EXPECT_TRUE(Contiene(log, "clave «H006»")) << log;
  EXPECT_GT(std::stoi(Dato("SELECT COUNT(*) FROM clientes")), 5);
}

TEST_F(EntradaHostilTest, NombresDelSitioQueSalenDeLaCarpetaNoSeUsan) {
  // A server that lists names no folder holds, aimed at a folder beside the
  // program folder (which exists, so the path would resolve).
  prueba::CarpetaTemporal fuera;
  const std::string salida = "../" + fuera.ruta().filename().string() + "/robado.sql";
  prueba::ServidorPropio hostil(0, {"ventas_x/../" + salida, "ventas_" + fuera.ruta().string() + "/x.sql",
                                    "cxcs_t_V01_08_12_2026_09_30.sql/../../" + salida});
  ASSERT_TRUE(hostil.enMarcha());
  std::filesystem::create_directory(inst_.programa() / "ventas_x");
  std::filesystem::create_directories(hostil.EnDisco("carpeta"));
  std::ofstream(hostil.EnDisco("carpeta/ventas_tel1_V01_08_12_2026_09_00_00.sql"))
      << ArchivoDeVentas().Linea(Venta(1, "bien"), "ABA001", 1, 44.5).contenido();
  // What the server hands out for the false name, should anyone ask.
  std::filesystem::create_directories(hostil.EnDisco(fuera.ruta().filename().string()));
  // 120 bytes, the size the false listing gives, so that a download of it would complete.
  std::ofstream(hostil.EnDisco(fuera.ruta().filename().string() + "/robado.sql")) << std::string(119, 'x') << "\n";
  inst_.Ajusta(hostil.ComoAjustes("carpeta", {"TipoMovimiento=R"}));
  for (const char* orden : {"leer", "pagos"}) {
    const auto r = inst_.ComoAdmin({orden});
    EXPECT_EQ(r.estado, 0) << orden << ": " << r.Todo();
  }
  EXPECT_TRUE(std::filesystem::is_empty(fuera.ruta()));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM remisiones WHERE Fecha='2026-12-08'"), "1");
  const std::string log = prueba::LeeArchivo(inst_.programa() / "travesa.log");
  EXPECT_TRUE(Contiene(log, "que no es el nombre de un archivo de la carpeta")) << log;
}

}  // namespace
}  // namespace travesa
