// A server that dies or goes silent in the middle of a transfer: the operation
// ends with a readable error, soon, and leaves no file that looks complete.
#include <chrono>

#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"
#include "comun/ServidorPropio.h"
#include "comun/SitioDePrueba.h"
#include "ftp/clsFTP.h"

namespace travesa {
namespace {

using prueba::Bytes;
using prueba::CarpetaTemporal;
using prueba::ServidorPropio;
using Reloj = std::chrono::steady_clock;

constexpr int kBytesPorSegundo = 4096;

class ftpCortes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(servidor_.enMarcha());
    ftp_.SetModePassive();
    ftp_.SetTransferBinary();
    ftp_.SetTiempoEspera(std::chrono::seconds(3), std::chrono::seconds(2));
    ASSERT_TRUE(ftp_.OpenConnection(servidor_.sitio(), ServidorPropio::kUsuario, ServidorPropio::kPassword))
        << ftp_.GetLastErrorMessage();
  }

  // Stops the server with `accion` once a few chunks have moved.
  void CortaTrasUnosTrozos(void (ServidorPropio::*accion)()) {
    ftp_.FileTransferProgress = [this, accion](std::int64_t actual, std::int64_t) {
      if (actual >= 1020 && !cortado_) {
        cortado_ = true;
        (servidor_.*accion)();
      }
    };
  }

  bool NadaEnLaCarpetaLocal() const { return std::filesystem::is_empty(local_.ruta()); }

  ServidorPropio servidor_{kBytesPorSegundo};
  CarpetaTemporal local_;
  clsFTP ftp_;
  bool cortado_ = false;
};

TEST_F(ftpCortes, ServidorMuertoALaMitadDeUnaDescarga) {
  prueba::EscribeArchivo(servidor_.EnDisco("ventas_01.sql"), Bytes(200000));
  CortaTrasUnosTrozos(&ServidorPropio::Mata);
  const auto inicio = Reloj::now();
  EXPECT_FALSE(ftp_.FTPDownloadFile((local_ / "ventas_01.sql").string(), "ventas_01.sql"));
  EXPECT_LT(Reloj::now() - inicio, std::chrono::seconds(10));
  EXPECT_TRUE(cortado_);
  EXPECT_EQ(ftp_.GetLastErrorMessage().rfind("InternetReadFile error code: ", 0), 0u) << ftp_.GetLastErrorMessage();
  EXPECT_TRUE(NadaEnLaCarpetaLocal());

  // Whatever comes next fails plainly too.
  EXPECT_EQ(ftp_.GetFTPFileSize("ventas_01.sql"), -2);
  EXPECT_EQ(ftp_.GetLastErrorMessage().rfind("FtpFindFirstFile error code: ", 0), 0u) << ftp_.GetLastErrorMessage();
}

TEST_F(ftpCortes, ServidorMuertoALaMitadDeUnaSubida) {
  prueba::EscribeArchivo(local_ / "catalogo.xml", Bytes(4000000));
  CortaTrasUnosTrozos(&ServidorPropio::Mata);
  const auto inicio = Reloj::now();
  EXPECT_FALSE(ftp_.FTPUploadFile((local_ / "catalogo.xml").string(), "catalogo.xml"));
  EXPECT_LT(Reloj::now() - inicio, std::chrono::seconds(10));
  EXPECT_NE(ftp_.GetLastErrorMessage().find(" error code: "), std::string::npos) << ftp_.GetLastErrorMessage();
}

TEST_F(ftpCortes, ServidorMudoALaMitadDeUnaDescarga) {
  prueba::EscribeArchivo(servidor_.EnDisco("cxcs_01.sql"), Bytes(200000));
  CortaTrasUnosTrozos(&ServidorPropio::Congela);
  const auto inicio = Reloj::now();
  EXPECT_FALSE(ftp_.FTPDownloadFile((local_ / "cxcs_01.sql").string(), "cxcs_01.sql"));
  EXPECT_LT(Reloj::now() - inicio, std::chrono::seconds(10));
  EXPECT_EQ(
      ftp_.GetLastErrorMessage().rfind("InternetReadFile error code: 28 Message: El servidor dejó de responder", 0), 0u)
      << ftp_.GetLastErrorMessage();
  EXPECT_TRUE(NadaEnLaCarpetaLocal());
}

TEST(ftpCortesConexion, ServidorMudoDesdeElSaludo) {
  ServidorPropio servidor(kBytesPorSegundo);
  ASSERT_TRUE(servidor.enMarcha());
  servidor.Congela();
  clsFTP ftp;
  ftp.SetTiempoEspera(std::chrono::seconds(2), std::chrono::seconds(2));
  const auto inicio = Reloj::now();
  EXPECT_FALSE(ftp.OpenConnection(servidor.sitio(), ServidorPropio::kUsuario, ServidorPropio::kPassword));
  EXPECT_LT(Reloj::now() - inicio, std::chrono::seconds(10));
  EXPECT_EQ(ftp.GetLastErrorMessage().rfind("InternetConnect error code: 28 ", 0), 0u) << ftp.GetLastErrorMessage();
}

}  // namespace
}  // namespace travesa
