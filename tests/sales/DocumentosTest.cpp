// The documents each kind of sale leaves in Norvento: headers, lines, stock
// movements or reservations, account entries and counters, column by column.
#include "PruebaDeVentas.h"

namespace travesa {
namespace {

using prueba::ArchivoDeVentas;
using prueba::VentaDeTelefono;
using Lista = std::vector<std::string>;

class DocumentosTest : public prueba::PruebaDeVentas {};

TEST_F(DocumentosTest, TicketsDeContadoPagadosYACredito) {
  VentaDeTelefono contado{"Dec 8, 2026 9:15:42 AM", "V01", "C1", "CO", "", 1, {}};
  VentaDeTelefono pagado{"Dec 8, 2026 10:00:00 AM", "V01", "C2", "CO", "", 1, {100, 50, 0, 0, 0, 0, 0, 0}};
  VentaDeTelefono credito{"Dec 9, 2026 8:00:00 AM", "V02", "C1", "C", "", 1, {}};
  Sube("ventas_tel1_1.sql",
       ArchivoDeVentas().TresLineas(contado).Linea(pagado, "P1", 5, 30).Linea(credito, "P3", 1, 10));
  // A line of another ticket whose own key equals the new ticket's Id stays.
  Ejecuta("INSERT INTO ticketsdetalle (Id, Venta, Producto, IdTicket) VALUES (1, 7, 'OTRO', 999)");
  const ResultadoVentas r = Lee("T");
  ASSERT_TRUE(r.Completo()) << (r.fallidas.empty() ? "" : r.fallidas[0].motivo);
  ASSERT_EQ(r.posteadas.size(), 3u);
  EXPECT_EQ(Filas("SELECT Venta, Producto FROM ticketsdetalle WHERE IdTicket = 999"), (Lista{"7|OTRO"}));
  EXPECT_EQ(r.posteadas[0].folio, 42);
  EXPECT_EQ(r.posteadas[0].tipo, "Ticket");
  EXPECT_EQ(r.posteadas[0].nombre, "Abarrotes Uno");
  EXPECT_DOUBLE_EQ(r.posteadas[0].total, 115);

  EXPECT_EQ(Filas("SELECT Venta, Fecha, Hora, Vendedor, Cliente, Usuario, CAST(total AS DECIMAL(14,4)), Partidas, "
                  "Efectivo, TC, FPago3, FPago8 "
                  "FROM tickets ORDER BY Id"),
            (Lista{"42|2026-12-08|09:15|V01|C1|V01|115.0000|3|115.0000|0.0000|0.0000|0.0000",
                   "43|2026-12-08|10:00|V01|C2|V01|150.0000|1|100.0000|50.0000|0.0000|0.0000",
                   "44|2026-12-09|08:00|V02|C1|V02|10.0000|1|10.0000|0.0000|0.0000|0.0000"}));
  EXPECT_EQ(Filas("SELECT Venta, Partida, Fecha, Hora, Producto, Cantidad, Precio, NumeroDePrecio, Usuario, Descrip, "
                  "CostoProm, Precio1, IVA, Adicional, IdTicket FROM ticketsdetalle WHERE Venta = 42 ORDER BY Partida"),
            (Lista{"42|1|2026-12-08|09:15|P1|2.0000|30.0000|1|V01|Frijol a granel|20.5000|30.0000|0.00|0.00|1",
                   "42|2|2026-12-08|09:15|P2|1.0000|15.0000|1|V01|Refresco|9.2500|15.0000|16.00|8.00|1",
                   "42|3|2026-12-08|09:15|P3|4.0000|10.0000|1|V01|Queso|6.0000|10.0000|0.00|0.00|1"}));
  EXPECT_EQ(Filas("SELECT Producto, Cantidad, Referencia, Vendedor, Cliente, NombreCliente FROM histalmacen "
                  "WHERE Referencia LIKE 'TICKET No. 42-%' ORDER BY Id"),
            (Lista{"P1|2.0000|TICKET No. 42-1|V01|C1|Abarrotes Uno", "P2|1.0000|TICKET No. 42-2|V01|C1|Abarrotes Uno",
                   "P3|4.0000|TICKET No. 42-3|V01|C1|Abarrotes Uno"}));
  EXPECT_EQ(Dato("SELECT Existencia FROM productos WHERE Clave = 'P1'"), "93.0000");

  // The concepts keep the two blanks between the document text and the folio.
  // Cash without an amount in the configured form: only the charge. Paid:
  // charge, payment and annex, and no receivable left open. Credit: charge
  // and receivable due after the client's credit days.
  EXPECT_EQ(Filas("SELECT Id, Folio, Fecha, Hora, Clave, CantidadCargo, CantidadPago, Efectivo, FPago2, FPago3, "
                  "Concepto, MontoTotal, FechaDePago FROM edoctacli ORDER BY AutoInc"),
            (Lista{"101|501|2026-12-08|09:15|C1|115.0000|0.0000|0.0000|0.0000|0.0000|CARGO EL TICKET REGISTRADO EN "
                   "PROGRAMA «TRAVESA» POR  42|115.0000|2026-12-08",
                   "102|502|2026-12-08|10:00|C2|150.0000|0.0000|0.0000|0.0000|0.0000|CARGO EL TICKET REGISTRADO EN "
                   "PROGRAMA «TRAVESA» POR  43|150.0000|2026-12-08",
                   "103|502|2026-12-08|10:00|C2|0.0000|150.0000|100.0000|50.0000|0.0000|PAGO EL TICKET REGISTRADO EN "
                   "PROGRAMA «TRAVESA» POR  43|150.0000|2026-12-08",
                   "104|503|2026-12-09|08:00|C1|10.0000|0.0000|0.0000|0.0000|0.0000|CARGO EL TICKET REGISTRADO EN "
                   "PROGRAMA «TRAVESA» POR  44|10.0000|2026-12-09"}));
  EXPECT_EQ(Filas("SELECT FolioDelPago, Cantidad, CantidadReal, Cargo, Remision, FechaReal, Hora, FechaAplicacion, "
                  "SaldoAnterior FROM anexopagosctes"),
            (Lista{"502|150.0000|150.0000|2|0|2026-12-08|10:00|2026-12-08|150.0000"}));
  EXPECT_EQ(Filas("SELECT Clave, Vencimiento, Tipo, Numero, numpago, Saldo FROM cxc"),
            (Lista{"C1|2027-01-08|C|503|1|10.0000"}));
  EXPECT_EQ(Filas("SELECT Clave, Saldo FROM saldoscli ORDER BY Clave"), (Lista{"C1|125.0000", "C2|0.0000"}));
  EXPECT_EQ(Filas("SELECT Dato, Contenido FROM sistema WHERE Dato IN ('Venta', 'Foliote', 'Movimiento') ORDER BY Dato"),
            (Lista{"Foliote|104", "Movimiento|503", "Venta|44"}));
}

TEST_F(DocumentosTest, RemisionesDeContadoCreditoYOtraFormaConDatosDelCliente) {
  VentaDeTelefono contado{"Dec 8, 2026 4:05:09 PM", "V01", "C1", "CO", "Entregar temprano", 2, {}};
  VentaDeTelefono credito{"Dec 8, 2026 5:00:00 PM", "V01", "C2", "C", "", 1, {}};
  const std::string nota70 = std::string(45, 'a') + "ñáéíóúbbbbbbbbbbbbbbbbbbb";
  VentaDeTelefono otra{"Dec 8, 2026 6:00:00 PM", "V01", "C9", "X", nota70, 1, {}};
  // An unknown client after a known one gets no credit days of its own.
  VentaDeTelefono desconocido{"Dec 8, 2026 5:30:00 PM", "V01", "C8", "C", "", 1, {}};
  Sube("ventas_tel1_1.sql",
       ArchivoDeVentas().TresLineas(contado).Linea(credito, "P1", 10, 30).Linea(desconocido, "P3", 1, 10));
  Sube("ventas_bajaventaslini0_1.sql", ArchivoDeVentas().Linea(otra, "PX", 1, 12.5));
  const ResultadoVentas r = Lee("R");
  ASSERT_TRUE(r.Completo()) << (r.fallidas.empty() ? "" : r.fallidas[0].motivo);
  ASSERT_EQ(r.posteadas.size(), 4u);

  const std::string cabecera =
      "SELECT Serie, Fecha, Vence, Hora, Vendedor, FormaPAgo, Cliente, Saldo, Usuario, SubTotal, Nombre, nota, "
      "OtraLlave, "
      "Telefono, Domicilio, CP, Colonia, Ciudad, Estado, RFC, Calle, NumExterior, NumInterior, ReferenciaDomic, "
      "Localidad, Pais, Folio FROM remisiones WHERE Cliente = ";
  EXPECT_EQ(Filas(cabecera + "'C1'"),
            (Lista{"|2026-12-08|2026-12-08|16:05:09|V01|E|C1|0.0000|V01|115.0000|Abarrotes Uno|Entregar temprano||"
                   "33 1234|Av. Uno 1|44100|Centro|Guadalajara|Jalisco|AUN010101AA1|Av. Uno|1|B|Esquina|Guadalajara|"
                   "México|0"}));
  EXPECT_EQ(Filas(cabecera + "'C2'"),
            (Lista{"|2026-12-08|2026-12-23|17:00:00|V01|C|C2|300.0000|V01|300.0000|Tienda Dos||||||||||||||||0"}));
  EXPECT_EQ(Filas(cabecera + "'C9'"), (Lista{"|2026-12-08|2026-12-08|18:00:00|V01|C|C9|12.5000|V01|12.5000||" + nota70 +
                                             "|" + std::string(45, 'a') + "ñáéíó||||||||||||||0"}));
  const std::string idC1 = Dato("SELECT Id FROM remisiones WHERE Cliente = 'C1'");
  const std::string folioC1 = Dato("SELECT Factura FROM remisiones WHERE Cliente = 'C1'");
  EXPECT_EQ(Filas("SELECT Partida, Producto, Cantidad, Pedido, PrecioBruto, PrecioNeto, NumeroDePrecio, Descripcion, "
                  "IVA, ImpuestoAd, Bultos FROM remisionesdetalle WHERE Id = " +
                  idC1 + " ORDER BY Partida"),
            (Lista{"1|P1|2.0000|2.0000|30.0000|30.0000|2|Frijol a granel|0.00|0.00|0.8000",
                   "2|P2|1.0000|1.0000|15.0000|15.0000|2|Refresco|16.00|8.00|0.0000",
                   "3|P3|4.0000|4.0000|10.0000|10.0000|2|Queso|0.00|0.00|8.0000"}));
  EXPECT_EQ(
      Filas("SELECT Referencia FROM histalmacen WHERE Cliente = 'C1' ORDER BY Id"),
      (Lista{"REMISION No. " + folioC1 + "-1", "REMISION No. " + folioC1 + "-2", "REMISION No. " + folioC1 + "-3"}));
  // An unknown product gives a line without its data and no movement.
  EXPECT_EQ(Filas("SELECT Partida, Producto, Descripcion, Bultos FROM remisionesdetalle d JOIN remisiones r "
                  "USING (Id) WHERE r.Cliente = 'C9'"),
            (Lista{"1|PX||0.0000"}));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM histalmacen WHERE Cliente = 'C9'"), "0");
  // The folios 42 to 45 went to the four remissions.
  EXPECT_EQ(Filas("SELECT Factura FROM remisiones ORDER BY Factura"), (Lista{"42", "43", "44", "45"}));
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'RE-'"), "45");

  const std::string idC2 = Dato("SELECT Id FROM remisiones WHERE Cliente = 'C2'");
  EXPECT_EQ(Filas("SELECT Clave, Vencimiento, Tipo, Numero, numpago, Saldo FROM cxc"),
            (Lista{"C2|2026-12-23|R|" + idC2 + "|1|300.0000",
                   "C8|2026-12-08|R|" + Dato("SELECT Id FROM remisiones WHERE Cliente = 'C8'") + "|1|10.0000"}));
  EXPECT_EQ(Filas("SELECT Clave, CantidadCargo, CantidadPago FROM edoctacli WHERE Concepto LIKE 'CARGO LA REMISIÓN "
                  "REGISTRADO EN PROGRAMA «TRAVESA» POR  " +
                  folioC1 + "'"),
            (Lista{"C1|115.0000|0.0000"}));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM edoctacli"), "4");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM anexopagosctes"), "0");

  // Without checking stock the warehouse reference reads "REMISION. ".
  VentaDeTelefono pagada{"Dec 9, 2026 9:00:00 AM", "V01", "C1", "CO", "", 1, {20, 0, 0, 0, 0, 0, 0, 0}};
  Sube("ventas_tel1_2.sql", ArchivoDeVentas().Linea(pagada, "P3", 2, 10));
  ASSERT_TRUE(Lee("R", true).Completo());
  EXPECT_EQ(Filas("SELECT Referencia FROM histalmacen WHERE Referencia LIKE 'REMISION. %'"), (Lista{"REMISION. 46-1"}));
  const std::string id46 = Dato("SELECT Id FROM remisiones WHERE Factura = 46");
  EXPECT_EQ(Filas("SELECT Remision, Cargo, Cantidad FROM anexopagosctes"), (Lista{id46 + "|0|20.0000"}));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM cxc"), "2");
}

TEST_F(DocumentosTest, PedidosApartanLaExistenciaYDejanFueraLoQueNoAlcanza) {
  VentaDeTelefono v{"Dec 8, 2026 4:05:09 PM", "V03", "C1", "CO", "pedido", 3, {}};
  Sube("ventas_tel3_1.sql", ArchivoDeVentas().Linea(v, "P2", 3, 15).Linea(v, "P2", 1, 15).Linea(v, "P1", 10, 30));
  ResultadoVentas r = Lee("P", false, "A");
  ASSERT_TRUE(r.Completo()) << (r.fallidas.empty() ? "" : r.fallidas[0].motivo);
  ASSERT_EQ(r.posteadas.size(), 1u);
  EXPECT_EQ(r.posteadas[0].tipo, "Pedido");
  EXPECT_EQ(r.posteadas[0].serie, "A");
  EXPECT_EQ(Filas("SELECT Factura, Serie, Fecha, Vence, Hora, Vendedor, Cliente, Usuario, SubTotal, Nombre, nota, "
                  "OtraLlave, Telefono, Pais, EstatusWMS, Afectada FROM pedidos"),
            (Lista{"1|A|2026-12-08|2026-12-08|16:05:09|V03|C1|V03|360.0000|Abarrotes Uno|pedido||33 1234|México|3|0"}));
  EXPECT_EQ(Filas("SELECT Partida, Producto, Cantidad, Pedido, PrecioBruto, PrecioNeto, NumeroDePrecio, Descripcion, "
                  "IVA, ImpuestoAd, Bultos FROM pedidosdetalle ORDER BY Partida"),
            (Lista{"1|P2|3.0000|3.0000|15.0000|15.0000|3|Refresco|16.00|8.00|0.0000",
                   "2|P1|10.0000|10.0000|30.0000|30.0000|3|Frijol a granel|0.00|0.00|4.0000"}));
  EXPECT_EQ(Filas("SELECT Clave, Existencia, PorVender FROM productos ORDER BY Clave"),
            (Lista{"P1|100.0000|10.0000", "P2|10.0000|10.0000", "P3|50.0000|0.0000"}));
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'PE-A'"), "1");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato = 'PE-'"), "41");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM edoctacli") + Dato("SELECT COUNT(*) FROM histalmacen"), "00");

  // Without the stock test every line goes in; an unknown product reserves
  // nothing. The long line layout takes its price number from position 10.
  v.fecha = "Dec 8, 2026 4:06:00 PM";
  v.numPrecio = 4;
  Sube("ventas_tel3_2.sql", ArchivoDeVentas().Linea(v, "P2", 1, 15, true).Linea(v, "PX", 1, 5, true));
  r = Lee("P", true, "N/A");
  ASSERT_TRUE(r.Completo());
  EXPECT_EQ(Filas("SELECT d.Partida, d.Producto, d.Descripcion, d.NumeroDePrecio FROM pedidosdetalle d JOIN pedidos p "
                  "USING (Id) WHERE p.Factura = 42 ORDER BY d.Partida"),
            (Lista{"1|P2|Refresco|4", "2|PX||4"}));
  EXPECT_EQ(Dato("SELECT PorVender FROM productos WHERE Clave = 'P2'"), "11.0000");
  EXPECT_EQ(Dato("SELECT Serie FROM pedidos WHERE Factura = 42"), "");
}

// Orders of one run share the free stock: each takes what the ones posted
// before it left, and an order that failed and was rolled back leaves its
// share free.
TEST_F(DocumentosTest, PedidosDeUnaCorridaSeRepartenLaExistenciaLibre) {
  Ejecuta(
      "CREATE TRIGGER rechaza_treinta BEFORE INSERT ON pedidosdetalle FOR EACH ROW "
      "IF NEW.Cantidad = 30 THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'Partida rechazada por la prueba'; END IF");
  ArchivoDeVentas archivo;
  const auto pedido = [&archivo](const char* hora, double cantidad) {
    const VentaDeTelefono v{std::string("Dec 8, 2026 ") + hora + " AM", "V03", "C1", "CO", "", 1, {}};
    archivo.Linea(v, "P1", cantidad, 30).Linea(v, "P3", 1, 10);
  };
  pedido("9:00:00", 60);    // P1 has 100 free
  pedido("9:01:00", 30);    // fails after reserving
  pedido("9:02:00", 40.5);  // 40 left: P1 left out
  pedido("9:03:00", 39.75);
  pedido("9:04:00", 0.25);
  pedido("9:05:00", 0.0001);
  Sube("ventas_tel3_1.sql", archivo);
  const ResultadoVentas r = Lee("P");
  ASSERT_EQ(r.fallidas.size(), 1u);
  EXPECT_EQ(r.fallidas[0].hora, "09:01:00");
  EXPECT_EQ(Filas("SELECT p.Hora, d.Producto, d.Cantidad FROM pedidos p JOIN pedidosdetalle d USING (Id) "
                  "WHERE d.Producto = 'P1' ORDER BY p.Hora"),
            (Lista{"09:00:00|P1|60.0000", "09:03:00|P1|39.7500", "09:04:00|P1|0.2500"}));
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM pedidosdetalle WHERE Producto = 'P3'"), "5");
  EXPECT_EQ(Filas("SELECT Clave, PorVender FROM productos WHERE Clave IN ('P1', 'P3') ORDER BY Clave"),
            (Lista{"P1|100.0000", "P3|5.0000"}));
}

}  // namespace
}  // namespace travesa
