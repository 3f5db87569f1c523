// Settings files under faults: rewrites keep every byte they do not change,
// the encoding, the line ends, the mode, the owner and symbolic links; a file
// that cannot be read whole is never written.
#include <unistd.h>

#include <functional>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "comun/CarpetaTemporal.h"
#include "shell/host/ArchivoIni.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Utilerias.h"

namespace travesa {
namespace {

using prueba::CarpetaTemporal;
using prueba::EscribeArchivo;
using prueba::LeeArchivo;
using Cod = ArchivoIni::Codificacion;

constexpr uid_t kNadie = 65534;

struct stat Estado(const std::filesystem::path& p) {
  struct stat st {};
  EXPECT_EQ(::lstat(p.c_str(), &st), 0) << p;
  return st;
}

// Runs `prueba` in a child process as the unprivileged user "nobody" and gives
// its exit status (0 when every check inside passed).
int ComoOtroUsuario(const std::function<bool()>& prueba) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::setgid(kNadie) != 0 || ::setuid(kNadie) != 0) ::_exit(90);
    ::_exit(prueba() ? 0 : 1);
  }
  int estado = 0;
  ::waitpid(pid, &estado, 0);
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : 99;
}

TEST(ArchivoIniTest, RegistroEnWindows1252ConCrLfGuardaCadaByteAjeno) {
  CarpetaTemporal dir;
  const auto reg = dir / "registro.ini";
  const std::string antes =
      "; Norvento\r\n[Empresa]\r\nNombre=Panader\xed"
      "a \xabLa Espiga\xbb\r\n\r\n[Norvento]\r\nservidor=caja1\r\n"
      "MySQLPuerto=3306\r\n\r\n[Terminales]\r\nCaja=Se\xf1"
      "or\r\n";
  EscribeArchivo(reg, antes);
  EXPECT_EQ(ArchivoIni::Lee(reg, "Empresa", "Nombre"), "Panadería «La Espiga»");
  ArchivoIni::Escribe(reg, "Norvento", "MySQLPuerto", "3307", Cod::LaDelArchivo);
  ArchivoIni::Escribe(reg, "Norvento", "MySQLServer", "bd.local", Cod::LaDelArchivo);
  ArchivoIni::Escribe(reg, "Norvento", "servidor", "Caja Señor", Cod::LaDelArchivo);
  EXPECT_EQ(LeeArchivo(reg),
            "; Norvento\r\n[Empresa]\r\nNombre=Panader\xed"
            "a \xabLa Espiga\xbb\r\n\r\n[Norvento]\r\nservidor=Caja Se\xf1"
            "or\r\n"
            "MySQLPuerto=3307\r\nMySQLServer=bd.local\r\n\r\n[Terminales]\r\nCaja=Se\xf1"
            "or\r\n");
  // A new section goes at the end, with the file's line ends.
  ArchivoIni::Escribe(reg, "Otra", "x", "1", Cod::LaDelArchivo);
  EXPECT_TRUE(
      LeeArchivo(reg).ends_with("Caja=Se\xf1"
                                "or\r\n\r\n[Otra]\r\nx=1\r\n"));
  // A letter Windows-1252 has no place for is refused, and nothing changes.
  const std::string escrito = LeeArchivo(reg);
  EXPECT_THROW(ArchivoIni::Escribe(reg, "Norvento", "servidor", "caja\xe2\x82\xbf", Cod::LaDelArchivo), ErrorTravesa);
  EXPECT_EQ(LeeArchivo(reg), escrito);
}

TEST(ArchivoIniTest, ValoresQueNoSonUtf8OConSaltosNoSeEscriben) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  EscribeArchivo(ini, "[Configuración]\nSerie a usar en ventas=AÑO\n");
  for (const std::string& malo :
       std::vector<std::string>{"CAMI\xd1O", "host1\n[Configuración]", "a\rb", std::string("a\0b", 3), "tab\tx"})
    EXPECT_THROW(ArchivoIni::Escribe(ini, "Configuración", "Serie a usar en ventas", malo), ErrorTravesa);
  EXPECT_EQ(LeeArchivo(ini), "[Configuración]\nSerie a usar en ventas=AÑO\n");
  ArchivoIni::Escribe(ini, "Configuración", "Serie a usar en ventas", "CAMIÑO");
  // Still UTF-8, so the accented names read back as written.
  EXPECT_EQ(ArchivoIni::Lee(ini, "Configuración", "Serie a usar en ventas"), "CAMIÑO");
  EXPECT_EQ(LeeArchivo(ini), "[Configuración]\nSerie a usar en ventas=CAMIÑO\n");
  // One line typed by hand in Windows-1252 does not make the accented names of
  // the other lines unreadable; the rewrite turns that line into UTF-8.
  EscribeArchivo(ini,
                 "[Configuración]\nSerie a usar en ventas=CAMI\xd1O\n[Enviar configuración]\nEtiqueta «vercxc»=S\n");
  EXPECT_EQ(ArchivoIni::Lee(ini, "Configuración", "Serie a usar en ventas"), "CAMIÑO");
  EXPECT_EQ(ArchivoIni::Lee(ini, "Enviar configuración", "Etiqueta «vercxc»"), "S");
  ArchivoIni::Escribe(ini, "Enviar configuración", "Etiqueta «vercxc»", "N");
  EXPECT_EQ(LeeArchivo(ini),
            "[Configuración]\nSerie a usar en ventas=CAMIÑO\n[Enviar configuración]\nEtiqueta «vercxc»=N\n");
}

TEST(ArchivoIniTest, VariosValoresTodosONinguno) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  EscribeArchivo(ini, "[A]\nx=1\n");
  const std::vector<ArchivoIni::Cambio> malos = {{"A", "x", "2"}, {"B", "y", "linea\nrota"}};
  EXPECT_THROW(ArchivoIni::Escribe(ini, malos), ErrorTravesa);
  EXPECT_EQ(LeeArchivo(ini), "[A]\nx=1\n");
  const std::vector<ArchivoIni::Cambio> buenos = {{"A", "x", "2"}, {"B", "y", "3"}, {"A", "z", "4"}};
  ArchivoIni::Escribe(ini, buenos);
  EXPECT_EQ(LeeArchivo(ini), "[A]\nx=2\nz=4\n\n[B]\ny=3\n");
}

TEST(ArchivoIniTest, ArchivoConByteNuloNoSeUsaNiSeEscribe) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  const std::string antes = std::string("[Configuración]\nMinutos para generar archivos=3\n\0\nBase=x\n", 51);
  EscribeArchivo(ini, antes);
  EXPECT_THROW(ArchivoIni::Lee(ini, "Configuración", "Base"), ErrorTravesa);
  try {
    ArchivoIni::Escribe(ini, "Configuración", "Minutos para generar archivos", "7");
    ADD_FAILURE() << "se escribió un archivo con un byte nulo";
  } catch (const ErrorTravesa& e) {
    EXPECT_NE(std::string(e.what()).find("byte nulo en la línea 3"), std::string::npos) << e.what();
  }
  EXPECT_EQ(LeeArchivo(ini), antes);
  // A folder where the file should be is not a file to read.
  std::filesystem::create_directory(dir / "carpeta.ini");
  EXPECT_THROW(ArchivoIni::Lee(dir / "carpeta.ini", "a", "b"), ErrorTravesa);
}

TEST(ArchivoIniTest, ArchivoQueElUsuarioNoPuedeLeerNoSeReemplaza) {
  CarpetaTemporal dir;
  std::filesystem::permissions(dir.ruta(), std::filesystem::perms::all);  // a folder anyone may write
  const auto ini = dir / "travesa.ini";
  const std::string antes = "[Configuración]\nRuta de Norvento=/srv/norvento\nBase de datos principal=datos7\n";
  EscribeArchivo(ini, antes);
  ::chmod(ini.c_str(), 0600);  // root's, not readable by the user below
  const int estado = ComoOtroUsuario([&] {
    bool lee = false, escribe = false;
    try {
      ArchivoIni::Lee(ini, "Configuración", "Ruta de Norvento");
    } catch (const ErrorTravesa& e) {
      lee = std::string(e.what()).find("No se puede leer el archivo") != std::string::npos;
    }
    try {
      ArchivoIni::Escribe(ini, "Configuración", "Minutos para generar archivos", "7");
    } catch (const ErrorTravesa&) {
      escribe = true;
    }
    return lee && escribe;
  });
  EXPECT_EQ(estado, 0);
  EXPECT_EQ(LeeArchivo(ini), antes);
  EXPECT_EQ(Estado(ini).st_uid, 0u);
}

TEST(ArchivoIniTest, ConservaModoDuenoYEnlace) {
  CarpetaTemporal dir;
  const auto real = dir / "datos" / "travesa.ini";
  EscribeArchivo(real, "[Configuración]\nSerie a usar en ventas=A\n");
  ::chmod(real.c_str(), 0600);
  ASSERT_EQ(::chown(real.c_str(), kNadie, kNadie), 0);
  const auto enlace = dir / "travesa.ini";
  std::filesystem::create_symlink("datos/travesa.ini", enlace);
  ArchivoIni::Escribe(enlace, "Configuración", "Serie a usar en ventas", "B");
  EXPECT_TRUE(std::filesystem::is_symlink(enlace));
  EXPECT_EQ(ArchivoIni::Lee(real, "Configuración", "Serie a usar en ventas"), "B");
  const struct stat st = Estado(real);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(st.st_uid, kNadie);
  EXPECT_EQ(st.st_gid, kNadie);
  // No temporary file is left beside it.
  int archivos = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir / "datos")) ++archivos;
  EXPECT_EQ(archivos, 1);
  // A new file is its owner's alone, within what the umask allows.
  ArchivoIni::Escribe(dir / "nuevo.ini", "a", "b", "c");
  const mode_t mascara = ::umask(0);
  ::umask(mascara);
  EXPECT_EQ(Estado(dir / "nuevo.ini").st_mode & 0777, 0600u & ~mascara);
}

TEST(ArchivoIniTest, EscriturasAlMismoTiempoNoPierdenClaves) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  std::vector<std::thread> hilos;
  std::vector<pid_t> hijos;
  // Two processes and two threads of this one, each with its own keys.
  for (int p = 0; p < 2; ++p) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      for (int i = 0; i < 25; ++i)
        ArchivoIni::Escribe(ini, "S", "p" + std::to_string(p) + "_" + std::to_string(i), "v");
      ::_exit(0);
    }
    hijos.push_back(pid);
  }
  for (int h = 0; h < 2; ++h)
    hilos.emplace_back([&, h] {
      for (int i = 0; i < 25; ++i)
        ArchivoIni::Escribe(ini, "S", "h" + std::to_string(h) + "_" + std::to_string(i), "v");
    });
  for (auto& h : hilos) h.join();
  for (const pid_t pid : hijos) {
    int estado = 0;
    ::waitpid(pid, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
  }
  for (const char* quien : {"p0", "p1", "h0", "h1"})
    for (int i = 0; i < 25; ++i)
      EXPECT_EQ(ArchivoIni::Lee(ini, "S", std::string(quien) + "_" + std::to_string(i)), "v") << quien << i;
}

TEST(ClaveTest, SinClaveNoSeCreaOtraYLaLegibleParaOtrosSeRechaza) {
  CarpetaTemporal dir;
  const std::string cifrado = Utilerias(dir.ruta()).Encripta("root");
  const auto clave = dir / Utilerias::kArchivoClave;
  const std::string guardada = LeeArchivo(clave);
  std::filesystem::remove(clave);
  const Utilerias u(dir.ruta());
  EXPECT_FALSE(u.HayClave());
  EXPECT_THROW(u.Descifra(cifrado), ErrorTravesa);
  EXPECT_EQ(u.DesEncripta(cifrado), "");
  EXPECT_FALSE(std::filesystem::exists(clave));  // reading never makes a key
  // The key restored from a backup opens the value again.
  EscribeArchivo(clave, guardada);
  ::chmod(clave.c_str(), 0644);
  try {
    u.Descifra(cifrado);
    ADD_FAILURE() << "se usó una clave que otros pueden leer";
  } catch (const ErrorTravesa& e) {
    EXPECT_NE(std::string(e.what()).find("chmod 600"), std::string::npos) << e.what();
  }
  EXPECT_THROW(u.Encripta("x"), ErrorTravesa);
  ::chmod(clave.c_str(), 0600);
  EXPECT_EQ(u.Descifra(cifrado), "root");
  EXPECT_EQ(u.Descifra("b3RyYSBjb3NhIGRpc3RpbnRhIGRlIGxhIGNsYXZl"), std::nullopt);
}

}  // namespace
}  // namespace travesa
