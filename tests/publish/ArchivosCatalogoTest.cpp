// The catalogue files, parsed back element by element, with each option.
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "comun/Instalacion.h"
#include "comun/OperadorDePrueba.h"
#include "publish/clsXMLs.h"
#include "shell/Programa.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

using Renglones = std::vector<std::vector<std::pair<std::string, std::string>>>;

class ArchivosCatalogoTest : public ::testing::Test {
 protected:
  ArchivosCatalogoTest() : inst_(false), programa_(inst_.programa(), op_) {}

  void SetUp() override {
    ASSERT_TRUE(programa_.Inicia());
    inst_.base().Ejecuta(
        "INSERT INTO vendedores VALUES ('V02','  Luis Pérez  ','22'),('V01','Ana','1234');"
        "INSERT INTO medidas VALUES (1,'KG'),(2,'PZA');"
        "INSERT INTO productos "
        "(Clave,Descrip,UnidadMedida,Precio1,Precio2,Precio3,Precio4,Precio5,Costo,Existencia,EnLista) VALUES "
        "('P2','Jabón & Cía <barra> \"grande\" ñ\\t\x01 fin',2,10,9,8,7,6,5,3,0),"
        "('P1',' Frijol ',1,20.5,19,18,17,16,15,2.5,1),"
        "('P3',NULL,9,1,1,1,1,1,1,0,1);"
        "INSERT INTO clientes (Clave,Nombre,Precio,Vendedor,Calle,Telefono1) VALUES "
        "('C2',' Peña ',3,'V02',' Juárez ','555'),('C1','Ruiz',1,'V01','Hidalgo',NULL);");
  }

  Renglones Lee(const std::string& archivo, const std::string& raiz) {
    pugi::xml_document doc;
    const auto r = doc.load_file((programa_.carpeta() / archivo).c_str());
    EXPECT_TRUE(r) << archivo << ": " << r.description();
    EXPECT_STREQ(doc.document_element().name(), raiz.c_str());
    Renglones filas;
    for (pugi::xml_node registro : doc.document_element().children()) {
      filas.emplace_back();
      for (pugi::xml_node e : registro.children()) filas.back().emplace_back(e.name(), e.text().get());
    }
    return filas;
  }

  std::string Campo(const Renglones& filas, std::size_t fila, const std::string& nombre) {
    for (const auto& [n, v] : filas.at(fila))
      if (n == nombre) return v;
    return "<ausente>";
  }

  clsXMLs::Opcionales Genera(const Ajustes& a, const std::string& vendedor = "") {
    clsXMLs x(programa_, op_, a);
    x.Vendedor = vendedor;
    return x.GeneraArchivos();
  }

  prueba::OperadorDePrueba op_;
  prueba::Instalacion inst_;
  Programa programa_;
};

TEST_F(ArchivosCatalogoTest, VendedoresYProductosConOpcionesPorOmision) {
  Genera(programa_.ajustes());
  const auto v = Lee("vendedores.xml", "vendedores");
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(v[0],
            (std::vector<std::pair<std::string, std::string>>{{"clave", "V01"}, {"nombre", "Ana"}, {"NIP", "1234"}}));
  EXPECT_EQ(Campo(v, 1, "nombre"), "Luis Pérez");
  const auto p = Lee("productos.xml", "productos");
  ASSERT_EQ(p.size(), 3u);
  ASSERT_EQ(p[0].size(), 9u);  // clave, descripcion, precio1..5, costo, existencia; no precioS
  const std::vector<std::string> nombres = {"clave",   "descripcion", "precio1", "precio2",   "precio3",
                                            "precio4", "precio5",     "costo",   "existencia"};
  for (std::size_t i = 0; i < nombres.size(); ++i) EXPECT_EQ(p[0][i].first, nombres[i]);
  EXPECT_EQ(p[0].back().first, "existencia");
  EXPECT_EQ(Campo(p, 0, "descripcion"), "Frijol");
  EXPECT_DOUBLE_EQ(libNalda::prVal(Campo(p, 0, "precio1")), 20.5);
  EXPECT_DOUBLE_EQ(libNalda::prVal(Campo(p, 0, "existencia")), 2.5);
  // Escaped on the way out, read back the same; the control character cannot
  // travel in XML and is left out.
  EXPECT_EQ(Campo(p, 1, "descripcion"), "Jabón & Cía <barra> \"grande\" ñ\t fin");
  EXPECT_EQ(Campo(p, 2, "descripcion"), "");  // NULL
  const std::string crudo = prueba::LeeArchivo(programa_.carpeta() / "productos.xml");
  EXPECT_EQ(crudo.rfind("<?xml version=\"1.0\"?><productos><producto><clave>", 0), 0u);
  EXPECT_EQ(crudo.find("encoding"), std::string::npos);
  EXPECT_EQ(crudo.find('\n'), std::string::npos);
  // The label showed the first row of each file as it was written.
  for (const char* aviso : {"V01, Ana", "P1, Frijol"})
    EXPECT_NE(std::find(op_.avisos.begin(), op_.avisos.end(), aviso), op_.avisos.end()) << aviso;
}

TEST_F(ArchivosCatalogoTest, PresentacionPrecioSugeridoYSoloListas) {
  Ajustes a = programa_.ajustes();
  a.ConPresentacion = "S";
  a.PrecioSugerido = "3";
  a.SoloListas = "S";
  Genera(a);
  auto p = Lee("productos.xml", "productos");
  ASSERT_EQ(p.size(), 2u);  // P2 is not in the price lists
  EXPECT_EQ(Campo(p, 0, "descripcion"), "Frijol  KG");
  EXPECT_EQ(Campo(p, 1, "descripcion"), "");  // NULL description, missing unit
  EXPECT_EQ(p[0].back().first, "precioS");
  EXPECT_DOUBLE_EQ(libNalda::prVal(Campo(p, 0, "precioS")), 18);
  a.PrecioSugerido = "9";  // typed by hand in the INI file: taken as 5
  a.SoloListas = "N";
  a.ConPresentacion = "N";
  Genera(a);
  p = Lee("productos.xml", "productos");
  EXPECT_DOUBLE_EQ(libNalda::prVal(Campo(p, 0, "precioS")), 16);
  EXPECT_EQ(Campo(p, 0, "descripcion"), "Frijol");
}

TEST_F(ArchivosCatalogoTest, ClientesConDomiciliosYPorVendedor) {
  Ajustes a = programa_.ajustes();
  Genera(a);
  auto c = Lee("clientes.xml", "clientes");
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[1].size(), 14u);
  EXPECT_EQ(Campo(c, 1, "nombre"), "Peña");
  EXPECT_EQ(Campo(c, 1, "numPrecio"), "3");
  EXPECT_EQ(Campo(c, 1, "calle"), "Juárez");
  EXPECT_EQ(Campo(c, 0, "telefono1"), "");
  a.EnviarDomicilios = "N";
  Genera(a, "V02");
  c = Lee("clientes.xml", "clientes");
  ASSERT_EQ(c.size(), 1u);
  EXPECT_EQ(c[0].size(), 3u);
  EXPECT_EQ(Campo(c, 0, "clave"), "C2");
}

TEST_F(ArchivosCatalogoTest, CuentasPorCobrarConSusDocumentos) {
  inst_.base().Ejecuta(
      "INSERT INTO facturas (Id,Serie,Factura,Fecha) VALUES (5,'A','123','2024-05-10');"
      "INSERT INTO remisiones (Id,Serie,Factura,Fecha) VALUES (7,'','152','2024-06-01');"
      "INSERT INTO apartados (Id,Serie,Factura,Fecha) VALUES (2,'AP','12','2024-07-02');"
      "INSERT INTO edoctacli (Id,Folio,Fecha,Clave,CantidadCargo) VALUES (1,900,'2024-01-15','C1',0),"
      "(2,900,'2024-01-20','C1',50),(3,900,'2024-01-25','C1',70);"
      "INSERT INTO cxc (Id,Clave,Tipo,Numero,Vencimiento,Saldo) VALUES "
      "(1,'C1','F',5,'2024-06-09',100.5),(2,'C1','F',6,'2024-06-09',1),(3,'C2','C',900,NULL,50),"
      "(4,'C2','C',901,'2024-02-01',3),(5,'C2','X',7,'2024-07-01',4),(6,'C2','A',2,'2024-08-01',5),"
      "(7,'C1','R',8,'2024-08-01',6);");
  Genera(programa_.ajustes());
  const auto x = Lee("cxcs.xml", "cxcs");
  ASSERT_EQ(x.size(), 7u);
  EXPECT_EQ(x[0], (std::vector<std::pair<std::string, std::string>>{{"id", "1"},
                                                                    {"cliente", "C1"},
                                                                    {"documento", "FACTURA A 123"},
                                                                    {"fecha", "2024-05-10"},
                                                                    {"vencimiento", "2024-06-09"},
                                                                    {"saldo", "100.5000"},
                                                                    {"tipo", "F"},
                                                                    {"numero", "5"}}));
  EXPECT_EQ(Campo(x, 1, "documento"), "FACTURA Id 6");
  EXPECT_EQ(Campo(x, 1, "fecha"), "FECHA");
  // The first statement row with a charge, in the table's order.
  EXPECT_EQ(Campo(x, 2, "documento"), "CARGO 900 del 2024-01-20");
  EXPECT_EQ(Campo(x, 2, "fecha"), "2024-01-20");
  EXPECT_EQ(Campo(x, 2, "vencimiento"), "");
  EXPECT_EQ(Campo(x, 3, "documento"), "CARGO 901");
  EXPECT_EQ(Campo(x, 3, "fecha"), "FECHA");
  EXPECT_EQ(Campo(x, 4, "documento"), "REMISION  152");  // unknown kind: a remission
  EXPECT_EQ(Campo(x, 5, "documento"), "APARTADO AP 12");
  EXPECT_EQ(Campo(x, 6, "documento"), "REMISION Id 8");
}

TEST_F(ArchivosCatalogoTest, CuentasPorCobrarSinConsultasPorRenglon) {
  auto cuenta = [this] {
    RecordSet rs;
    programa_.bd().AbrirTabla(rs, programa_.principal(),
                              "information_schema.SESSION_STATUS WHERE VARIABLE_NAME='QUESTIONS'", "VARIABLE_VALUE");
    return rs.Fields(0).Entero();
  };
  auto corre = [&] {
    const long long antes = cuenta();
    Genera(programa_.ajustes());
    return cuenta() - antes;
  };
  inst_.base().Ejecuta("INSERT INTO cxc (Clave,Tipo,Numero,Saldo) VALUES ('C1','F',1,1),('C1','C',2,1),('C1','R',3,1)");
  const long long pocas = corre();
  std::string muchas = "INSERT INTO cxc (Clave,Tipo,Numero,Saldo) VALUES ('C1','F',1,1)";
  for (int i = 0; i < 300; ++i) muchas += ",('C2','" + std::string(1, "FCRA"[i % 4]) + "'," + std::to_string(i) + ",2)";
  inst_.base().Ejecuta(muchas);
  EXPECT_EQ(corre(), pocas);
}

TEST_F(ArchivosCatalogoTest, ConfiguracionYArchivosOpcionales) {
  libNalda::EscribeIni("FTP", "ContraseñaApp", programa_.utilerias().Encripta("O'Niño"), programa_.ini());
  Ajustes a = programa_.ajustes();
  a.EtiqVerCxc = "S";
  a.EtiqAsistencia = "S";
  auto o = Genera(a);
  EXPECT_FALSE(o.listadeprecios || o.preciosadicionales || o.formasdepago);
  for (const char* f : {"listadeprecios.xml", "preciosadicionales.xml", "formasdepago.xml"})
    EXPECT_FALSE(std::filesystem::exists(programa_.carpeta() / f)) << f;
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_file((programa_.carpeta() / "configuracion.xml").c_str()));
  const pugi::xml_node c = doc.child("Configuracion");
  EXPECT_STREQ(c.child_value("modificaprecios"), "N");
  EXPECT_STREQ(c.child_value("vercxc"), "S");
  EXPECT_STREQ(c.child_value("capturapagos"), "N");
  EXPECT_STREQ(c.child_value("asistencia"), "S");
  // md5 of the UTF-8 bytes of "O'Niño"
  EXPECT_STREQ(c.child_value("claveconfiguracion"), "49e5a0f06d6452b0a5a2030185227ec3");

  inst_.base().Ejecuta(
      "INSERT INTO listadeprecios VALUES ('C1','P1',19.5);"
      "INSERT INTO productosmasprecios VALUES ('P1',6,15);"
      "INSERT INTO configura VALUES ('FPAGO1','Efectivo'),('FPAGO2',''),('FPAGO3','Cheque');");
  o = Genera(a);
  EXPECT_FALSE(o.listadeprecios);  // negotiated prices are off
  EXPECT_TRUE(o.preciosadicionales && o.formasdepago);
  const auto f = Lee("formasdepago.xml", "formasdepago");
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[1], (std::vector<std::pair<std::string, std::string>>{{"FormaDePago", "Cheque"}}));
  a.PreciosNegociados = "S";
  EXPECT_TRUE(Genera(a).listadeprecios);
  const auto l = Lee("listadeprecios.xml", "listadeprecios");
  EXPECT_EQ(l[0], (std::vector<std::pair<std::string, std::string>>{
                      {"Cliente", "C1"}, {"Producto", "P1"}, {"Precio", "19.5000"}}));
}

TEST_F(ArchivosCatalogoTest, TablasVaciasDanSoloLaRaiz) {
  inst_.base().Ejecuta("DELETE FROM vendedores; DELETE FROM productos; DELETE FROM clientes;");
  Genera(programa_.ajustes());
  for (const auto& [archivo, raiz] : std::vector<std::pair<std::string, std::string>>{{"vendedores.xml", "vendedores"},
                                                                                      {"productos.xml", "productos"},
                                                                                      {"clientes.xml", "clientes"},
                                                                                      {"cxcs.xml", "cxcs"}}) {
    EXPECT_TRUE(Lee(archivo, raiz).empty()) << archivo;
  }
}

// A description with non-characters still gives a catalogue that a strict
// parser accepts, with every other letter of the description.
TEST_F(ArchivosCatalogoTest, ProductosBienFormadosConCaracteresQueXmlNoAdmite) {
  inst_.base().Ejecuta(
      "INSERT INTO productos (Clave,Descrip,Precio1) VALUES ('P9','Caf\xC3\xA9 \xEF\xBF\xBE"
      "fino\xEF\xBF\xBF 😀',1)");
  Genera(programa_.ajustes());
  const std::filesystem::path archivo = programa_.carpeta() / "productos.xml";
  const std::string orden = "/usr/bin/python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' '" +
                            archivo.string() + "'";
  EXPECT_EQ(std::system(orden.c_str()), 0) << prueba::LeeArchivo(archivo);
  const auto p = Lee("productos.xml", "productos");
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(Campo(p, 3, "descripcion"), "Café fino 😀");
}

}  // namespace
}  // namespace travesa
