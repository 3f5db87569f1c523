// INI files, encryption of stored values, the users cipher and number reading.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "comun/CarpetaTemporal.h"
#include "shell/host/Bitacora.h"
#include "shell/host/DeAcceso.h"
#include "shell/host/DelRegistro.h"
#include "shell/host/Texto.h"
#include "shell/host/Utilerias.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

using prueba::CarpetaTemporal;
using prueba::EscribeArchivo;
using prueba::LeeArchivo;

TEST(IniTest, SeccionesYClavesAcentuadasConComillasAngulares) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  EscribeArchivo(ini, "; notas del operador\n[Otra]\nz=1\na=2\n[Configuración]\nPrimera=uno\n");
  libNalda::EscribeIni("Enviar configuración", "Etiqueta «modificaprecios»", "S", ini);
  libNalda::EscribeIni("Configuración", "Enviar «precios negociados» de clientes", "N", ini);
  libNalda::EscribeIni("Configuración", "Primera", "dos", ini);
  EXPECT_EQ(libNalda::LeeIni("Enviar configuración", "Etiqueta «modificaprecios»", ini), "S");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Enviar «precios negociados» de clientes", ini), "N");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Primera", ini), "dos");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Falta", ini), "");
  EXPECT_EQ(libNalda::LeeIni("No hay", "x", dir / "no-existe.ini"), "");
  // The operator's notes, the other section and its key order survive.
  const std::string texto = LeeArchivo(ini);
  EXPECT_NE(texto.find("; notas del operador"), std::string::npos);
  EXPECT_LT(texto.find("z=1"), texto.find("a=2"));
  EXPECT_LT(texto.find("[Otra]"), texto.find("[Configuración]"));
  EXPECT_LT(texto.find("Primera=dos"), texto.find("Enviar «precios"));
}

TEST(IniTest, ArchivoEnWindows1252SeLeeYSeReescribeEnUtf8) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  EscribeArchivo(ini, "[Configuraci\xF3n]\nRuta de Norvento=/opt/norvento\nSerie=\xD1\n");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Ruta de Norvento", ini), "/opt/norvento");
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Serie", ini), "Ñ");
  libNalda::EscribeIni("Configuración", "Minutos para generar archivos", "5", ini);
  EXPECT_TRUE(texto::EsUtf8Valido(LeeArchivo(ini)));
  EXPECT_EQ(libNalda::LeeIni("Configuración", "Serie", ini), "Ñ");
}

TEST(CifradoTest, IdaYVueltaConClaveEnArchivoPrivado) {
  CarpetaTemporal dir;
  Utilerias u(dir.ruta());
  const std::string cifrado = u.Encripta("contraseña «secreta»");
  EXPECT_EQ(cifrado.find("secreta"), std::string::npos);
  for (char c : cifrado) EXPECT_TRUE(std::isprint(static_cast<unsigned char>(c)));
  EXPECT_EQ(u.DesEncripta(cifrado), "contraseña «secreta»");
  EXPECT_EQ(u.DesEncripta(u.Encripta("")), "");
  // Another object (a later run) reads what this one wrote.
  EXPECT_EQ(Utilerias(dir.ruta()).DesEncripta(cifrado), "contraseña «secreta»");
  struct stat st {};
  ASSERT_EQ(stat((dir / Utilerias::kArchivoClave).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(CifradoTest, DatoAlteradoOConOtraClaveDaVacioYAviso) {
  CarpetaTemporal dir, otra;
  Bitacora::Configura(dir / "travesa.log");
  Utilerias u(dir.ruta());
  std::string cifrado = u.Encripta("root");
  std::string alterado = cifrado;
  alterado[5] = alterado[5] == 'A' ? 'B' : 'A';
  EXPECT_EQ(u.DesEncripta(alterado), "");
  EXPECT_EQ(Utilerias(otra.ruta()).DesEncripta(cifrado), "");
  EXPECT_EQ(u.DesEncripta("no es base64 ¿?"), "");
  EXPECT_NE(LeeArchivo(dir / "travesa.log").find("AVISO"), std::string::npos);
  Bitacora::Configura({});
}

TEST(UtileriasTest, CambXXXEscapaYVarToBool) {
  EXPECT_EQ(Utilerias::CambXXX("vendedores where Clave='XXX'", "V01"), "vendedores where Clave='V01'");
  EXPECT_EQ(Utilerias::CambXXX("x='XXX'", "a'b\\c"), "x='a''b\\\\c'");
  EXPECT_TRUE(Utilerias::VarToBool("1"));
  EXPECT_TRUE(Utilerias::VarToBool(" s "));
  EXPECT_TRUE(Utilerias::VarToBool("-1"));
  EXPECT_TRUE(Utilerias::VarToBool("Verdadero"));
  EXPECT_FALSE(Utilerias::VarToBool("0"));
  EXPECT_FALSE(Utilerias::VarToBool(""));
  EXPECT_FALSE(Utilerias::VarToBool("N"));
}

TEST(UtileriasTest, PrValLeeElNumeroDelPrincipio) {
  EXPECT_DOUBLE_EQ(libNalda::prVal("1,234.50"), 1234.5);
  EXPECT_DOUBLE_EQ(libNalda::prVal("-3"), -3);
  EXPECT_DOUBLE_EQ(libNalda::prVal("2.5abc"), 2.5);
  EXPECT_DOUBLE_EQ(libNalda::prVal("  150.75"), 150.75);
  EXPECT_DOUBLE_EQ(libNalda::prVal("abc"), 0);
  EXPECT_DOUBLE_EQ(libNalda::prVal(""), 0);
  EXPECT_DOUBLE_EQ(libNalda::prVal("1.5e+3"), 1500);
  EXPECT_DOUBLE_EQ(libNalda::prVal("1.2.3"), 1.2);
  EXPECT_EQ(libNalda::FechaSQL(std::chrono::year{2026} / 12 / 8), "2026-12-08");
}

TEST(DeAccesoTest, HexadecimalConClaveRepetida) {
  const std::string cifrado = DeAcceso::Encripta("admin", "k3y");
  EXPECT_EQ(cifrado.size(), 10u);
  EXPECT_EQ(DeAcceso::DesEncripta(cifrado, "k3y"), "admin");
  std::string minusculas = cifrado;
  for (char& c : minusculas) c = static_cast<char>(std::tolower(c));
  EXPECT_EQ(DeAcceso::DesEncripta(minusculas, "k3y"), "admin");
  EXPECT_EQ(DeAcceso::DesEncripta("texto plano", ""), "texto plano");
  EXPECT_EQ(DeAcceso::DesEncripta("0G", "k"), "");
  EXPECT_EQ(DeAcceso::DesEncripta(DeAcceso::Encripta("Peña", "ab"), "ab"), "Peña");
}

TEST(DelRegistroTest, InstalacionSoloConRegistroIni) {
  CarpetaTemporal dir;
  DelRegistro r;
  EXPECT_EQ(r.BuscarRegistroNVW(dir.ruta()), "");
  EXPECT_EQ(r.DatosNVW("servidor"), "");
  EscribeArchivo(dir / "registro.ini", "[Norvento]\nservidor=192.168.1.10\n");
  EXPECT_EQ(r.BuscarRegistroNVW(dir.ruta()), dir.ruta().string());
  EXPECT_EQ(r.DatosNVW("servidor"), "192.168.1.10");
  r.GuardaDatosNVW("MySQLPuerto", "3306");
  EXPECT_EQ(DelRegistro().DatosNVW("MySQLPuerto"), "");
  EXPECT_EQ(r.DatosNVW("MySQLPuerto"), "3306");
}

TEST(TextoTest, MayusculasYUtf8) {
  EXPECT_EQ(texto::Mayusculas("peña ámbar"), "PEÑA ÁMBAR");
  EXPECT_EQ(texto::Minusculas("ÑANDÚ"), "ñandú");
  EXPECT_TRUE(texto::EsUtf8Valido("ñ"));
  EXPECT_FALSE(texto::EsUtf8Valido("\xF1"));
  EXPECT_FALSE(texto::EsUtf8Valido("\xC3"));
  EXPECT_EQ(texto::DeWindows1252("\xF1\x80"), "ñ€");
  EXPECT_EQ(texto::Izquierda("ñandú", 3), "ñan");
  // The comparison gives what comparing both texts in capitals gives.
  const char* textos[] = {"Descrip",
                          "DESCRIP",
                          "descripción",
                          "DESCRIPCIÓN",
                          "DescripciÓn",
                          "Peña",
                          "PEÑA",
                          "PENA",
                          "pe\xC3",
                          "PE\xC3",
                          "\xC3\xC3"
                          "a",
                          "\xC3\xE3"
                          "a",
                          "a\xF7",
                          "a\xD7",
                          "",
                          "x"};
  for (const char* a : textos)
    for (const char* b : textos)
      EXPECT_EQ(texto::IgualesSinMayusculas(a, b), texto::Mayusculas(a) == texto::Mayusculas(b)) << a << " / " << b;
}

}  // namespace
}  // namespace travesa
