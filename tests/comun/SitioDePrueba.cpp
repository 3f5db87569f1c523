#include "comun/SitioDePrueba.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "comun/CarpetaTemporal.h"

namespace travesa::prueba {

SitioDePrueba::SitioDePrueba() : servidor_(FTP()) {
  const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string nombre = std::string(prueba->test_suite_name()) + "." + prueba->name();
  for (char& c : nombre) {
    if (c == '/') c = '_';
  }
  // The runs of one server, plain and with TLS, share its folder; the runs of
  // the same test in the database variants may go at once, each in its own.
  if (servidor_.nombre != "pyftpdlib") nombre += "." + servidor_.nombre;
  if (const std::string variante = VarianteBD(); !variante.empty()) nombre += "." + variante;
  carpeta_ = "/" + nombre;
  enDisco_ = servidor_.carpeta / nombre;
  // What the test makes there, the server's user may write in.
  if (servidor_.otroDueno) ::umask(0);
  std::filesystem::remove_all(enDisco_);
  std::filesystem::create_directories(enDisco_);
}

SitioDePrueba::~SitioDePrueba() {
  std::error_code ec;
  std::filesystem::remove_all(enDisco_, ec);
}

std::string SitioDePrueba::sitio() const {
  return (servidor_.tls ? "ftps://" : "") + servidor_.host + ":" + std::to_string(servidor_.puerto);
}

std::string SitioDePrueba::sitioTls() const {
  return "ftps://" + servidor_.host + ":" + std::to_string(servidor_.puertoTls);
}

std::filesystem::path SitioDePrueba::EnDisco(std::string_view nombre) const { return enDisco_ / nombre; }

void SitioDePrueba::Escribe(std::string_view nombre, std::string_view contenido) const {
  EscribeArchivo(EnDisco(nombre), contenido);
}

void SitioDePrueba::Prepara(clsFTP& ftp) const {
  ftp.SetModePassive();
  ftp.SetTransferBinary();
  ftp.SetArchivoCA(servidor_.certificado);
}

bool SitioDePrueba::Conecta(clsFTP& ftp) const {
  Prepara(ftp);
  return ftp.OpenConnection(sitio(), servidor_.usuario, servidor_.password) && ftp.SetFTPDirectory(carpeta_);
}

void SitioDePrueba::Pon(Ajustes& a) const {
  a.ftpSitio = sitio();
  a.ftpUsuario = servidor_.usuario;
  a.FTPcontraseña = servidor_.password;
  a.FTPcarpeta = carpeta_.substr(1);
  if (servidor_.tls) a.VerificarCertificado = "N";
}

std::vector<std::string> SitioDePrueba::ComoAjustes(std::initializer_list<std::string> mas) const {
  std::vector<std::string> orden = {"ajustes", "ftpSitio=" + sitio(), "ftpUsuario=" + servidor_.usuario,
                                    "FTPcontraseña=" + servidor_.password, "FTPcarpeta=" + carpeta_.substr(1)};
  if (servidor_.tls) orden.push_back("VerificarCertificado=N");
  orden.insert(orden.end(), mas);
  return orden;
}

std::string Bytes(std::size_t n) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>('A' + (i * 7 + i / 26) % 26);
  return s;
}

}  // namespace travesa::prueba
