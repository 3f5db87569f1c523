// The settings files and the secrets through the real executable: hostile
// values, damaged or foreign files, a lost or exposed key, and secrets given
// on standard input instead of the command line.
#include <unistd.h>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "comun/Entorno.h"
#include "comun/Instalacion.h"
#include "shell/host/Utilerias.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

using prueba::EscribeArchivo;
using prueba::Instalacion;
using prueba::LeeArchivo;

constexpr uid_t kNadie = 65534;

bool Contiene(const std::string& texto, const std::string& parte) { return texto.find(parte) != std::string::npos; }

TEST(ArchivosTest, ValorQueNoEsUtf8NiDeUnaLineaNoDanaElIni) {
  Instalacion inst;
  ASSERT_EQ(inst.ComoAdmin({"ajustes", "Serie=ÑU"}).estado, 0);
  const std::string antes = LeeArchivo(inst.ini());
  for (const std::string& arg : {std::string("Serie=CAMI\xd1O"), std::string("EmpresaTraspaso=A\n[FTP]\nSitio=x"),
                                 std::string("ftpSitio=a\tb")}) {
    const auto r = inst.ComoAdmin({"ajustes", arg});
    EXPECT_EQ(r.estado, 2) << r.Todo();
    EXPECT_FALSE(r.errores.empty());
  }
  EXPECT_EQ(LeeArchivo(inst.ini()), antes);
  const auto r = inst.ComoAdmin({"ajustes"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_TRUE(Contiene(r.salida, "Serie=ÑU\n"));
  EXPECT_TRUE(Contiene(r.salida, "RutaNorvento=" + inst.norvento().string() + "\n"));
}

TEST(ArchivosTest, IniConByteNuloNoSeUsaNiSeReescribe) {
  Instalacion inst;
  ASSERT_EQ(inst.ComoAdmin({"ajustes"}).estado, 0);
  std::string datos = LeeArchivo(inst.ini());
  datos.insert(datos.find("[Enviar configuración]"), std::string("\0", 1));
  EscribeArchivo(inst.ini(), datos);
  const auto r = inst.ComoAdmin({"ajustes", "Minutos=7"});
  EXPECT_NE(r.estado, 0);
  EXPECT_TRUE(Contiene(r.errores, "byte nulo")) << r.Todo();
  EXPECT_EQ(LeeArchivo(inst.ini()), datos);
}

TEST(ArchivosTest, IniConservaModoDuenoYEnlace) {
  Instalacion inst;
  ASSERT_EQ(inst.ComoAdmin({"ajustes"}).estado, 0);
  const auto real = inst.programa() / "privado" / "travesa.ini";
  std::filesystem::create_directory(real.parent_path());
  std::filesystem::rename(inst.ini(), real);
  std::filesystem::create_symlink(real, inst.ini());
  ::chmod(real.c_str(), 0600);
  ASSERT_EQ(::chown(real.c_str(), kNadie, kNadie), 0);
  const auto r = inst.ComoAdmin({"ajustes", "Minutos=7"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_TRUE(std::filesystem::is_symlink(inst.ini()));
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Minutos para generar archivos", real), "7");
  struct stat st {};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(st.st_uid, kNadie);
}

TEST(ArchivosTest, NumerosAjustadosSeDicen) {
  Instalacion inst;
  const auto r = inst.ComoAdmin({"ajustes", "PrecioSugerido=9", "Minutos=0", "Serie=A"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_TRUE(Contiene(r.errores, "«PrecioSugerido» admite de 0 a 5: se guardó 5 en lugar de 9.")) << r.errores;
  EXPECT_TRUE(Contiene(r.errores, "«Minutos» admite 1 como mínimo: se guardó 1 en lugar de 0.")) << r.errores;
  EXPECT_FALSE(Contiene(r.errores, "Serie"));
  EXPECT_TRUE(Contiene(r.salida, "PrecioSugerido=5\n"));
}

TEST(RegistroArchivoTest, ConservaBytesCodificacionFinesDeLineaYDueno) {
  Instalacion inst;
  const auto reg = inst.norvento() / "registro.ini";
  const std::string propio = LeeArchivo(reg);
  // The point-of-sale system's own file: Windows-1252, CR LF, sections of its own.
  std::string crlf;
  for (const char c : propio) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::string antes =
      "[Empresa]\r\nNombre=Panader\xed"
      "a\r\n\r\n" +
      crlf +
      "\r\n[Cajas]\r\nCaja1=Se\xf1"
      "or\r\n";
  EscribeArchivo(reg, antes);
  ::chmod(reg.c_str(), 0640);
  ASSERT_EQ(::chown(reg.c_str(), kNadie, kNadie), 0);
  for (const std::string& malo : {std::string("servidor=host1\n[Configuración]\nx=y"), std::string("MySQLPuerto=abc"),
                                  std::string("MySQLPuerto=70000"), std::string("servidor=caja\xd1")}) {
    const auto r = inst.Travesa({"registro", malo});
    EXPECT_EQ(r.estado, 2) << malo << ": " << r.Todo();
  }
  EXPECT_EQ(LeeArchivo(reg), antes);
  const auto r = inst.Travesa({"registro", "MySQLPuerto=" + libNalda::LeeIni("Norvento", "MySQLPuerto", reg)});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(LeeArchivo(reg), antes);
  ASSERT_EQ(inst.Travesa({"registro", "MySQLServer=127.0.0.1"}).estado, 0);
  const std::string despues = LeeArchivo(reg);
  EXPECT_TRUE(
      despues.starts_with("[Empresa]\r\nNombre=Panader\xed"
                          "a\r\n\r\n[Norvento]\r\n"))
      << despues;
  EXPECT_TRUE(
      despues.ends_with("MySQLServer=127.0.0.1\r\n\r\n[Cajas]\r\nCaja1=Se\xf1"
                        "or\r\n"))
      << despues;
  struct stat st {};
  ASSERT_EQ(::stat(reg.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_uid, kNadie);
  EXPECT_EQ(inst.ComoAdmin({"ajustes"}).estado, 0);
}

TEST(RegistroArchivoTest, ServidorSoloDiceQuienDecideYEscribeElQueSeQuiere) {
  Instalacion inst;
  ASSERT_EQ(inst.ComoAdmin({"ajustes"}).estado, 0);  // the first start fills MySQLServer from servidor
  const auto reg = inst.norvento() / "registro.ini";
  ASSERT_EQ(libNalda::LeeIni("Norvento", "MySQLServer", reg), "127.0.0.1");
  const auto r = inst.Travesa({"registro", "servidor=localhost"});
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_TRUE(Contiene(r.salida, "lo decide «MySQLServer» (era «127.0.0.1»); se guardó también MySQLServer=localhost"))
      << r.Todo();
  EXPECT_EQ(libNalda::LeeIni("Norvento", "MySQLServer", reg), "localhost");
  EXPECT_EQ(libNalda::LeeIni("Norvento", "servidor", reg), "localhost");
}

TEST(SecretosTest, ClavePerdidaParaYSeReescribenLosSecretosDesdeLaEntrada) {
  Instalacion inst;
  ASSERT_EQ(inst.ComoAdmin({"ajustes", "FTPcontraseña=vieja"}).estado, 0);
  const auto clave = inst.programa() / Utilerias::kArchivoClave;
  std::filesystem::remove(clave);
  auto r = inst.ComoAdmin({"ajustes"});
  EXPECT_EQ(r.estado, 4);
  EXPECT_TRUE(Contiene(r.errores, "falta el archivo de clave «" + clave.string() + "»")) << r.Todo();
  EXPECT_TRUE(Contiene(r.errores, "travesa registro MySQLUsuario=- MySQLPassword=-")) << r.Todo();
  EXPECT_FALSE(std::filesystem::exists(clave));
  // The database login written again, from standard input: nothing on the command line.
  const auto bd = prueba::BD();
  r = inst.Travesa({"registro", "MySQLUsuario=-", "MySQLPassword=-"}, bd.usuario + "\n" + bd.password + "\n");
  ASSERT_EQ(r.estado, 0) << r.Todo();
  // The FTP secrets still belong to the lost key: the jobs stop and say so.
  r = inst.ComoAdmin({"probar"});
  EXPECT_EQ(r.estado, 4);
  EXPECT_TRUE(Contiene(r.errores, "no es el que los cifró")) << r.Todo();
  r = inst.ComoAdmin({"ajustes"});
  EXPECT_EQ(r.estado, 1);
  EXPECT_TRUE(Contiene(r.salida, "FTPcontraseña=(no se puede descifrar)\n")) << r.Todo();
  r = inst.ComoAdmin(
      {"ajustes", "ftpSitio=127.0.0.1:21", "ftpUsuario=-", "FTPcontraseña=-", "FTPcarpeta=x", "ContrasenaApp=-"},
      "vendedor\nnueva clave\nApp1\n");
  ASSERT_EQ(r.estado, 0) << r.Todo();
  const Utilerias u(inst.programa());
  EXPECT_EQ(u.DesEncripta(libNalda::LeeIni("FTP", "Contraseña", inst.ini())), "nueva clave");
  EXPECT_EQ(u.DesEncripta(libNalda::LeeIni("FTP", "Usuario", inst.ini())), "vendedor");
  EXPECT_EQ(inst.ComoAdmin({"ajustes"}).estado, 0);
  // A secret asked for but not given is a usage error.
  EXPECT_EQ(inst.ComoAdmin({"ajustes", "FTPcontraseña=-"}, "").estado, 2);
}

TEST(SecretosTest, ClaveQueOtrosPuedenLeerSeRechaza) {
  Instalacion inst;
  const auto clave = inst.programa() / Utilerias::kArchivoClave;
  ::chmod(clave.c_str(), 0644);
  const auto r = inst.ComoAdmin({"ajustes"});
  EXPECT_EQ(r.estado, 4);
  EXPECT_TRUE(Contiene(r.errores, "chmod 600 '" + clave.string() + "'")) << r.Todo();
  ::chmod(clave.c_str(), 0600);
  EXPECT_EQ(inst.ComoAdmin({"ajustes"}).estado, 0);
}

TEST(UsoTest, AyudaDeCadaComandoYMensajesEnEspanol) {
  Instalacion inst;
  auto r = inst.Travesa({"ajustes", "--help"});  // no login needed
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_TRUE(Contiene(r.salida, "Uso: travesa ajustes"));
  EXPECT_TRUE(Contiene(r.salida, "FTPcontraseña"));
  EXPECT_TRUE(Contiene(r.salida, "PrecioSugerido"));
  r = inst.Travesa({"generar", "--help"});
  EXPECT_TRUE(Contiene(r.salida, "--vendedor CLAVE"));
  EXPECT_FALSE(Contiene(r.salida, "FTPcontraseña"));
  EXPECT_TRUE(Contiene(inst.Travesa({"registro", "--help"}).salida, "MySQLPuerto"));
  const std::vector<std::pair<std::vector<std::string>, std::string>> malos = {
      {{"generar", "probar"}, "Argumento de más: «probar»"},
      {{"generar", "--vendedor"}, "«--vendedor» le falta su valor"},
      {{"generar", "--nada"}, "Opción desconocida: «--nada»"},
      {{"nada"}, "Comando desconocido: «nada»"},
  };
  for (const auto& [args, texto] : malos) {
    r = inst.Travesa(args);
    EXPECT_EQ(r.estado, 2) << texto;
    EXPECT_TRUE(Contiene(r.errores, texto)) << r.Todo();
  }
  r = prueba::Ejecuta({"--carpeta", "", "ajustes"});
  EXPECT_EQ(r.estado, 2);
  EXPECT_TRUE(Contiene(r.errores, "«--carpeta» necesita el nombre de una carpeta")) << r.Todo();
  r = prueba::Ejecuta({"--carpeta", inst.ini().string(), "ajustes"});
  EXPECT_EQ(r.estado, 4);
  EXPECT_TRUE(Contiene(r.errores, "no es una carpeta")) << r.Todo();
}

}  // namespace
}  // namespace travesa
