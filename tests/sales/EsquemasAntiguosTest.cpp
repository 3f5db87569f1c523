// Sales posted on the schemas of older installations: counters and balances
// without their keys, totals kept with two decimals or as FLOAT, text columns
// in latin1, tables without transactions. Each test gives its own database
// the old form, so it holds on every server of the matrix.
#include "PruebaDeVentas.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::VentaDeTelefono;
using Lista = std::vector<std::string>;

class EsquemasAntiguosTest : public prueba::PruebaDeVentas {
 protected:
  // Every key of the table, the primary one too.
  void QuitaLlaves(const std::string& tabla) {
    for (const std::string& indice :
         Filas("SELECT DISTINCT INDEX_NAME FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = DATABASE() "
               "AND TABLE_NAME = '" +
               tabla + "'"))
      Ejecuta("ALTER TABLE " + tabla + (indice == "PRIMARY" ? " DROP PRIMARY KEY" : " DROP INDEX `" + indice + "`"));
  }
  static std::string Motivos(const ResultadoVentas& r) {
    std::string t;
    for (const auto& f : r.fallidas) t += f.archivo + ": " + f.motivo + "\n";
    return t;
  }
};

TEST_F(EsquemasAntiguosTest, ContadoresYSaldosSinLlaves) {
  QuitaLlaves("sistema");
  QuitaLlaves("saldoscli");
  const VentaDeTelefono uno{"Dec 8, 2026 9:00:00 AM", "V01", "C1", "C", "", 1, {}};
  const VentaDeTelefono dos{"Dec 8, 2026 9:10:00 AM", "V01", "C2", "C", "", 1, {}};
  const VentaDeTelefono tres{"Dec 8, 2026 9:20:00 AM", "V01", "C1", "C", "", 1, {}};
  for (const char* tipo : {"R", "T"}) {
    Sube("ventas_tel1_1.sql", ArchivoDeVentas().Linea(uno, "P1", 1, 30).Linea(dos, "P2", 1, 15));
    ResultadoVentas r = Lee(tipo);
    ASSERT_TRUE(r.Completo()) << Motivos(r);
    // The balances row of C1 exists now: the next sale updates it.
    Sube("ventas_tel1_2.sql", ArchivoDeVentas().Linea(tres, "P3", 2, 10));
    r = Lee(tipo);
    ASSERT_TRUE(r.Completo()) << Motivos(r);
    EXPECT_EQ(Dato("SELECT COUNT(*) - COUNT(DISTINCT Dato) FROM sistema"), "0") << tipo;
    EXPECT_EQ(Dato("SELECT COUNT(*) - COUNT(DISTINCT Clave) FROM saldoscli"), "0") << tipo;
  }
  EXPECT_EQ(Filas("SELECT Factura FROM remisiones WHERE Fecha = '2026-12-08' ORDER BY Hora"),
            (Lista{"42", "43", "44"}));
  EXPECT_EQ(Filas("SELECT Venta FROM tickets WHERE Fecha = '2026-12-08' ORDER BY Hora"), (Lista{"42", "43", "44"}));
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'Venta'"), "44");
  // Every balance is its statement's, and the running balance of the last
  // entry is the customer's balance.
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM saldoscli s WHERE s.Saldo <> (SELECT SUM(CantidadCargo - CantidadPago) "
                 "FROM edoctacli e WHERE e.Clave = s.Clave)"),
            "0");
  EXPECT_EQ(Filas("SELECT Clave, Saldo FROM saldoscli WHERE Clave IN ('C1', 'C2') ORDER BY Clave"),
            Filas("SELECT e.Clave, e.Saldo FROM edoctacli e WHERE e.Clave IN ('C1', 'C2') AND e.AutoInc = "
                  "(SELECT AutoInc FROM edoctacli x WHERE x.Clave = e.Clave ORDER BY Fecha DESC, Hora DESC, "
                  "AutoInc DESC LIMIT 1) ORDER BY e.Clave"));
}

TEST_F(EsquemasAntiguosTest, TicketLeidoOtraVezConTotalDeDosDecimalesOFloat) {
  int minuto = 0;
  for (const char* tipo : {"DECIMAL(14,2)", "FLOAT"}) {
    Ejecuta(std::string("ALTER TABLE tickets MODIFY total ") + tipo + " NOT NULL DEFAULT 0");
    const VentaDeTelefono venta{"Dec 8, 2026 10:0" + std::to_string(minuto++) + ":00 AM", "V01", "C1", "C", "", 1, {}};
    const ArchivoDeVentas archivo = ArchivoDeVentas().Linea(venta, "P1", 3, 11.1111);
    Sube("ventas_tel1_1.sql", archivo);
    ResultadoVentas r = Lee("T");
    ASSERT_TRUE(r.Completo()) << Motivos(r);
    ASSERT_EQ(r.posteadas.size(), 1u) << tipo;
    const std::string existencia = Dato("SELECT Existencia FROM productos WHERE Clave = 'P1'");
    Sube("ventas_tel1_1.sql", archivo);
    r = Lee("T");
    ASSERT_TRUE(r.Completo()) << Motivos(r);
    EXPECT_TRUE(r.posteadas.empty()) << tipo;
    EXPECT_EQ(r.yaPosteadas, 1) << tipo;
    EXPECT_EQ(Dato("SELECT Existencia FROM productos WHERE Clave = 'P1'"), existencia) << tipo;
  }
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM tickets WHERE Fecha = '2026-12-08'"), "2");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM cxc"), "2");
}

TEST_F(EsquemasAntiguosTest, LetrasQueUnaColumnaLatin1NoAdmite) {
  Ejecuta("ALTER TABLE remisiones MODIFY nota VARCHAR(100) CHARACTER SET latin1 NOT NULL DEFAULT ''");
  // An emoji and a Greek letter have no place in latin1; the euro sign and
  // the Spanish letters do.
  const VentaDeTelefono rara{
      "Dec 8, 2026 9:00:00 AM", "V01", "C1", "C", "Pag\xC3\xB3 \xF0\x9F\x91\x8D \xE2\x82\xAC \xCE\xA9", 1, {}};
  const VentaDeTelefono comun{"Dec 8, 2026 9:30:00 AM", "V01", "C2", "C", "Se\xC3\xB1or", 1, {}};
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().Linea(rara, "P1", 1, 30).Linea(comun, "P2", 1, 15));
  const ResultadoVentas r = Lee("R");
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  EXPECT_EQ(Filas("SELECT Cliente, nota FROM remisiones WHERE Fecha = '2026-12-08' ORDER BY Hora"),
            (Lista{"C1|Pag\xC3\xB3 ? \xE2\x82\xAC ?", "C2|Se\xC3\xB1or"}));
  EXPECT_FALSE(EnSitio("ventas_tel1_1.sql"));
  const std::string bitacora = Bitacora();
  const std::string aviso =
      "Venta de C1 (ventas_tel1_1.sql): El texto «Pag\xC3\xB3 \xF0\x9F\x91\x8D \xE2\x82\xAC \xCE\xA9» "
      "se grabó como «Pag\xC3\xB3 ? \xE2\x82\xAC ?» en remisiones.nota, que está en latin1";
  const std::size_t donde = bitacora.find(aviso);
  EXPECT_NE(donde, std::string::npos) << bitacora;
  // Only the text that changed is told.
  EXPECT_EQ(bitacora.find("se grabó como", donde + aviso.size()), std::string::npos) << bitacora;
}

TEST_F(EsquemasAntiguosTest, TablasSinTransaccionesSeAdviertenUnaVez) {
  Ejecuta("ALTER TABLE remisiones ENGINE=MyISAM");
  Ejecuta("ALTER TABLE remisionesdetalle ENGINE=MyISAM");
  const auto advertencias = [&] {
    int n = 0;
    for (const auto& c : op_.cajas) n += c.texto.find("no admiten transacciones") != std::string::npos;
    return n;
  };
  Sube("ventas_tel1_1.sql", ArchivoDeVentas().Linea(VentaDeTelefono{}, "P1", 1, 30));
  ResultadoVentas r = Lee("R");
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  EXPECT_EQ(r.posteadas.size(), 1u);
  ASSERT_EQ(advertencias(), 1);
  for (const auto& c : op_.cajas) {
    if (c.texto.find("no admiten transacciones") != std::string::npos) {
      EXPECT_NE(c.texto.find("remisiones, remisionesdetalle"), std::string::npos) << c.texto;
    }
  }
  Sube("ventas_tel1_2.sql",
       ArchivoDeVentas().Linea(VentaDeTelefono{"Dec 8, 2026 2:00:00 PM", "V01", "C1", "CO", "", 1, {}}, "P1", 1, 30));
  r = Lee("R");
  ASSERT_TRUE(r.Completo()) << Motivos(r);
  EXPECT_EQ(r.posteadas.size(), 1u);
  EXPECT_EQ(advertencias(), 1);
}

}  // namespace
}  // namespace travesa
