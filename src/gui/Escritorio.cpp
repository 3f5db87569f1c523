#include "gui/Escritorio.h"

#include <QApplication>
#include <cstring>
#include <filesystem>
#include <memory>

#include "gui/OperadorVentana.h"
#include "gui/frmInicial.h"
#include "ledger/HistorialSqlite.h"
#include "shell/Programa.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

constexpr int kSalidaAcceso = 3;
constexpr int kSalidaArranque = 4;
constexpr const char* kSinLogin = "/sinlogin";
constexpr const char* kVariableCarpeta = "TRAVESA_CARPETA";

// TRAVESA_CARPETA when set, otherwise the folder of the executable.
std::filesystem::path CarpetaDelPrograma() {
  const QString carpeta = qEnvironmentVariable(kVariableCarpeta);
  if (!carpeta.isEmpty()) return std::filesystem::absolute(carpeta.toStdString());
  return QCoreApplication::applicationDirPath().toStdString();
}

bool SinLogin(int argc, char** argv) { return argc == 2 && std::strcmp(argv[1], kSinLogin) == 0; }

int Arranca(Programa& programa, OperadorVentana& operador) {
  std::error_code ec;
  if (!std::filesystem::is_directory(programa.carpeta(), ec)) {
    operador.MensajeSimple("La carpeta del programa «" + programa.carpeta().string() + "» no existe.",
                           Botones::kCritico, "Atención");
    return kSalidaArranque;
  }
  try {
    if (!programa.Inicia()) return kSalidaArranque;
    InstalaHistorial(programa);
    return 0;
  } catch (const ErrorTravesa& e) {
    operador.MensajeSimple(e.what(), Botones::kCritico, "Error");
    return kSalidaArranque;
  }
}

}  // namespace

int Escritorio::Ejecuta(int argc, char** argv) {
  // A test program may already have its application object.
  std::unique_ptr<QApplication> propia;
  if (QApplication::instance() == nullptr) propia = std::make_unique<QApplication>(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Travesa"));
  OperadorVentana operador;
  Programa programa(CarpetaDelPrograma(), operador);
  if (const int fallo = Arranca(programa, operador); fallo != 0) return fallo;
  std::unique_ptr<frmInicial> ventana;
  try {
    ventana = std::make_unique<frmInicial>(programa, operador, frmInicial::Opciones{.sinLogin = SinLogin(argc, argv)});
  } catch (const ErrorTravesa& e) {
    operador.MensajeSimple(e.what(), Botones::kCritico, "Error");
    return kSalidaArranque;
  }
  QObject::connect(ventana.get(), &frmInicial::PrimeraVistaTerminada, ventana.get(), [](bool acceso) {
    if (!acceso) QCoreApplication::exit(kSalidaAcceso);
  });
  ventana->show();
  return QApplication::exec();
}

}  // namespace travesa
