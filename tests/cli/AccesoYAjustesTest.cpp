// Login, rights per command and the settings round trip through the real
// executable.
#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "shell/host/Utilerias.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

using prueba::Instalacion;
using prueba::LeeArchivo;

TEST(AccesoTest, UsuarioRecortadoYMayusculasQueNoCoinciden) {
  Instalacion inst;
  auto r = inst.Travesa({"--usuario", "  admin ", "--codigo", " admin", "ajustes"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  r = inst.Travesa({"--usuario", "Admin", "--codigo", "admin", "ajustes"});
  EXPECT_EQ(r.estado, 3);
  EXPECT_NE(r.errores.find("Usuario incorrecto o inexistente"), std::string::npos);
  // From the environment as well.
  r = prueba::Ejecuta({"--carpeta", inst.programa().string(), "ajustes"},
                      {{"TRAVESA_USUARIO", "admin"}, {"TRAVESA_CODIGO", "admin"}});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  r = inst.Travesa({"ajustes"});
  EXPECT_EQ(r.estado, 3);
  EXPECT_NE(r.errores.find("--usuario"), std::string::npos);
}

TEST(AccesoTest, DerechosPorComando) {
  Instalacion inst;
  // Right 550 to enter, but not 553 for the settings.
  auto r = inst.Travesa({"--usuario", "vendedor1", "--codigo", "1234", "ajustes"});
  EXPECT_EQ(r.estado, 3);
  EXPECT_NE(r.errores.find("no le permiten usar el comando «ajustes»"), std::string::npos) << r.Todo();
  // No right at all: not even in.
  r = inst.Travesa({"--usuario", "consulta", "--codigo", "0000", "ajustes"});
  EXPECT_EQ(r.estado, 3);
  EXPECT_NE(r.errores.find("Sus atributos como usuario no le permiten entrar a este programa"), std::string::npos);
  // A rights string shorter than 550 denies everything, even with every flag "S".
  inst.AgregaUsuario(7, "corto", "c1", std::string(549, 'S'));
  r = inst.Travesa({"--usuario", "corto", "--codigo", "c1", "ajustes"});
  EXPECT_EQ(r.estado, 3);
  EXPECT_NE(r.errores.find("Sus atributos como usuario no le permiten entrar a este programa"), std::string::npos);
  inst.AgregaUsuario(8, "config", "c2", std::string(549, 'N') + "SNNS");
  r = inst.Travesa({"--usuario", "config", "--codigo", "c2", "ajustes"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
}

TEST(AjustesTest, IdaYVueltaConLasReglasDeLaPagina) {
  Instalacion inst;
  auto r = inst.ComoAdmin({"ajustes", "FTPcarpeta=carpeta\\sub", "PrecioSugerido=7", "Minutos=0",
                           "SerieTraspasos=", "TipoMovimiento=p", "ftpSitio=ftps://sitio.mx:2121",
                           "FTPcontraseña=s3cr'eto", "EnviarDomicilios=n", "Serie=b"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("FTPcarpeta=carpeta/sub/\n"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("PrecioSugerido=5\n"), std::string::npos);
  EXPECT_NE(r.salida.find("Minutos=1\n"), std::string::npos);
  EXPECT_NE(r.salida.find("SerieTraspasos=N/A\n"), std::string::npos);
  EXPECT_NE(r.salida.find("FTPcontraseña=****\n"), std::string::npos);
  const auto ini = inst.ini();
  const Utilerias u(inst.programa());
  EXPECT_EQ(u.DesEncripta(libNalda::LeeIni("FTP", "Carpeta", ini)), "carpeta/sub/");
  EXPECT_EQ(u.DesEncripta(libNalda::LeeIni("FTP", "Contraseña", ini)), "s3cr'eto");
  EXPECT_EQ(u.DesEncripta(libNalda::LeeIni("FTP", "Sitio", ini)), "ftps://sitio.mx:2121");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Serie de traspasos", ini), "N/A");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Generar tickets, pedidos o remisiones", ini), "P");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Enviar domicilios de clientes", ini), "N");
  // Read back by a later run, as the jobs see them.
  r = inst.ComoAdmin({"ajustes"});
  EXPECT_NE(r.salida.find("Serie=B\n"), std::string::npos);
  EXPECT_NE(r.salida.find("ftpSitio=ftps://sitio.mx:2121\n"), std::string::npos);
  EXPECT_NE(r.salida.find("ftpUsuario=****\n"), std::string::npos);
}

TEST(AjustesTest, ValorMalFormadoNoEscribeNada) {
  Instalacion inst;
  ASSERT_EQ(inst.ComoAdmin({"ajustes"}).estado, 0);
  const std::string antes = LeeArchivo(inst.ini());
  for (const std::vector<std::string>& args : {std::vector<std::string>{"ajustes", "Minutos=3", "Nada=1"},
                                               {"ajustes", "Minutos=100"},
                                               {"ajustes", "PrecioSugerido=x"},
                                               {"ajustes", "EnviarDomicilios=quizá"},
                                               {"ajustes", "TipoMovimiento=Z"},
                                               {"ajustes", "UltimaSubida=ayer"},
                                               {"ajustes", "Minutos"}}) {
    const auto r = inst.ComoAdmin(args);
    EXPECT_EQ(r.estado, 2) << args.back() << ": " << r.Todo();
    EXPECT_FALSE(r.errores.empty());
  }
  EXPECT_EQ(LeeArchivo(inst.ini()), antes);
}

TEST(RegistroTest, MuestraOcultandoYEscribeCifrando) {
  Instalacion inst;
  auto r = inst.Travesa({"registro"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("MySQLUsuario=****\n"), std::string::npos);
  EXPECT_NE(r.salida.find("servidor=127.0.0.1\n"), std::string::npos);
  r = inst.Travesa({"registro", "MySQLPassword=nueva", "servidor=otro.local"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  const auto registro = inst.norvento() / "registro.ini";
  const std::string cifrada = libNalda::LeeIni("Norvento", "MySQLPassword", registro);
  EXPECT_NE(cifrada, "nueva");
  EXPECT_EQ(Utilerias(inst.programa()).DesEncripta(cifrada), "nueva");
  EXPECT_EQ(libNalda::LeeIni("Norvento", "servidor", registro), "otro.local");
  EXPECT_EQ(inst.Travesa({"registro", "Puerto=1"}).estado, 2);
}

}  // namespace
}  // namespace travesa
