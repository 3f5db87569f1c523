// The three secrets (FTP password, the phones' application password and the
// database password) through the real executable: whatever command runs, and
// whether it works or fails, none of them is printed (except masked) or left
// in a log or any other file of the program folder or the site; the settings
// and key files a run creates can be read by their owner only.
#include <fstream>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Entorno.h"
#include "comun/Instalacion.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"
#include "shell/host/ArchivoIni.h"
#include "shell/host/Utilerias.h"

namespace travesa {
namespace {

using prueba::Instalacion;

constexpr const char* kApp = "Secreto.App-4417";
constexpr const char* kFtpEquivocada = "Otra.FTP-8812";
constexpr const char* kBdEquivocada = "Otra.BD-5503";

mode_t Modo(const std::filesystem::path& p) {
  struct stat st {};
  EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
  return st.st_mode & 07777;
}

class SecretosOcultosTest : public ::testing::Test {
 protected:
  std::vector<std::string> Secretos() const {
    return {prueba::FTP().password, kApp, prueba::BD().password, kFtpEquivocada, kBdEquivocada};
  }
  // Checks one command's output, and remembers it for the report.
  void Revisa(const std::string& que, const prueba::Resultado& r) {
    for (const std::string& s : Secretos())
      EXPECT_EQ(r.Todo().find(s), std::string::npos) << que << " muestra «" << s << "»:\n" << r.Todo();
  }
  // Every file under `carpeta` but the settings, the key and the record.
  void RevisaArchivos(const std::filesystem::path& carpeta) {
    for (const auto& e : std::filesystem::recursive_directory_iterator(carpeta)) {
      if (!e.is_regular_file()) continue;
      const std::string nombre = e.path().filename().string();
      if (nombre == "travesa.ini" || nombre == "travesa.clave" || nombre == "registro.ini") continue;
      const std::string datos = prueba::LeeArchivo(e.path());
      for (const std::string& s : Secretos())
        EXPECT_EQ(datos.find(s), std::string::npos) << e.path() << " guarda «" << s << "»";
    }
  }

  Instalacion inst_;
  prueba::SitioDePrueba sitio_;
};

TEST_F(SecretosOcultosTest, NingunComandoNiArchivoDejaVerLosSecretos) {
  const auto& ftp = sitio_.servidor();
  // The FTP password and the application password from standard input, as a
  // careful operator gives them.
  auto r = inst_.ComoAdmin({"ajustes", "ftpSitio=" + sitio_.sitio(), "ftpUsuario=" + ftp.usuario, "FTPcontraseña=-",
                            "ContrasenaApp=-", "FTPcarpeta=" + sitio_.carpeta().substr(1), "TipoMovimiento=R"},
                           ftp.password + "\n" + kApp + "\n");
  ASSERT_EQ(r.estado, 0) << r.Todo();
  Revisa("ajustes campo=valor", r);
  // The INI holds them encrypted, never as they are.
  for (const std::string& s : {ftp.password, std::string(kApp)})
    EXPECT_EQ(prueba::LeeArchivo(inst_.ini()).find(s), std::string::npos)
        << "travesa.ini guarda «" << s << "» sin cifrar";

  r = inst_.ComoAdmin({"ajustes"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("FTPcontraseña=****\n"), std::string::npos) << r.salida;
  EXPECT_NE(r.salida.find("ContrasenaApp=****\n"), std::string::npos) << r.salida;
  Revisa("ajustes", r);
  r = inst_.Travesa({"registro"});
  EXPECT_EQ(r.estado, 0) << r.Todo();
  EXPECT_NE(r.salida.find("MySQLPassword=****"), std::string::npos) << r.salida;
  Revisa("registro", r);

  sitio_.Escribe("ventas_tel1_V01_08_12_2026_09_00_00.sql",
                 prueba::ArchivoDeVentas()
                     .Linea({"Dec 8, 2026 9:00:00 AM", "V01", "C001", "C", "", 1, {}}, "ABA001", 1, 44.5)
                     .contenido());
  sitio_.Escribe("cxcs_tel1_V01_08_12_2026_09_30.sql", "insert into cxcs values ('tel1','V01','C001',-5,10,'')\n");
  for (const std::vector<std::string>& orden : {std::vector<std::string>{"probar"},
                                                {"generar"},
                                                {"leer"},
                                                {"pagos"},
                                                {"--si", "borrar"},
                                                {"--help"},
                                                {"ajustes", "--help"}}) {
    r = inst_.ComoAdmin(orden);
    EXPECT_EQ(r.estado, 0) << orden.back() << ":\n" << r.Todo();
    Revisa(orden.back(), r);
  }

  // The same commands when the FTP server refuses the password...
  r = inst_.ComoAdmin({"ajustes", "FTPcontraseña=-"}, std::string(kFtpEquivocada) + "\n");
  ASSERT_EQ(r.estado, 0) << r.Todo();
  for (const char* orden : {"probar", "generar", "leer", "pagos"}) {
    r = inst_.ComoAdmin({orden});
    EXPECT_NE(r.estado, 0) << orden << ":\n" << r.Todo();
    EXPECT_FALSE(r.Todo().empty()) << orden;
    Revisa(std::string(orden) + " con la contraseña FTP equivocada", r);
  }
  // ...and when the database refuses its own.
  const Utilerias u(inst_.programa());
  std::ofstream(inst_.norvento() / "registro.ini", std::ios::trunc)
      << "[Norvento]\nservidor=" << prueba::BD().host << "\nMySQLPuerto=" << prueba::BD().puerto
      << "\nMySQLUsuario=" << u.Encripta(prueba::BD().usuario) << "\nMySQLPassword=" << u.Encripta(kBdEquivocada)
      << "\n";
  for (const char* orden : {"generar", "leer", "ajustes"}) {
    r = inst_.ComoAdmin({orden});
    EXPECT_EQ(r.estado, 4) << orden << ":\n" << r.Todo();
    Revisa(std::string(orden) + " con la contraseña de la base equivocada", r);
  }

  RevisaArchivos(inst_.programa());
  RevisaArchivos(sitio_.EnDisco(""));
  EXPECT_TRUE(std::filesystem::exists(inst_.programa() / "BitacoraDeArchivos.txt"));
}

// A program folder that starts empty: the settings file, the key and the
// installation record the program creates are its owner's alone, whatever
// the umask lets others read.
TEST(ArchivosSecretosTest, LoQueElProgramaCreaSoloLoLeeSuDueno) {
  prueba::CarpetaTemporal dir;
  const mode_t mascara = ::umask(022);
  // The first run writes the settings file with its defaults.
  auto r = prueba::Ejecuta({"--carpeta", dir.ruta().string(), "registro"});
  ASSERT_TRUE(std::filesystem::exists(dir / "travesa.ini")) << r.Todo();
  EXPECT_EQ(Modo(dir / "travesa.ini") & 077, 0u);
  const auto norvento = dir / "norvento";
  std::filesystem::create_directory(norvento);
  ArchivoIni::Escribe(dir / "travesa.ini", "Configuración", "Ruta de Norvento", norvento.string());
  r = prueba::Ejecuta(
      {"--carpeta", dir.ruta().string(), "registro", "MySQLServer=127.0.0.1", "MySQLUsuario=-", "MySQLPassword=-"}, {},
      "usuario\nclave.de.prueba\n");
  ::umask(mascara);
  ASSERT_EQ(r.estado, 0) << r.Todo();
  EXPECT_EQ(r.Todo().find("clave.de.prueba"), std::string::npos) << r.Todo();
  for (const auto& creado : {norvento / "registro.ini", dir / "travesa.clave"}) {
    ASSERT_TRUE(std::filesystem::exists(creado)) << creado;
    EXPECT_EQ(Modo(creado) & 077, 0u) << creado;
  }
  EXPECT_EQ(prueba::LeeArchivo(norvento / "registro.ini").find("clave.de.prueba"), std::string::npos);
}

}  // namespace
}  // namespace travesa
