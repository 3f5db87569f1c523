// leer and borrar through the real executable, against the real MariaDB and
// FTP servers: messages, summary, exit statuses and rights.
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/Instalacion.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::Instalacion;
using prueba::VentaDeTelefono;

constexpr const char* kBien = "Archivos descargados y grabados en las tablas de Norvento\n";

class LecturaCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    inst_.Ajusta(sitio_.ComoAjustes());
    sitio_.Escribe("clientes.xml",
                   "<clientes><cliente><clave>C001</clave></cliente><cliente><clave>N200</clave><nombre>Tienda "
                   "Nueva</nombre><numPrecio>2</numPrecio><diascredito>8</diascredito></cliente></clientes>");
  }
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }
  bool EnSitio(const std::string& f) { return std::filesystem::exists(sitio_.EnDisco(f)); }

  Instalacion inst_;
  prueba::SitioDePrueba sitio_;
};

TEST_F(LecturaCliTest, LeerClientesYVentasConSuResumen) {
  const VentaDeTelefono v{"Dec 8, 2026 1:45:09 PM", "V01", "C001", "CO", "", 1, {}};
  sitio_.Escribe("ventas_tel1_V01_1.sql",
                 ArchivoDeVentas().Linea(v, "ABA001", 2, 44.5).Linea(v, "ABA005", 1, 24).contenido());
  auto r = inst_.ComoAdmin({"leer"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(r.errores, "");
  EXPECT_EQ(r.salida.rfind(kBien, 0), 0u) << r.salida;
  const std::string venta =
      Dato("SELECT Venta FROM tickets WHERE Cliente='C001' AND Fecha='2026-12-08' AND Hora='13:45'");
  ASSERT_FALSE(venta.empty());
  EXPECT_EQ(Dato("SELECT CAST(total AS DECIMAL(14,4)) FROM tickets WHERE Venta=" + venta), "113.0000");
  EXPECT_EQ(Dato("SELECT CONCAT(Nombre, '|', Precio, '|', DCredito) FROM clientes WHERE Clave='N200'"),
            "Tienda Nueva|2|8");
  // The summary, as aligned tables, says the same as the database.
  const std::string fila =
      "  Ticket             " + venta + "  C001     Abarrotes La Esperanza  113.00  ventas_tel1_V01_1.sql\n";
  EXPECT_NE(
      r.salida.find("Documentos grabados: 1\n"
                    "  Documento  Serie  Folio  Cliente  Nombre                   Total  Archivo\n"
                    "  ---------  -----  -----  -------  ----------------------  ------  ---------------------\n" +
                    fila +
                    // The totals, by document kind and by the sale's day.
                    "Total de Ticket: 1 documento, 113.00\n"
                    "Total del día 08/dic/2026: 1 documento, 113.00\n"),
      std::string::npos)
      << r.salida;
  EXPECT_NE(
      r.salida.find("Clientes nuevos agregados: 1\n  Clave  Nombre\n  -----  ------------\n  N200   Tienda Nueva\n"),
      std::string::npos)
      << r.salida;
  EXPECT_FALSE(EnSitio("ventas_tel1_V01_1.sql"));

  // Again: nothing new, and the summary says so.
  r = inst_.ComoAdmin({"leer"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("Documentos grabados: ninguno\n"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("Clientes nuevos agregados: ninguno\n"), std::string::npos) << r.salida;
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM tickets WHERE Cliente='C001' AND Fecha='2026-12-08'"), "1");
}

// Posted as the rules say, but named in the summary and the log: the office
// must see a document that carries no customer name.
TEST_F(LecturaCliTest, UnaVentaAUnClienteQueNoExisteSeNombra) {
  inst_.Ajusta({"ajustes", "TipoMovimiento=R"});
  const VentaDeTelefono conocido{"Dec 8, 2026 1:45:09 PM", "V01", "C001", "CO", "", 1, {}};
  const VentaDeTelefono perdido{"Dec 8, 2026 2:05:00 PM", "V01", "Q777", "CO", "", 1, {}};
  sitio_.Escribe("ventas_tel1_V01_1.sql",
                 ArchivoDeVentas().Linea(conocido, "ABA001", 1, 44.5).Linea(perdido, "ABA005", 2, 24).contenido());
  const auto r = inst_.ComoAdmin({"leer"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  const std::string folio = Dato("SELECT Factura FROM remisiones WHERE Cliente='Q777'");
  ASSERT_FALSE(folio.empty());
  EXPECT_NE(r.salida.find("Ventas grabadas a clientes que no existen en Norvento: 1\n"
                          "  Documento  Serie  Folio  Cliente  Archivo\n"),
            std::string::npos)
      << r.salida;
  EXPECT_NE(r.salida.find("  Remisión            " + folio + "  Q777     ventas_tel1_V01_1.sql\n"), std::string::npos)
      << r.salida;
  std::ifstream bitacora(inst_.programa() / "BitacoraDeArchivos.txt");
  const std::string log((std::istreambuf_iterator<char>(bitacora)), std::istreambuf_iterator<char>());
  EXPECT_NE(log.find("Venta grabada a un cliente que no existe en Norvento: Remisión " + folio +
                     ", cliente «Q777», archivo ventas_tel1_V01_1.sql"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("cliente «C001»"), std::string::npos);
}

// On a server whose login lands in a home folder ("/casa/ruta"), a folder
// setting without a leading "/" is inside that home for every job: the read
// run finds the sales where the phones and the catalogue are, never in the
// folder of that name at the server's root, and the setting stays as typed.
TEST(LecturaEnCasa, LaCarpetaEsDesdeLaCasaDelUsuario) {
  prueba::ServidorPropio servidor(0, {}, "/casa/ruta");
  ASSERT_TRUE(servidor.enMarcha());
  Instalacion inst;
  inst.Ajusta(servidor.ComoAjustes("descargas/ruta1", {"TipoMovimiento=R"}));
  const std::filesystem::path buena = servidor.EnDisco("casa/ruta/descargas/ruta1");
  const std::filesystem::path raiz = servidor.EnDisco("descargas/ruta1");
  std::filesystem::create_directories(buena);
  std::filesystem::create_directories(raiz);
  auto r = inst.ComoAdmin({"generar"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_TRUE(std::filesystem::exists(buena / "productos.xml"));
  const VentaDeTelefono v{"Dec 8, 2026 1:45:09 PM", "V01", "C001", "CO", "", 1, {}};
  prueba::EscribeArchivo(buena / "ventas_tel1_V01_1.sql", ArchivoDeVentas().Linea(v, "ABA001", 1, 44.5).contenido());
  const VentaDeTelefono otra{"Dec 8, 2026 3:00:00 PM", "V01", "C002", "CO", "", 1, {}};
  prueba::EscribeArchivo(raiz / "ventas_tel9_V01_1.sql", ArchivoDeVentas().Linea(otra, "ABA005", 1, 24).contenido());
  r = inst.ComoAdmin({"leer"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(inst.base().Dato("SELECT GROUP_CONCAT(Cliente) FROM remisiones WHERE Fecha='2026-12-08'"), "C001");
  EXPECT_FALSE(std::filesystem::exists(buena / "ventas_tel1_V01_1.sql"));
  EXPECT_TRUE(std::filesystem::exists(raiz / "ventas_tel9_V01_1.sql"));
  r = inst.ComoAdmin({"ajustes"});
  EXPECT_NE(r.salida.find("FTPcarpeta=descargas/ruta1/\n"), std::string::npos) << r.salida;
}

TEST_F(LecturaCliTest, LeerConTraspasoPreguntaPrimero) {
  inst_.ComoAdmin({"ajustes", "Traspaso=S", "EmpresaTraspaso=suc2", "SerieTraspasos=B"});
  sitio_.Escribe("productos.xml",
                 "<productos><producto><clave>ABA001</clave><descripcion>Aceite</descripcion>"
                 "<existencia>3</existencia></producto></productos>");
  // No terminal and no --si: the transfer is declined, the rest done.
  auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("¿Desea registrar un traspaso de inventario sobrante? (s/N) n\n"), std::string::npos)
      << r.salida;
  EXPECT_NE(r.salida.find("Traspaso: no se registró (no se confirmó)\n"), std::string::npos) << r.salida;
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM traspasos"), "0");
  r = inst_.ComoAdmin({"leer", "--si"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("Traspaso grabado en las tablas de Norvento\n"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("Traspaso grabado: 8, número B-1, a SUC2, 1 renglón\n"), std::string::npos) << r.salida;
  EXPECT_EQ(Dato("SELECT CONCAT(Traspaso, Serie, NumTraspaso, Destino) FROM traspasos"), "8B1SUC2");
}

TEST_F(LecturaCliTest, LeerSinSitioOConVentaFallidaTerminaEnUno) {
  const VentaDeTelefono v{"Dec 8, 2026 1:45:09 PM", "V01", "C001", "CO", "", 1, {}};
  // A product code longer than its column: the sale fails and its file stays.
  sitio_.Escribe("ventas_tel1_V01_1.sql", ArchivoDeVentas().Linea(v, "PRODUCTO-DE-MAS-DE-QUINCE", 1, 10).contenido());
  auto r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 1) << r.Todo();
  EXPECT_NE(r.salida.find("El proceso no fue concluido. Revise el archivo «" +
                          (inst_.programa() / "BitacoraDeArchivos.txt").string() + "» para más información\n"),
            std::string::npos)
      << r.Todo();
  EXPECT_NE(r.salida.find("Ventas que no se grabaron: 1\n"), std::string::npos) << r.salida;
  EXPECT_TRUE(EnSitio("ventas_tel1_V01_1.sql"));
  inst_.ComoAdmin({"ajustes", "FTPcontraseña=equivocada"});
  r = inst_.ComoAdmin({"leer"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_EQ(r.errores.rfind("Error inesperado al conectar al servidor.\nEl servidor «", 0), 0u) << r.errores;
  EXPECT_NE(r.errores.find("no aceptó el usuario o la contraseña del sitio FTP (respondió: «530 "), std::string::npos)
      << r.errores;
  EXPECT_EQ(r.salida, "");
}

TEST_F(LecturaCliTest, BorrarDespuesDeSuPregunta) {
  sitio_.Escribe("ventas_tel1_V01_1.sql", "a\n");
  sitio_.Escribe("ventas_tel2_V02_1.sql", "b\n");
  sitio_.Escribe("cxcs_tel1_V01_1.sql", "c\n");
  auto r = inst_.ComoAdmin({"borrar"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_EQ(r.salida, "¿Está seguro de borrar los archivos de ventas? (s/N) n\nNo se borró ningún archivo.\n");
  EXPECT_TRUE(EnSitio("ventas_tel1_V01_1.sql"));
  r = inst_.ComoAdmin({"borrar", "--si"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(r.salida, "¿Está seguro de borrar los archivos de ventas? (s/N) s\nArchivos eliminados\n");
  EXPECT_FALSE(EnSitio("ventas_tel1_V01_1.sql"));
  EXPECT_FALSE(EnSitio("ventas_tel2_V02_1.sql"));
  EXPECT_TRUE(EnSitio("cxcs_tel1_V01_1.sql"));
  EXPECT_TRUE(std::filesystem::exists(inst_.programa() / "respaldo" / "ventas_tel2_V02_1.sql"));
}

TEST_F(LecturaCliTest, LeerYBorrarPidenSusDerechos) {
  auto derechos = [](std::initializer_list<int> codigos) {
    std::string m(560, 'N');
    for (int c : codigos) m[static_cast<std::size_t>(c - 1)] = 'S';
    return m;
  };
  inst_.AgregaUsuario(40, "solo551", "x", derechos({550, 551}));
  inst_.AgregaUsuario(41, "lector", "y", derechos({550, 552, 555}));
  sitio_.Escribe("ventas_tel1_V01_1.sql", "a\n");
  EXPECT_EQ(inst_.Travesa({"--usuario", "solo551", "--codigo", "x", "leer"}).estado, 3);
  EXPECT_EQ(inst_.Travesa({"--usuario", "solo551", "--codigo", "x", "--si", "borrar"}).estado, 3);
  EXPECT_TRUE(EnSitio("ventas_tel1_V01_1.sql"));
  EXPECT_EQ(inst_.Travesa({"--usuario", "lector", "--codigo", "y", "--si", "borrar"}).estado, 0);
  EXPECT_FALSE(EnSitio("ventas_tel1_V01_1.sql"));
}

}  // namespace
}  // namespace travesa
