// Why a job could not reach the FTP site, as the operator reads it: the
// job's own first line, then one plain sentence naming the server, with the
// FTP client's own text in the program's log. Against the real FTP server, a
// port nobody listens on, a name that does not exist and a frozen server.
#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"
#include "comun/OperadorDePrueba.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"
#include "ftp/ConexionConAviso.h"
#include "ftp/MotivoDeFalla.h"
#include "ftp/clsFTP.h"
#include "shell/host/Bitacora.h"

namespace travesa {
namespace {

using prueba::SitioDePrueba;

struct Caso {
  std::string sitio;
  std::string usuario;
  std::string password;
  std::string frase;  // what the sentence must say
};

std::string Falla(const Caso& c, std::chrono::seconds espera = std::chrono::seconds(5)) {
  clsFTP ftp;
  ftp.SetModePassive();
  ftp.SetTiempoEspera(espera, espera);
  EXPECT_FALSE(ftp.OpenConnection(c.sitio, c.usuario, c.password)) << c.sitio;
  return ftp.GetLastErrorMessage();
}

TEST(MotivoDeFalla, CadaFallaDiceQuePasoYNombraAlServidor) {
  SitioDePrueba s;
  const auto& srv = s.servidor();
  const std::string libre = "127.0.0.1:" + std::to_string(prueba::PuertoLibre());
  const std::vector<Caso> casos = {
      {s.sitio(), srv.usuario, "otra",
       "El servidor «" + s.sitio() + "» no aceptó el usuario o la contraseña del sitio FTP (respondió: «530 "},
      {libre, srv.usuario, srv.password,
       "El servidor «" + libre + "» no aceptó la conexión: revise la dirección y el puerto"},
      {"no-existe.invalid", srv.usuario, srv.password,
       "No se encontró el servidor «no-existe.invalid»: revise el nombre"},
      {"sftp://127.0.0.1", srv.usuario, srv.password, "El sitio FTP «sftp://127.0.0.1» no es válido"},
  };
  for (const Caso& c : casos) {
    const std::string error = Falla(c);
    const std::string frase = MotivoDeFalla::Frase(c.sitio, error);
    EXPECT_EQ(frase.rfind(c.frase, 0), 0u) << frase << "\n" << error;
    // libcurl's words stay out of the sentence.
    EXPECT_EQ(frase.find("error code"), std::string::npos) << frase;
    EXPECT_EQ(frase.find("Couldn't"), std::string::npos) << frase;
  }
}

// A server that accepts the connection and then says nothing: it did not
// answer in time; and «Cancelar» while waiting for it is said as such.
TEST(MotivoDeFalla, UnServidorCongeladoNoRespondeOSeCancela) {
  prueba::ServidorPropio propio(1 << 20);
  ASSERT_TRUE(propio.enMarcha());
  propio.Congela();
  const Caso c{propio.sitio(), prueba::ServidorPropio::kUsuario, prueba::ServidorPropio::kPassword, ""};
  const std::string agotado = MotivoDeFalla::Frase(c.sitio, Falla(c, std::chrono::seconds(1)));
  EXPECT_EQ(agotado.rfind("El servidor «" + c.sitio + "» no respondió a tiempo", 0), 0u) << agotado;

  std::atomic<bool> parar{true};
  clsFTP ftp;
  ftp.SetInterrupcion(&parar);
  EXPECT_FALSE(ftp.OpenConnection(c.sitio, c.usuario, c.password));
  EXPECT_EQ(MotivoDeFalla::Frase(c.sitio, ftp.GetLastErrorMessage()), "Se canceló la conexión con «" + c.sitio + "».");
  propio.Reanuda();
}

// The job's box: its own first line, the reason under it; the label said
// where it was connecting; the log keeps the client's text.
TEST(MotivoDeFalla, LaConexionDeUnTrabajoAvisaYExplica) {
  prueba::CarpetaTemporal carpeta;
  Bitacora::Configura(carpeta / "travesa.log");
  const std::string libre = "127.0.0.1:" + std::to_string(prueba::PuertoLibre());
  prueba::OperadorDePrueba op;
  clsFTP ftp;
  EXPECT_FALSE(ConexionConAviso::Abre(ftp, op, " " + libre + " ", "u", "p"));
  ASSERT_FALSE(op.avisos.empty());
  EXPECT_EQ(op.avisos.front(), "Conectando con «" + libre + "»…");
  ASSERT_EQ(op.cajas.size(), 1u);
  EXPECT_EQ(op.cajas[0].titulo, "Error de conexión");
  EXPECT_EQ(op.cajas[0].texto,
            "No se pudo establecer conexión con el sitio\r\n" + MotivoDeFalla::Frase(libre, ftp.GetLastErrorMessage()));
  const std::string log = prueba::LeeArchivo(carpeta / "travesa.log");
  EXPECT_NE(log.find("No se pudo conectar con «" + libre + "»: InternetConnect error code: 7"), std::string::npos)
      << log;
  Bitacora::Configura({});
}

}  // namespace
}  // namespace travesa
