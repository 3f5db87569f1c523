// Folios and statement balances.
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "comun/BaseDePrueba.h"
#include "shell/host/BasesDD.h"
#include "shell/host/Movimientos.h"

namespace travesa {
namespace {

TEST(FoliarTest, NumerosSeguidosYContadorCreadoAlPrimerUso) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  base.Ejecuta("INSERT INTO sistema VALUES ('Venta','41')");
  EXPECT_EQ(Movimientos::Foliar(cn, "Venta", "tickets", "Venta"), 42);
  EXPECT_EQ(Movimientos::Foliar(cn, "Venta", "tickets", "Venta"), 43);
  EXPECT_EQ(base.Dato("SELECT Contenido FROM sistema WHERE Dato='Venta'"), "43");
  // A counter nobody created yet starts after what the table already uses.
  base.Ejecuta("INSERT INTO edoctacli (Id, Folio) VALUES (7, 3)");
  EXPECT_EQ(Movimientos::Foliar(cn, "Foliote", "edoctacli", "Id"), 8);
  EXPECT_EQ(Movimientos::Foliar(cn, "Foliote", "edoctacli", "Id"), 9);
  EXPECT_EQ(base.Dato("SELECT Contenido FROM sistema WHERE Dato='Foliote'"), "9");
}

TEST(FoliarTest, SaltaNumerosYaUsadosYContenidoIlegible) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  base.Ejecuta(
      "INSERT INTO sistema VALUES ('Venta','5'),('Movimiento','basura');"
      "INSERT INTO tickets (Venta) VALUES (12);");
  EXPECT_EQ(Movimientos::Foliar(cn, "Venta", "tickets", "Venta"), 13);
  EXPECT_EQ(Movimientos::Foliar(cn, "Movimiento", "edoctacli", "Folio"), 1);
}

TEST(FoliarTest, DosConexionesALaVezNuncaRepitenNumero) {
  prueba::BaseDePrueba base;
  base.Ejecuta("INSERT INTO sistema VALUES ('Venta','0')");
  constexpr int kPorHilo = 150;
  std::vector<long long> a, b;
  auto saca = [&base](std::vector<long long>& destino) {
    Conexion cn = base.Conecta();
    for (int i = 0; i < kPorHilo; ++i) destino.push_back(Movimientos::Foliar(cn, "Venta", "tickets", "Venta"));
  };
  std::thread h1(saca, std::ref(a)), h2(saca, std::ref(b));
  h1.join();
  h2.join();
  std::set<long long> todos(a.begin(), a.end());
  todos.insert(b.begin(), b.end());
  EXPECT_EQ(todos.size(), 2u * kPorHilo);
  EXPECT_EQ(*todos.rbegin(), 2 * kPorHilo);
}

TEST(MovimientosTest, EstadoDeCuentaLlevaSaldoCorridoYResumen) {
  prueba::BaseDePrueba base;
  Conexion cn = base.Conecta();
  base.Ejecuta(
      "INSERT INTO edoctacli (Id, Fecha, Hora, Clave, CantidadCargo, CantidadPago) VALUES "
      "(1,'2026-01-02','10:00','C1',500,0),(2,'2026-01-05','09:00','C1',0,200),"
      "(3,'2026-01-03','12:00','C2',80,0),(4,'2026-01-06','08:00','C1',100.5,0)");
  Movimientos::CalculaEdoCta(4, cn, "edoctacli", "saldoscli");
  EXPECT_EQ(base.Dato("SELECT GROUP_CONCAT(Saldo ORDER BY Fecha SEPARATOR ' ') FROM edoctacli WHERE Clave='C1'"),
            "500.0000 300.0000 400.5000");
  EXPECT_EQ(base.Dato("SELECT CONCAT(Cargos,'|',Abonos,'|',Saldo) FROM saldoscli WHERE Clave='C1'"),
            "600.5000|200.0000|400.5000");
  EXPECT_EQ(base.Dato("SELECT COUNT(*) FROM saldoscli"), "1");
  base.Ejecuta(
      "INSERT INTO edoctacli (Id, Fecha, Hora, Clave, CantidadPago) VALUES (5,'2026-01-07','08:00','C1',400.5)");
  Movimientos::CalculaEdoCta(5, cn, "edoctacli", "saldoscli");
  EXPECT_EQ(base.Dato("SELECT Saldo FROM saldoscli WHERE Clave='C1'"), "0.0000");
}

}  // namespace
}  // namespace travesa
