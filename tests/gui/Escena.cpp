#include "Escena.h"

#include <QTest>

#include "comun/Entorno.h"
#include "ledger/HistorialSqlite.h"
#include "shell/host/Utilerias.h"
#include "shell/host/libNalda.h"

namespace travesa::prueba {
namespace {

constexpr int kEsperaMs = 60000;

}  // namespace

Escena::Escena() : inst_(true) {}

Escena::~Escena() {
  // Closing is a test of its own; here the window just goes.
  ventana_.reset();
}

void Escena::Ini(const std::string& seccion, const std::string& clave, const std::string& valor) {
  libNalda::EscribeIni(seccion, clave, valor, inst_.ini());
}

std::string Escena::CarpetaFTP() { return "gui_" + inst_.base().nombre(); }

std::filesystem::path Escena::SitioDePrueba() {
  const ServidorFTP ftp = FTP();
  const Utilerias u(inst_.programa());
  Ini("FTP", "Sitio", u.Encripta(ftp.host + ":" + std::to_string(ftp.puerto)));
  Ini("FTP", "Usuario", u.Encripta(ftp.usuario));
  Ini("FTP", "Contraseña", u.Encripta(ftp.password));
  Ini("FTP", "Carpeta", u.Encripta(CarpetaFTP()));
  const std::filesystem::path carpeta = ftp.carpeta / CarpetaFTP();
  std::filesystem::create_directories(carpeta);
  return carpeta;
}

bool Escena::Abre(frmInicial::Opciones opciones) {
  programa_ = std::make_unique<Programa>(inst_.programa(), operador_);
  if (!programa_->Inicia()) return false;
  // The ledger, as the desktop program has it after start-up.
  InstalaHistorial(*programa_);
  ventana_ = std::make_unique<frmInicial>(*programa_, operador_, opciones);
  QObject::connect(ventana_.get(), &frmInicial::PublicacionTerminada, ventana_.get(), [this](bool completa) {
    ++publicaciones_;
    if (completa) ++completas_;
  });
  QSignalSpy terminada(ventana_.get(), &frmInicial::PrimeraVistaTerminada);
  ventana_->show();
  if (!terminada.wait(kEsperaMs) && terminada.isEmpty()) return false;
  if (!terminada.first().first().toBool()) return false;
  // The focus moves between fields only in the active window.
  ventana_->activateWindow();
  return QTest::qWaitForWindowActive(ventana_.get());
}

bool Escena::EntraComoAdmin() {
  piloto_.entradas.push_back(Piloto::Teclea(QStringLiteral("admin"), QStringLiteral("admin")));
  return Abre();
}

}  // namespace travesa::prueba
