// The read run: the customers file, the sales import, the final message, then
// the transfer or the removal of the local products file, against the real
// database and FTP site.
#include <gtest/gtest.h>

#include "EscenaDeLectura.h"
#include "ftp/MotivoDeFalla.h"
#include "ftp/clsFTP.h"
#include "sales/LecturaDeArchivos.h"
#include "sales/ResumenEnTabla.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

using prueba::EscribeArchivo;

constexpr const char* kBien = "Archivos descargados y grabados en las tablas de Norvento";

std::string Cliente(const std::string& clave, const std::string& nombre) {
  return "<cliente><clave>" + clave + "</clave><nombre>" + nombre +
         "</nombre><numPrecio>1</numPrecio><diascredito>0</diascredito></cliente>";
}

class LecturaDeArchivosTest : public prueba::EscenaDeLectura {
 protected:
  static ResultadoVentas Conectado() {
    ResultadoVentas v;
    v.conectado = true;
    return v;
  }
  // The sales import as the run sees it: what it was handed, and what it gives back.
  LecturaDeArchivos Lectura() {
    return LecturaDeArchivos(
        programa_, op_,
        [this](Programa&, Operador& op, const Ajustes& a) {
          ++ventasLlamadas_;
          carpetaDeVentas_ = a.FTPcarpeta;
          cajasAntesDeVentas_ = op_.cajas.size();
          (void)op;
          return ventas_;
        },
        1);
  }

  ResultadoVentas ventas_ = Conectado();
  int ventasLlamadas_ = 0;
  std::string carpetaDeVentas_;
  std::size_t cajasAntesDeVentas_ = 0;
};

TEST_F(LecturaDeArchivosTest, ClientesLuegoVentasLuegoMensaje) {
  sitio_.Escribe("clientes.xml",
                 "<clientes>" + Cliente("C001", "Ya existe") + Cliente("N100", "Nuevo") + "</clientes>");
  EscribeArchivo(inst_.programa() / "productos2.xml", "de otra lectura");
  const ResumenLectura r = Lectura().Leer(programa_.ajustes());
  EXPECT_TRUE(r.Completo());
  EXPECT_EQ(r.carpeta, sitio_.carpeta() + "/");
  EXPECT_EQ(carpetaDeVentas_, sitio_.carpeta() + "/");
  EXPECT_EQ(ventasLlamadas_, 1);
  EXPECT_EQ(cajasAntesDeVentas_, 0u);
  ASSERT_EQ(r.clientes.agregados.size(), 1u);
  EXPECT_EQ(r.clientes.conocidos, 1);
  EXPECT_EQ(Dato("SELECT Nombre FROM clientes WHERE Clave='N100'"), "Nuevo");
  EXPECT_EQ(Textos(), std::vector<std::string>{kBien});
  EXPECT_EQ(op_.cajas[0].titulo, "Atención");
  // The customers file stays; without the transfer option the products file goes.
  EXPECT_TRUE(std::filesystem::exists(inst_.programa() / "clientes2.xml"));
  EXPECT_FALSE(std::filesystem::exists(inst_.programa() / "productos2.xml"));
  EXPECT_FALSE(r.conTraspaso);
  EXPECT_TRUE(r.traspasos.empty());
  EXPECT_TRUE(std::any_of(op_.avisos.begin(), op_.avisos.end(),
                          [](const std::string& a) { return a.rfind("De 'clientes.xml': bytes copiados ", 0) == 0; }));
  const std::string resumen = ResumenEnTabla::Texto(r);
  EXPECT_NE(resumen.find("Clientes nuevos agregados: 1\n  Clave  Nombre\n  -----  ------\n  N100   Nuevo\n"),
            std::string::npos)
      << resumen;
}

TEST_F(LecturaDeArchivosTest, TresDescargasFallidasYLasVentasSeLeenIgual) {
  const ResumenLectura r = Lectura().Leer(programa_.ajustes());
  EXPECT_EQ(ventasLlamadas_, 1);
  EXPECT_FALSE(r.clientesDescargados);
  const std::vector<std::string> esperadas = {"Error inesperado al descargar archivo de clientes.\nIntento 1 de 3.",
                                              "Error inesperado al descargar archivo de clientes.\nIntento 2 de 3.",
                                              "Error inesperado al descargar archivo de clientes.\nIntento 3 de 3.",
                                              kBien};
  EXPECT_EQ(Textos(), esperadas);
  EXPECT_EQ(cajasAntesDeVentas_, 3u);
  EXPECT_NE(ResumenEnTabla::Texto(r).find("no se pudo descargar el archivo de clientes"), std::string::npos);
}

TEST_F(LecturaDeArchivosTest, VentasFallidasSenalanLaBitacora) {
  sitio_.Escribe("clientes.xml", "<clientes></clientes>");
  ventas_.fallidas.push_back({"ventas_t_V01_1.sql", "2026-12-08", "13:45:09", "C001", "Data too long\nInstrucción: x"});
  const ResumenLectura r = Lectura().Leer(programa_.ajustes());
  EXPECT_FALSE(r.Completo());
  ASSERT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(op_.cajas[0].texto, "El proceso no fue concluido. Revise el archivo «" +
                                    (inst_.programa() / "BitacoraDeArchivos.txt").string() + "» para más información");
  EXPECT_EQ(op_.cajas[0].titulo, "Alerta");
  const std::string resumen = ResumenEnTabla::Texto(r);
  EXPECT_NE(resumen.find("Ventas que no se grabaron: 1\n"), std::string::npos) << resumen;
  EXPECT_NE(resumen.find("  ventas_t_V01_1.sql  2026-12-08  13:45:09  C001     Data too long\n"), std::string::npos)
      << resumen;
}

TEST_F(LecturaDeArchivosTest, SinConexionNadaMasCorre) {
  programa_.ajustes().FTPcontraseña = "equivocada";
  const ResumenLectura r = Lectura().Leer(programa_.ajustes());
  EXPECT_FALSE(r.conectado);
  EXPECT_EQ(ventasLlamadas_, 0);
  // The first line, then the reason the FTP client's failure gives.
  const Ajustes& a = programa_.ajustes();
  clsFTP ftp;
  EXPECT_FALSE(ftp.OpenConnection(a.ftpSitio, a.ftpUsuario, a.FTPcontraseña));
  ASSERT_EQ(Textos().size(), 1u);
  EXPECT_EQ(Textos()[0], "Error inesperado al conectar al servidor.\r\n" +
                             MotivoDeFalla::Frase(a.ftpSitio, ftp.GetLastErrorMessage()));
  EXPECT_EQ(op_.cajas[0].titulo, "ERROR");
}

TEST_F(LecturaDeArchivosTest, OtraLecturaEnCursoNoLeeNiLosClientes) {
  sitio_.Escribe("clientes.xml", "<clientes>" + Cliente("N100", "Nuevo") + "</clientes>");
  Conexion otra = inst_.base().Conecta();
  BloqueoNombrado ocupado(otra, clsDescargarSQLs::NombreDelBloqueo(programa_.principal()), 1);
  EXPECT_THROW(Lectura().Leer(programa_.ajustes()), ErrorTravesa);
  EXPECT_EQ(ventasLlamadas_, 0);
  EXPECT_EQ(Dato("SELECT COUNT(*) FROM clientes WHERE Clave='N100'"), "0");
}

TEST_F(LecturaDeArchivosTest, ConTraspasoDespuesDelMensaje) {
  programa_.ajustes().Traspaso = "S";
  sitio_.Escribe("clientes.xml", "<clientes></clientes>");
  sitio_.Escribe("productos.xml",
                 "<productos><producto><clave>ABA001</clave><descripcion>A</descripcion>"
                 "<existencia>4</existencia></producto></productos>");
  op_.respuestas.push_back(Botones::kRespSi);
  const ResumenLectura r = Lectura().Leer(programa_.ajustes());
  EXPECT_TRUE(r.Completo());
  ASSERT_EQ(r.traspasos.size(), 1u);
  EXPECT_EQ(r.traspasos[0].estado, ResultadoTraspaso::Estado::Grabado);
  const std::vector<std::string> esperadas = {kBien, "¿Desea registrar un traspaso de inventario sobrante?",
                                              "Traspaso grabado en las tablas de Norvento"};
  EXPECT_EQ(Textos(), esperadas);
  EXPECT_NE(ResumenEnTabla::Texto(r).find("Traspaso grabado: 8, número 1, a SUC, 1 renglón"), std::string::npos)
      << ResumenEnTabla::Texto(r);
}

}  // namespace
}  // namespace travesa
