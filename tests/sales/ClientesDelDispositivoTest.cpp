// The customers created on the phones, imported into the real database.
#include <gtest/gtest.h>

#include "EscenaDeLectura.h"
#include "sales/ClientesDelDispositivo.h"

namespace travesa {
namespace {

std::string Cliente(const std::string& clave, const std::string& nombre, const std::string& precio,
                    const std::string& dias, const std::string& calle = "") {
  return "<cliente><clave>" + clave + "</clave><nombre>" + nombre + "</nombre><numPrecio>" + precio +
         "</numPrecio><calle>" + calle +
         "</calle><numExterior></numExterior><numInterior></numInterior><colonia></colonia><cp></cp>"
         "<ciudad></ciudad><estado></estado><telefono1></telefono1><telefono2></telefono2><telefono3>"
         "</telefono3><telefono4></telefono4><atencion></atencion><diascredito>" +
         dias + "</diascredito></cliente>";
}

class ClientesDelDispositivoTest : public prueba::EscenaDeLectura {
 protected:
  ResultadoClientes Importa(const std::string& cuerpo) {
    return ClientesDelDispositivo::Importa(programa_.principal(), "<clientes>" + cuerpo + "</clientes>", op_);
  }
  std::string Clientes() { return Dato("SELECT COUNT(*) FROM clientes"); }
};

TEST_F(ClientesDelDispositivoTest, ClavesConocidasNoAgreganNada) {
  const std::string antes = Clientes();
  const auto r = Importa(Cliente("C001", "Otro nombre", "3", "9") + Cliente("C002", "", "", ""));
  EXPECT_TRUE(r.agregados.empty());
  EXPECT_EQ(r.conocidos, 2);
  EXPECT_EQ(Clientes(), antes);
  EXPECT_EQ(Dato("SELECT Nombre FROM clientes WHERE Clave='C001'"), "Abarrotes La Esperanza");
}

// Keys are checked a block at a time: a whole file of known customers adds
// nothing, and a new key met again later (in the same block or another one,
// in other letters) is added once; known keys with faulty fields stay known.
TEST_F(ClientesDelDispositivoTest, ArchivoGrandeConClavesRepetidasEnOtrosBloques) {
  const std::string antes = Clientes();
  std::string cuerpo;
  for (int i = 0; i < 1200; ++i) {
    if (i == 3) cuerpo += Cliente("N900", "Nuevo", "1", "");
    if (i == 4) cuerpo += Cliente("n900", "Repetido", "1", "");
    if (i == 700) cuerpo += Cliente("N900", "Otra vez", "1", "");
    if (i == 701) cuerpo += Cliente("C001", "Conocido con precio malo", "300", "");
    cuerpo += Cliente(i % 2 ? "C001" : "c002", "", "", "");
  }
  const auto r = Importa(cuerpo);
  ASSERT_EQ(r.agregados.size(), 1u);
  EXPECT_EQ(r.agregados[0].nombre, "Nuevo");
  EXPECT_EQ(r.conocidos, 1203);
  EXPECT_TRUE(r.rechazados.empty()) << r.rechazados[0].motivo;
  EXPECT_EQ(std::stoi(Clientes()), std::stoi(antes) + 1);
}

TEST_F(ClientesDelDispositivoTest, NuevoConSoloLosCamposNoVacios) {
  const auto r = Importa(Cliente("N001", "", "0", "", "Av. Juárez 5") + Cliente("N002", "Tienda &amp; Más", "3", "15"));
  ASSERT_EQ(r.agregados.size(), 2u);
  EXPECT_TRUE(r.rechazados.empty());
  // Empty fields keep the table's defaults; a price list of 0 leaves Precio at 1.
  EXPECT_EQ(Dato("SELECT CONCAT(Nombre, '|', Precio, '|', Calle, '|', DCredito, '|', Vendedor) FROM clientes "
                 "WHERE Clave='N001'"),
            "|1|Av. Juárez 5|0|");
  EXPECT_EQ(Dato("SELECT CONCAT(Nombre, '|', Precio, '|', DCredito) FROM clientes WHERE Clave='N002'"),
            "Tienda & Más|3|15");
  // Read again: nothing new.
  const auto otra = Importa(Cliente("N001", "", "0", "") + Cliente("N002", "x", "1", "1"));
  EXPECT_TRUE(otra.agregados.empty());
  EXPECT_EQ(otra.conocidos, 2);
}

TEST_F(ClientesDelDispositivoTest, ClavesConEntidadesLetrasYComillas) {
  const auto r = Importa(Cliente("A&amp;B", "a", "", "") + Cliente("MU\xC3\x91OZ \xC3\x9A", "b", "", "") +
                         Cliente("X' OR '1'='1", "c", "", ""));
  ASSERT_EQ(r.agregados.size(), 3u);
  EXPECT_EQ(Dato("SELECT Nombre FROM clientes WHERE Clave='A&B'"), "a");
  EXPECT_EQ(Dato("SELECT Nombre FROM clientes WHERE Clave='MUÑOZ Ú'"), "b");
  EXPECT_EQ(Dato("SELECT Nombre FROM clientes WHERE Clave='X'' OR ''1''=''1'"), "c");
}

TEST_F(ClientesDelDispositivoTest, RegistrosMalFormadosSeOmitenYLosDemasEntran) {
  const std::string sinCierre =
      "<cliente><clave>M001</clave><nombre>Sin cierre<numPrecio>1</numPrecio><diascredito>0</diascredito></cliente>";
  const auto r = Importa(Cliente("B001", "Bueno uno", "2", "7") + sinCierre +
                         Cliente("M002", "Precio alto", "300", "") + Cliente("M003", "Precio letra", "abc", "") +
                         Cliente("M004", "Días letra", "1", "x") + Cliente("M005", "Días altos", "1", "256") +
                         Cliente("", "Sin clave", "1", "") + Cliente("B002", "Bueno dos", "1", "255"));
  ASSERT_EQ(r.agregados.size(), 2u);
  EXPECT_EQ(r.agregados[0].clave, "B001");
  EXPECT_EQ(r.agregados[1].clave, "B002");
  ASSERT_EQ(r.rechazados.size(), 6u);
  EXPECT_EQ(r.rechazados[0].clave, "M001");
  EXPECT_EQ(r.rechazados[0].motivo, "falta </nombre>");
  EXPECT_NE(r.rechazados[1].motivo.find("«numPrecio» no es un número entero de 0 a 255: «300»"), std::string::npos);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM clientes WHERE Clave LIKE 'M00%' OR Clave=''"), "0");
  EXPECT_EQ(Dato("SELECT DCredito FROM clientes WHERE Clave='B002'"), "255");
  // Each one is in the program's log.
  const std::string log = prueba::LeeArchivo(inst_.programa() / "travesa.log");
  EXPECT_NE(log.find("registro 2 (clave «M001»): el cliente no se agregó, falta </nombre>"), std::string::npos) << log;
}

TEST_F(ClientesDelDispositivoTest, UnaClaveDemasiadoLargaSeOmiteSinDetenerLaLectura) {
  const auto r = Importa(Cliente("CLAVE-DE-VEINTIUN-CAR", "Larga", "", "") + Cliente("N010", "Corta", "", ""));
  ASSERT_EQ(r.agregados.size(), 1u);
  ASSERT_EQ(r.rechazados.size(), 1u);
  EXPECT_EQ(r.rechazados[0].clave, "CLAVE-DE-VEINTIUN-CAR");
}

}  // namespace
}  // namespace travesa
