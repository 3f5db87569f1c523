// The leftover stock transfer against the real database and FTP site.
#include <regex>

#include <gtest/gtest.h>

#include "EscenaDeLectura.h"
#include "sales/TraspasoSobrante.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

using E = ResultadoTraspaso::Estado;

std::string Producto(const std::string& clave, const std::string& existencia, const std::string& descripcion = "D") {
  return "<producto><clave>" + clave + "</clave><descripcion>" + descripcion +
         "</descripcion><precio>1</precio>"
         "<existencia>" +
         existencia + "</existencia></producto>";
}

class TraspasoSobranteTest : public prueba::EscenaDeLectura {
 protected:
  void SetUp() override {
    EscenaDeLectura::SetUp();
    programa_.ajustes().Traspaso = "S";
    programa_.ajustes().EmpresaTraspaso = " suc2 ";
    programa_.ajustes().SerieTraspasos = " A ";
  }
  void EnSitio(const std::string& productos) {
    sitio_.Escribe("productos.xml", "<productos>" + productos + "</productos>");
  }
  ResultadoTraspaso Genera(bool si = true) {
    op_.respuestas.push_back(si ? Botones::kRespSi : Botones::kRespNo);
    return TraspasoSobrante::GenerarTraspaso(programa_, op_, programa_.ajustes());
  }
  std::string Traspasos() {
    return Dato("SELECT COUNT(*) FROM traspasos") + "/" + Dato("SELECT COUNT(*) FROM traspasosdetalle");
  }
  std::filesystem::path Local() { return inst_.programa() / "productos2.xml"; }
};

TEST_F(TraspasoSobranteTest, CabeceraYUnRenglonPorProductoConExistencia) {
  EnSitio(Producto("ABA001", "5", "Aceite &amp; más") + Producto("ABA002", "0") + Producto("ABA003", "2") +
          Producto("ZZZ999", "2.5", "Desconocido") + Producto("ABA005", "-1"));
  const auto r = Genera();
  ASSERT_EQ(r.estado, E::Grabado);
  EXPECT_EQ(r.traspaso, 8);  // TRASPASO held 7
  EXPECT_EQ(r.numTraspaso, 1);
  EXPECT_EQ(r.lineas, 3);
  ASSERT_GE(op_.cajas.size(), 2u);
  EXPECT_EQ(op_.cajas[0].texto, "¿Desea registrar un traspaso de inventario sobrante?");
  EXPECT_EQ(op_.cajas[0].titulo, "Generar traspaso");
  EXPECT_EQ(op_.cajas.back().texto, "Traspaso grabado en las tablas de Norvento");
  EXPECT_EQ(op_.cajas.back().titulo, "Atención");
  EXPECT_EQ(Dato("SELECT CONCAT_WS('|', Traspaso, Destino, Concepto, Pendiente, Serie, NumTraspaso, Fecha = CURDATE()) "
                 "FROM traspasos"),
            "8|SUC2|Traspaso de inventario sobrante «Travesa»|1|A|1|1");
  EXPECT_TRUE(std::regex_match(Dato("SELECT Hora FROM traspasos"), std::regex(R"(\d\d:\d\d)")));
  EXPECT_EQ(Dato("SELECT GROUP_CONCAT(CONCAT_WS('|', Traspaso, Partida, Producto, Descrip, Cantidad, CostoProm, Costo, "
                 "Precio, Precio1) ORDER BY Partida SEPARATOR ';') FROM traspasosdetalle"),
            "8|1|ABA001|Aceite & más|5.0000|30.6828|31.1500|44.5000|44.5000;"
            "8|2|ABA003|D|2.0000|28.4574|28.1200|38.0000|38.0000;"
            "8|3|ZZZ999|Desconocido|2.5000|0.0000|0.0000|0.0000|0.0000");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato='TRASPASO'"), "8");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato='TR-A'"), "1");
  EXPECT_TRUE(std::filesystem::exists(Local()));

  // The same file read again is not booked twice.
  op_.cajas.clear();
  const auto otra = Genera();
  EXPECT_EQ(otra.estado, E::Repetido);
  EXPECT_EQ(otra.traspaso, 8);
  EXPECT_EQ(Traspasos(), "1/3");
  EXPECT_EQ(op_.cajas.back().texto,
            "Este archivo de productos ya se registró en el traspaso 8; no se registró otra vez.");
  // A new file from the phones is.
  EnSitio(Producto("ABA001", "1"));
  EXPECT_EQ(Genera().estado, E::Grabado);
  EXPECT_EQ(Traspasos(), "2/4");
  EXPECT_EQ(Dato("SELECT MAX(NumTraspaso) FROM traspasos"), "2");
}

TEST_F(TraspasoSobranteTest, SinSerieYNoConfirmado) {
  programa_.ajustes().SerieTraspasos = "N/A";
  EnSitio(Producto("ABA001", "3"));
  prueba::EscribeArchivo(Local(), "viejo");
  EXPECT_EQ(Genera(false).estado, E::Declinado);
  EXPECT_FALSE(std::filesystem::exists(Local()));
  EXPECT_EQ(Traspasos(), "0/0");
  ASSERT_EQ(Genera().estado, E::Grabado);
  EXPECT_EQ(Dato("SELECT CONCAT(Serie, '|', NumTraspaso) FROM traspasos"), "|1");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato='TR-'"), "1");
}

TEST_F(TraspasoSobranteTest, ArchivoDanadoNoRegistraNada) {
  EnSitio(Producto("ABA001", "5") +
          "<producto><clave>ABA003</clave><descripcion>x</descripcion><existencia>2</producto>");
  const auto r = Genera();
  EXPECT_EQ(r.estado, E::Danado);
  EXPECT_EQ(r.motivo, "en el producto 2 («ABA003») falta </existencia>");
  EXPECT_EQ(op_.cajas.back().texto,
            "El archivo de productos del sitio está dañado: en el producto 2 («ABA003») falta </existencia>. "
            "No se registró el traspaso.");
  EXPECT_EQ(Traspasos(), "0/0");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato='TRASPASO'"), "7");
}

TEST_F(TraspasoSobranteTest, UnRenglonQueLaBaseRechazaDeshaceTodo) {
  EnSitio(Producto("ABA001", "5") + Producto("CLAVE-DEMASIADO-LARGA", "1"));
  EXPECT_THROW(Genera(), ErrorBD);
  EXPECT_EQ(Traspasos(), "0/0");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato='TRASPASO'"), "7");
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM sistema WHERE Dato='TR-A'"), "0");
}

TEST_F(TraspasoSobranteTest, ArchivoVacioOFaltanteEsDescargaFallida) {
  sitio_.Escribe("productos.xml", "");
  EXPECT_EQ(Genera().estado, E::SinArchivo);
  const std::vector<std::string> esperadas = {"¿Desea registrar un traspaso de inventario sobrante?",
                                              "Error inesperado al descargar archivo de productos.\nIntento 1 de 3.",
                                              "Error inesperado al descargar archivo de productos.\nIntento 2 de 3.",
                                              "Error inesperado al descargar archivo de productos.\nIntento 3 de 3."};
  EXPECT_EQ(Textos(), esperadas);
  EXPECT_EQ(op_.cajas[1].titulo, "ERROR");
  EXPECT_EQ(op_.cajas[1].botones, Botones::kCritico);
  std::filesystem::remove(sitio_.EnDisco("productos.xml"));
  op_.cajas.clear();
  EXPECT_EQ(Genera().estado, E::SinArchivo);
  EXPECT_EQ(Textos(), esperadas);
  EXPECT_EQ(Traspasos(), "0/0");
  EXPECT_EQ(Dato("SELECT Contenido FROM sistema WHERE Dato='TRASPASO'"), "7");
}

TEST_F(TraspasoSobranteTest, SinConexion) {
  programa_.ajustes().FTPcontraseña = "equivocada";
  EXPECT_EQ(Genera().estado, E::SinConexion);
  ASSERT_EQ(op_.cajas.size(), 2u);
  EXPECT_EQ(op_.cajas[1].texto.rfind("Error inesperado al conectar al servidor.\r\nEl servidor «", 0), 0u)
      << op_.cajas[1].texto;
  EXPECT_NE(op_.cajas[1].texto.find("no aceptó el usuario o la contraseña del sitio FTP (respondió: «530 "),
            std::string::npos)
      << op_.cajas[1].texto;
  EXPECT_EQ(op_.cajas[1].titulo, "ERROR");
}

}  // namespace
}  // namespace travesa
