// Document numbers of orders and remissions drawn from the counters in `sistema`.
#include <gtest/gtest.h>

#include <set>
#include <thread>

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

TEST_F(FoliosTest, FoliarSaltaLosUsadosSinSerieYGuardaComoTexto) {
  base_.Ejecuta("INSERT INTO sistema VALUES ('RE-', '41');"
                "INSERT INTO remisiones (Folio, Serie) VALUES (42, ''), (43, ''), (45, 'A');");
  EXPECT_EQ(Foliar("RE-", "Remisiones"), 44);
  EXPECT_EQ(Contador("RE-"), "44");
  EXPECT_EQ(Foliar("RE-", "remisiones"), 45);  // 45 is used only with a series
  // A series counter that passes over used folios stores under the plain key.
  base_.Ejecuta("INSERT INTO sistema VALUES ('RE-A', '45'); INSERT INTO remisiones (Folio, Serie) VALUES (46, '');");
  EXPECT_EQ(Foliar("RE-A", "remisiones"), 47);
  EXPECT_EQ(Contador("RE-A"), "46");
  EXPECT_EQ(Contador("RE-"), "47");
  base_.Ejecuta("INSERT INTO pedidos (Folio, Serie) VALUES (1, '')");
  EXPECT_EQ(Foliar("PE-", "pedidos"), 2);
  EXPECT_EQ(Contador("PE-"), "2");
}

TEST_F(FoliosTest, RedondeoADosDecimales) {
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(1.234), 1.23);
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(1.236), 1.24);
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(-2.5), -2.5);
  EXPECT_DOUBLE_EQ(clsDescargarSQLs::A2Decimales(1234567.125), 1234567.13);
}

TEST_F(FoliosTest, DosConexionesNuncaCompartenNumeroYElDeshacerLoDevuelve) {
  base_.Ejecuta("INSERT INTO sistema VALUES ('RE-', '0')");
  constexpr int kPorHilo = 100;
  std::vector<long> a, b;
  auto saca = [this](std::vector<long>& destino) {
    Conexion cn = base_.Conecta();
    for (int i = 0; i < kPorHilo; ++i) {
      Transaccion t(cn);
      std::string tabla = "remisiones", llave = "Factura";
      destino.push_back(clsDescargarSQLs::Foliar_(cn, "RE-", tabla, llave));
      t.Confirma();
    }
  };
  std::thread h1(saca, std::ref(a)), h2(saca, std::ref(b));
  h1.join();
  h2.join();
  std::set<long> todos(a.begin(), a.end());
  todos.insert(b.begin(), b.end());
  EXPECT_EQ(todos.size(), 2u * kPorHilo);
  EXPECT_EQ(*todos.rbegin(), 2 * kPorHilo);
  {
    Transaccion t(cn_);
    EXPECT_EQ(Foliar("RE-", "remisiones"), 2 * kPorHilo + 1);
  }
  EXPECT_EQ(Contador("RE-"), std::to_string(2 * kPorHilo));
  EXPECT_EQ(Foliar("RE-", "remisiones"), 2 * kPorHilo + 1);
}

}  // namespace
}  // namespace travesa
