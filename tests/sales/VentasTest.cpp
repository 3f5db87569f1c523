// The sales import from the FTP site to the documents: the log, the files
// left on or removed from the site, repeated and split sales, a second run,
// failures in the middle of a sale, bad lines and the device's letters.
#include <regex>

#include "PruebaDeVentas.h"
#include "sales/DescargaDeVentas.h"
#include "sales/PosteoDeVentas.h"
#include "sales/TipoDeDocumento.h"
#include "sales/VentasEnEspera.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Formatos.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::VentaDeTelefono;
using Lista = std::vector<std::string>;

class VentasTest : public prueba::PruebaDeVentas {
 protected:
  static std::string Motivos(const ResultadoVentas& r) {
    std::string t;
    for (const auto& f : r.fallidas) t += f.archivo + ": " + f.motivo + "\n";
    return t;
  }
};

TEST_F(VentasTest, BitacoraArchivosDelSitioYRespaldo) {
  const ArchivoDeVentas archivo = ArchivoDeVentas().TresLineas(VentaDeTelefono{});
  Sube("ventas_tel1_1.sql", archivo);
  Sube("ventas_singuion.sql", archivo);
  Sube("otros.sql", archivo);
  const ResultadoVentas r = Lee();
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  EXPECT_EQ(r.posteadas.size(), 1u);
  EXPECT_EQ(r.posteadas[0].archivo, "ventas_tel1_1.sql");
  const std::string bitacora = Bitacora();
  EXPECT_EQ(bitacora.substr(0, bitacora.find("     Archivo")),
            "Conexión correcta al sitio\r\nBorrando tabla temporal 'tmpventassql'\r\n"
            "Creando tabla temporal 'tmpventassql'\r\nObteniendo directorio 'ventas_*.sql'\r\n");
  EXPECT_NE(bitacora.find("     Archivo ventas_singuion.sql incorrecto\r\n"), std::string::npos);
  EXPECT_NE(bitacora.find("     Archivo ventas_tel1_1.sql correcto\r\n          Descargado\r\n               SQL: " +
                          archivo.contenido() + "\r\n"),
            std::string::npos)
      << bitacora;
  EXPECT_TRUE(bitacora.ends_with("Grabar las ventas a Norvento\r\n          Intentando borrar ventas_tel1_1.sql\r\n"))
      << bitacora;
  EXPECT_EQ(bitacora.find("otros.sql"), std::string::npos);
  // Read files leave the site; the others stay. The local copy goes to respaldo/.
  EXPECT_FALSE(EnSitio("ventas_tel1_1.sql"));
  EXPECT_TRUE(EnSitio("ventas_singuion.sql"));
  EXPECT_TRUE(EnSitio("otros.sql"));
  EXPECT_FALSE(std::filesystem::exists(programa_.carpeta() / "ventas_tel1_1.sql"));
  EXPECT_EQ(prueba::LeeArchivo(programa_.carpeta() / "respaldo" / "ventas_tel1_1.sql"), archivo.contenido());
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE() AND "
                 "TABLE_NAME = 'tmpventassql'"),
            "0");
  const std::string tamano = formatos::Miles(static_cast<long long>(archivo.contenido().size()));
  EXPECT_NE(std::find(op_.avisos.begin(), op_.avisos.end(),
                      "De 'ventas_tel1_1.sql': bytes copiados " + tamano + " de " + tamano),
            op_.avisos.end());
  EXPECT_TRUE(op_.cajas.empty());
}

TEST_F(VentasTest, CarpetaVaciaYSitioInalcanzable) {
  ResultadoVentas r = Lee();
  EXPECT_TRUE(r.Completo());
  EXPECT_EQ(Bitacora(),
            "Conexión correcta al sitio\r\nBorrando tabla temporal 'tmpventassql'\r\n"
            "Creando tabla temporal 'tmpventassql'\r\nObteniendo directorio 'ventas_*.sql'\r\n"
            "Grabar las ventas a Norvento\r\n");
  programa_.ajustes().FTPcontraseña = "equivocada";
  r = Lee();
  EXPECT_FALSE(r.conectado);
  EXPECT_FALSE(r.Completo());
  EXPECT_EQ(Bitacora(), "No se pudo establecer conexión con el sitio\r\n");
  ASSERT_EQ(op_.cajas.size(), 1u);
  // The first line, then why, naming the server.
  EXPECT_EQ(op_.cajas[0].texto.rfind("No se pudo establecer conexión con el sitio\r\nEl servidor «" +
                                         programa_.ajustes().ftpSitio +
                                         "» no aceptó el usuario o la contraseña del sitio FTP (respondió: «530 ",
                                     0),
            0u)
      << op_.cajas[0].texto;
  EXPECT_EQ(op_.cajas[0].titulo, "Error de conexión");
  DescargaDeVentas::Avisa(op_, programa_.carpeta(), r);
  EXPECT_EQ(op_.cajas.back().texto, "El proceso no fue concluido. Revise el archivo «" +
                                        (programa_.carpeta() / "BitacoraDeArchivos.txt").string() +
                                        "» para más información");
  EXPECT_EQ(op_.cajas.back().titulo, "Alerta");
  DescargaDeVentas::Avisa(op_, programa_.carpeta(), ResultadoVentas{true, {}, 0, {}, {}});
  EXPECT_EQ(op_.cajas.back().texto, "Archivos descargados y grabados en las tablas de Norvento");
  EXPECT_EQ(op_.cajas.back().titulo, "Atención");
}

TEST_F(VentasTest, VentaRepetidaPartidaOConOtroVendedor) {
  VentaDeTelefono uno{"Dec 8, 2026 9:00:00 AM", "V01", "C1", "CO", "", 1, {}};
  VentaDeTelefono dos{"Dec 8, 2026 9:30:00 AM", "V01", "C2", "CO", "", 1, {}};
  VentaDeTelefono partida{"Dec 8, 2026 10:00:00 AM", "V01", "C1", "CO", "", 1, {}};
  VentaDeTelefono v1{"Dec 8, 2026 11:00:00 AM", "V01", "C2", "C", "", 1, {}};
  VentaDeTelefono v2 = v1;
  v2.vendedor = "V02";
  // The same sale in two files; a sale split across two files; two sales
  // that differ only in their seller.
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().TresLineas(uno).Linea(partida, "P1", 1, 30).Linea(partida, "P2", 1, 15));
  Sube("ventas_tel1_2.sql", ArchivoDeVentas().TresLineas(uno).Linea(dos, "P1", 1, 30).Linea(partida, "P3", 1, 10));
  Sube("ventas_tel2_1.sql", ArchivoDeVentas().Linea(v1, "P1", 1, 30).Linea(v2, "P2", 2, 15));
  const ResultadoVentas r = Lee();
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  EXPECT_EQ(r.posteadas.size(), 4u);
  EXPECT_EQ(Filas("SELECT Cliente, Hora, Vendedor, Partidas, CAST(total AS DECIMAL(14,4)) FROM tickets ORDER BY Hora"),
            (Lista{"C1|09:00|V01|3|115.0000", "C2|09:30|V01|1|30.0000",
                   // Whichever file came first gave the split sale its lines.
                   Dato("SELECT IF(Partidas = 2, 'C1|10:00|V01|2|45.0000', 'C1|10:00|V01|1|10.0000') FROM tickets "
                        "WHERE Hora = '10:00'"),
                   "C2|11:00|V01|2|60.0000"}));
  EXPECT_EQ(Filas("SELECT Usuario, Producto FROM ticketsdetalle WHERE Hora = '11:00' ORDER BY Partida"),
            (Lista{"V01|P1", "V02|P2"}));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM ticketsdetalle"), Dato("SELECT SUM(Partidas) FROM tickets"));
  for (const char* f : {"ventas_tel1_1.sql", "ventas_tel1_2.sql", "ventas_tel2_1.sql"}) EXPECT_FALSE(EnSitio(f)) << f;
}

// A sale met again further down its file is the sale already taken: its
// first lines make the document, and the file leaves the site.
TEST_F(VentasTest, VentaQueVuelveAMitadDelArchivo) {
  VentaDeTelefono a{"Dec 8, 2026 9:00:00 AM", "V01", "C1", "CO", "", 1, {}};
  VentaDeTelefono b{"Dec 8, 2026 9:30:00 AM", "V01", "C2", "CO", "", 1, {}};
  Sube("ventas_tel1_1.sql",
       ArchivoDeVentas().Linea(a, "P1", 1, 30).Linea(b, "P2", 1, 15).Linea(a, "P3", 2, 10).Linea(b, "P1", 1, 30));
  const ResultadoVentas r = Lee();
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  EXPECT_EQ(r.posteadas.size(), 2u);
  EXPECT_EQ(Filas("SELECT Cliente, Partidas, CAST(total AS DECIMAL(14,4)) FROM tickets ORDER BY Hora"),
            (Lista{"C1|1|30.0000", "C2|1|15.0000"}));
  EXPECT_FALSE(EnSitio("ventas_tel1_1.sql"));
}

TEST_F(VentasTest, SegundaLecturaNoGrabaNadaNuevo) {
  const ArchivoDeVentas a =
      ArchivoDeVentas()
          .TresLineas(VentaDeTelefono{})
          .Linea(VentaDeTelefono{"Dec 9, 2026 8:00:00 AM", "V01", "C2", "C", "", 1, {}}, "P1", 1, 30);
  for (const char* tipo : {"T", "R", "P"}) {
    Sube("ventas_tel1_1.sql", a);
    ResultadoVentas r = Lee(tipo);
    ASSERT_TRUE(r.Completo()) << Motivos(r);
    EXPECT_EQ(r.posteadas.size(), 2u) << tipo;
    const auto antes = Filas("SELECT * FROM sistema ORDER BY Dato");
    const auto saldos = Filas("SELECT * FROM saldoscli ORDER BY Clave");
    const std::string existencias = Dato("SELECT SUM(Existencia) + SUM(PorVender) FROM productos");
    Sube("ventas_tel1_1.sql", a);
    r = Lee(tipo);
    ASSERT_TRUE(r.Completo()) << Motivos(r);
    EXPECT_TRUE(r.posteadas.empty()) << tipo;
    EXPECT_EQ(r.yaPosteadas, 2) << tipo;
    EXPECT_EQ(Filas("SELECT * FROM sistema ORDER BY Dato"), antes) << tipo;
    EXPECT_EQ(Filas("SELECT * FROM saldoscli ORDER BY Clave"), saldos) << tipo;
    EXPECT_EQ(Dato("SELECT SUM(Existencia) + SUM(PorVender) FROM productos"), existencias) << tipo;
    EXPECT_FALSE(EnSitio("ventas_tel1_1.sql"));
  }
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM tickets") + Dato("SELECT COUNT(*) FROM remisiones") +
                Dato("SELECT COUNT(*) FROM pedidos"),
            "222");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM cxc"), "2");
  // A second sale of the same client and seller in the same minute is a
  // different ticket when its total differs.
  Sube("ventas_tel1_2.sql",
       ArchivoDeVentas().Linea(VentaDeTelefono{"Dec 8, 2026 1:45:50 PM", "V01", "C1", "CO", "", 1, {}}, "P1", 1, 30));
  const ResultadoVentas r = Lee("T");
  EXPECT_EQ(r.posteadas.size(), 1u);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM tickets WHERE Hora = '13:45'"), "2");
}

TEST_F(VentasTest, FallaAMitadDeVentaLaDeshaceYConservaElArchivo) {
  Conexion cn = inst_.base().Conecta();
  cn.Execute(
      "CREATE TRIGGER rechaza_tercera BEFORE INSERT ON ticketsdetalle FOR EACH ROW "
      "IF NEW.Partida = 3 AND NEW.Usuario = 'V02' THEN "
      "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Partida rechazada por la prueba'; END IF");
  const VentaDeTelefono buena{"Dec 8, 2026 9:00:00 AM", "V01", "C1", "C", "", 1, {}};
  const VentaDeTelefono mala{"Dec 8, 2026 9:10:00 AM", "V02", "C2", "C", "", 1, {}};
  const VentaDeTelefono otra{"Dec 8, 2026 9:20:00 AM", "V02", "C1", "C", "", 1, {}};
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().TresLineas(buena));
  Sube("ventas_tel2_1.sql", ArchivoDeVentas().TresLineas(mala).Linea(otra, "P1", 1, 30));
  ResultadoVentas r = Lee();
  EXPECT_FALSE(r.Completo());
  ASSERT_EQ(r.fallidas.size(), 1u);
  EXPECT_EQ(r.fallidas[0].archivo, "ventas_tel2_1.sql");
  EXPECT_EQ(r.fallidas[0].fecha, "2026-12-08");
  EXPECT_EQ(r.fallidas[0].hora, "09:10:00");
  EXPECT_EQ(r.fallidas[0].cliente, "C2");
  EXPECT_NE(r.fallidas[0].motivo.find("Partida rechazada por la prueba"), std::string::npos);
  EXPECT_NE(Bitacora().find("     Venta no grabada: archivo ventas_tel2_1.sql, fecha 2026-12-08, hora 09:10:00, "
                            "cliente C2. Motivo: "),
            std::string::npos)
      << Bitacora();
  EXPECT_EQ(r.posteadas.size(), 2u);
  // Nothing of the failed sale is left, and its ticket number went to the next sale.
  EXPECT_EQ(Filas("SELECT Cliente, Venta FROM tickets ORDER BY Venta"), (Lista{"C1|42", "C1|43"}));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM ticketsdetalle"), "4");
  EXPECT_EQ(
      Dato("SELECT COUNT(*) FROM edoctacli WHERE Clave = 'C2'") + Dato("SELECT COUNT(*) FROM cxc WHERE Clave = 'C2'"),
      "00");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM histalmacen"), "4");
  EXPECT_EQ(Dato("SELECT Existencia FROM productos WHERE Clave = 'P2'"), "9.0000");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'Venta'"), "43");
  EXPECT_FALSE(EnSitio("ventas_tel1_1.sql"));
  EXPECT_TRUE(EnSitio("ventas_tel2_1.sql"));
  EXPECT_NE(Bitacora().find("Se conserva en el sitio ventas_tel2_1.sql"), std::string::npos);

  // Once the cause is gone the next run posts it, and the file leaves the site.
  cn.Execute("DROP TRIGGER rechaza_tercera");
  r = Lee();
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  ASSERT_EQ(r.posteadas.size(), 1u);
  EXPECT_EQ(r.posteadas[0].cliente, "C2");
  EXPECT_EQ(r.posteadas[0].folio, 44);
  EXPECT_EQ(r.yaPosteadas, 1);
  EXPECT_FALSE(EnSitio("ventas_tel2_1.sql"));
}

TEST_F(VentasTest, ValorMasLargoQueSuColumnaYLineasMalas) {
  const VentaDeTelefono larga{"Dec 8, 2026 9:00:00 AM", "V01", "C1", "C", "", 1, {}};
  const VentaDeTelefono buena{"Dec 8, 2026 9:30:00 AM", "V01", "C2", "C", "", 1, {}};
  const VentaDeTelefono partida{"Dec 8, 2026 9:40:00 AM", "V01", "C1", "C", "", 1, {}};
  const VentaDeTelefono sinFecha{"mañana", "V01", "C2", "C", "", 1, {}};
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().Linea(larga, "P1", 1, 30).Linea(larga, "PRODUCTO-DE-16CH", 1, 5));
  Sube("ventas_tel2_1.sql",
       ArchivoDeVentas()
           .Linea(buena, "P1", 1, 30)
           .Linea(partida, "P1", 1, 30)
           .Texto("INSERT INTO ventas (fecha, vendedor, cliente) VALUES ('Dec 8, 2026 9:40:00 AM', 'V01', 'C1');")
           .Linea(sinFecha, "P2", 1, 15));
  sitio_.Escribe("ventas_tel2_1.sql", prueba::LeeArchivo(sitio_.EnDisco("ventas_tel2_1.sql")) +
                                          "INSERT INTO ventas (a) VALUES ('sin fin de línea');");
  const ResultadoVentas r = Lee();
  EXPECT_FALSE(r.Completo());
  ASSERT_EQ(r.posteadas.size(), 1u) << Motivos(r);
  EXPECT_EQ(r.posteadas[0].cliente, "C2");
  ASSERT_EQ(r.fallidas.size(), 3u) << Motivos(r);
  EXPECT_NE(Motivos(r).find("ventas_tel1_1.sql: "), std::string::npos);
  EXPECT_NE(Motivos(r).find("Producto"), std::string::npos) << Motivos(r);
  EXPECT_NE(Motivos(r).find("la línea tiene 3 columnas (se esperan 18 o 21)"), std::string::npos) << Motivos(r);
  EXPECT_NE(Motivos(r).find("la fecha «mañana» no es válida"), std::string::npos) << Motivos(r);
  ASSERT_EQ(r.lineasRechazadas.size(), 3u);
  EXPECT_NE(r.lineasRechazadas[2].find("sin fin de línea"), std::string::npos);
  // The long code drew no folio; the sale with a bad line is not posted half.
  EXPECT_EQ(Filas("SELECT Cliente, Venta, Partidas FROM tickets"), (Lista{"C2|42|1"}));
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'Venta'"), "42");
  EXPECT_TRUE(EnSitio("ventas_tel1_1.sql"));
  EXPECT_TRUE(EnSitio("ventas_tel2_1.sql"));
}

TEST_F(VentasTest, ComillasYEnesSeGuardanTalCual) {
  const VentaDeTelefono comillas{"Dec 8, 2026 9:00:00 AM", "V01", "X\\' OR \\'1\\'=\\'1", "C", "Ni\xC3\xB1o", 1, {}};
  const VentaDeTelefono enes{"Dec 8, 2026 9:30:00 AM", "V01", "C1", "CO", "Ni\xF1o a\xF1os", 1, {}};
  const VentaDeTelefono doble{
      "Dec 8, 2026 9:45:00 AM", "V01", "Ni\xC3\x83\xC2\xB1o", "CO", "Se\xC3\x83\xC2\xB1or", 1, {}};
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().Linea(comillas, "P1", 1, 30).Linea(doble, "P1", 1, 30));
  Sube("ventas_tel2_1.sql", ArchivoDeVentas().Linea(enes, "P1", 1, 30));
  const ResultadoVentas r = Lee("R");
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  EXPECT_EQ(Filas("SELECT Cliente, nota FROM remisiones ORDER BY Hora"),
            (Lista{"X\" OR \"1\"=\"1|Niño", "C1|Niño años", "Niño|Señor"}));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM clientes"), "2");

  // An apostrophe that reaches the posting run stays an apostrophe.
  Conexion& cn = programa_.principal();
  VentasEnEspera espera(cn);
  espera.Borra();
  espera.Crea("remisiones", "remisionesdetalle");
  LineaDeVenta l;
  l.fecha = "2026-12-10";
  l.hora = "08:00:00";
  l.vendedor = "V01";
  l.cliente = "X' OR '1'='1";
  l.producto = "P1";
  l.cantidad = 1;
  l.importe = l.precio = 30;
  l.formaPago = "C";
  l.nota = "d'Artagnan";
  l.archivo = "ventas_tel1_9.sql";
  espera.Agrega(1, {l});
  BitacoraDeArchivos bitacora(programa_.carpeta());
  ResultadoVentas resultado;
  std::set<unsigned> fallidas;
  PosteoDeVentas(cn, programa_.bd(), TipoDeDocumento::Remision(), false, "N/A")
      .Graba(espera, resultado, bitacora, fallidas);
  espera.Borra();
  EXPECT_TRUE(fallidas.empty()) << Motivos(resultado);
  EXPECT_EQ(Filas("SELECT Cliente, nota FROM remisiones WHERE Fecha = '2026-12-10'"),
            (Lista{"X' OR '1'='1|d'Artagnan"}));
  EXPECT_EQ(Filas("SELECT Clave FROM cxc WHERE Vencimiento = '2026-12-10'"), (Lista{"X' OR '1'='1"}));
}

TEST_F(VentasTest, OtroEquipoLeyendoHaceEsperarYNoSeTocaNada) {
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().TresLineas(VentaDeTelefono{}));
  Conexion otra = inst_.base().Conecta();
  BloqueoNombrado ocupado(otra, clsDescargarSQLs::NombreDelBloqueo(programa_.principal()), 1);
  try {
    DescargaDeVentas::EjecutaDescarga(programa_, op_, programa_.ajustes(), 1);
    FAIL() << "la lectura no esperó al otro equipo";
  } catch (const ErrorTravesa& e) {
    EXPECT_NE(std::string(e.what()).find("Otro equipo está procesando los mismos datos"), std::string::npos);
  }
  EXPECT_TRUE(EnSitio("ventas_tel1_1.sql"));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM tickets"), "0");
}

// A read run that already holds the lock (around its other jobs) runs the
// sales import inside it, and still holds it afterwards.
TEST_F(VentasTest, LaLecturaQueYaTieneElBloqueoSigue) {
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().TresLineas(VentaDeTelefono{}));
  const std::string nombre = clsDescargarSQLs::NombreDelBloqueo(programa_.principal());
  BloqueoNombrado propio(programa_.principal(), nombre, 1);
  EXPECT_TRUE(Lee().Completo());
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM tickets"), "1");
  Conexion otra = inst_.base().Conecta();
  EXPECT_THROW(BloqueoNombrado(otra, nombre, 0), ErrorTravesa);
}

}  // namespace
}  // namespace travesa
