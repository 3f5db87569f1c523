// Document numbers of orders and remissions drawn from the counters in `sistema`.
#include <optional>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "comun/BaseDePrueba.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/host/Transaccion.h"

namespace travesa {
namespace {

class FoliosTest : public ::testing::Test {
 protected:
  long Foliar(const std::string& dato, std::string tabla) {
    std::string llave = "Factura";
    return clsDescargarSQLs::Foliar_(cn_, dato, tabla, llave);
  }
  std::string Contador(const std::string& dato) {
    return base_.Dato("SELECT Contenido FROM sistema WHERE Dato='" + dato + "'");
  }
  // Two connections at once drawing `porHilo` remission folios each from the
  // counter `dato`, each draw in its own transaction; with `serie`, each folio
  // is posted as a remission of that series before the commit. Every folio
  // drawn, in one set (so a number given twice shows as a missing one).
  std::set<long> DosConexiones(const std::string& dato, int porHilo, const std::optional<std::string>& serie) {
    std::vector<long> a, b;
    auto saca = [&](std::vector<long>& destino) {
      Conexion cn = base_.Conecta();
      for (int i = 0; i < porHilo; ++i) {
        Transaccion t(cn);
        std::string tabla = "remisiones", llave = "Factura";
        const long folio = clsDescargarSQLs::Foliar_(cn, dato, tabla, llave);
        if (serie)
          cn.Execute("INSERT INTO remisiones (Factura, Serie) VALUES (" + std::to_string(folio) + ", '" + *serie +
                     "')");
        destino.push_back(folio);
        t.Confirma();
      }
    };
    std::thread h1(saca, std::ref(a)), h2(saca, std::ref(b));
    h1.join();
    h2.join();
    std::set<long> todos(a.begin(), a.end());
    todos.insert(b.begin(), b.end());
    return todos;
  }

  prueba::BaseDePrueba base_;
  Conexion cn_ = base_.Conecta();
};

TEST_F(FoliosTest, SiguienteFolioAvanzaYCreaElContadorQueFalta) {
  base_.Ejecuta("INSERT INTO sistema VALUES ('PE-', '41')");
  std::string tabla = "Pedidos", llave = "factura";
  EXPECT_EQ(clsDescargarSQLs::Siguiente_Folio(cn_, "PE-", tabla, llave, false), 42);
  EXPECT_EQ(Contador("PE-"), "41");
  EXPECT_EQ(clsDescargarSQLs::Siguiente_Folio(cn_, "PE-", tabla, llave, true), 42);
  EXPECT_EQ(Contador("PE-"), "42");
  // The caller's table and key come back lowered and raised.
  EXPECT_EQ(tabla, "pedidos");
  EXPECT_EQ(llave, "FACTURA");
  // A missing counter is created on first use, so its numbers never repeat.
  EXPECT_EQ(clsDescargarSQLs::Siguiente_Folio(cn_, "PE-Z", tabla, llave, true), 1);
  EXPECT_EQ(clsDescargarSQLs::Siguiente_Folio(cn_, "PE-Z", tabla, llave, true), 2);
  EXPECT_EQ(Contador("PE-Z"), "2");
}

TEST_F(FoliosTest, FoliarSaltaLosUsadosDeSuSerieYSoloMueveSuContador) {
  // Remissions this program posted carry their folio in Factura only; the
  // desk's carry it in Folio too.
  base_.Ejecuta(
      "INSERT INTO sistema VALUES ('RE-', '41');"
      "INSERT INTO remisiones (Factura, Folio, Serie) VALUES (42, 42, ''), (43, 0, ''), (45, 45, 'A');");
  EXPECT_EQ(Foliar("RE-", "Remisiones"), 44);
  EXPECT_EQ(Contador("RE-"), "44");
  EXPECT_EQ(Foliar("RE-", "remisiones"), 45);  // 45 is used only in series A
  // A series counter passes over the numbers of its own series and ends on
  // the number it gave; the plain counter stays where it was.
  base_.Ejecuta(
      "INSERT INTO sistema VALUES ('RE-A', '45');"
      "INSERT INTO remisiones (Factura, Folio, Serie) VALUES (46, 0, 'A'), (47, 47, 'A'), (48, 48, '');");
  EXPECT_EQ(Foliar("RE-A", "remisiones"), 48);
  EXPECT_EQ(Contador("RE-A"), "48");
  EXPECT_EQ(Contador("RE-"), "45");
  EXPECT_EQ(Foliar("RE-A", "remisiones"), 49);
  // A counter far ahead of its series is never moved back.
  base_.Ejecuta("UPDATE sistema SET Contenido = '300' WHERE Dato = 'RE-'");
  EXPECT_EQ(Foliar("RE-A", "remisiones"), 50);
  EXPECT_EQ(Contador("RE-"), "300");
  // Orders the same, a missing counter created at the first free number.
  base_.Ejecuta("INSERT INTO pedidos (Factura, Folio, Serie) VALUES (1, 1, ''), (2, 0, ''), (1, 0, 'B');");
  EXPECT_EQ(Foliar("PE-", "pedidos"), 3);
  EXPECT_EQ(Contador("PE-"), "3");
  EXPECT_EQ(Foliar("PE-B", "pedidos"), 2);
  EXPECT_EQ(Contador("PE-B"), "2");
  // Transfers: the id among all transfers, the number within its series.
  base_.Ejecuta(
      "INSERT INTO sistema VALUES ('TRASPASO', '1');"
      "INSERT INTO traspasos (Traspaso, Serie, NumTraspaso) VALUES (2, 'A', 1), (3, '', 1), (5, 'A', 2);");
  EXPECT_EQ(Foliar("TRASPASO", "traspasos"), 4);
  EXPECT_EQ(Foliar("TRASPASO", "traspasos"), 6);
  EXPECT_EQ(Foliar("TR-A", "traspasos"), 3);
  EXPECT_EQ(Foliar("TR-", "traspasos"), 2);
  EXPECT_EQ(Contador("TRASPASO") + "|" + Contador("TR-A") + "|" + Contador("TR-"), "6|3|2");
}

TEST_F(FoliosTest, DosConexionesNuncaCompartenNumeroYElDeshacerLoDevuelve) {
  base_.Ejecuta("INSERT INTO sistema VALUES ('RE-', '0')");
  constexpr int kPorHilo = 100;
  const std::set<long> todos = DosConexiones("RE-", kPorHilo, std::nullopt);
  EXPECT_EQ(todos.size(), 2u * kPorHilo);
  EXPECT_EQ(*todos.rbegin(), 2 * kPorHilo);
  {
    Transaccion t(cn_);
    EXPECT_EQ(Foliar("RE-", "remisiones"), 2 * kPorHilo + 1);
  }
  EXPECT_EQ(Contador("RE-"), std::to_string(2 * kPorHilo));
  EXPECT_EQ(Foliar("RE-", "remisiones"), 2 * kPorHilo + 1);
}

// Two connections drawing from a series counter that has to pass over
// numbers of its series: no number twice, none already used.
TEST_F(FoliosTest, DosConexionesSaltandoUsadosDeLaSerieNuncaRepiten) {
  constexpr int kPorHilo = 60;
  std::set<long> usados;
  std::string valores;
  for (long n = 1; n <= 3 * kPorHilo; n += 3) {
    usados.insert(n);
    valores += std::string(valores.empty() ? "" : ",") + "(" + std::to_string(n) + ", 0, 'A')";
  }
  base_.Ejecuta("INSERT INTO remisiones (Factura, Folio, Serie) VALUES " + valores);
  const std::set<long> todos = DosConexiones("RE-A", kPorHilo, "A");
  EXPECT_EQ(todos.size(), 2u * kPorHilo);
  for (const long f : todos) EXPECT_EQ(usados.count(f), 0u) << f;
  EXPECT_EQ(Contador("RE-A"), std::to_string(*todos.rbegin()));
  EXPECT_EQ(base_.Dato("SELECT COUNT(*) FROM (SELECT Factura FROM remisiones WHERE Serie = 'A' GROUP BY Factura "
                       "HAVING COUNT(*) > 1) d"),
            "0");
  EXPECT_EQ(base_.Dato("SELECT COUNT(*) FROM sistema WHERE Dato = 'RE-'"), "0");
}

}  // namespace
}  // namespace travesa
