#pragma once
// One run of the desktop program for a test: a program folder, a Norvento
// installation and a database of its own with the demo data, the program
// started on it and its main window, and the Piloto that answers its boxes.
#include <QSignalSpy>
#include <memory>
#include <string>

#include "Piloto.h"
#include "comun/Instalacion.h"
#include "gui/OperadorVentana.h"
#include "gui/frmInicial.h"
#include "shell/Programa.h"

namespace travesa::prueba {

class Escena {
 public:
  Escena();
  ~Escena();

  Instalacion& inst() { return inst_; }
  Piloto& piloto() { return piloto_; }
  frmInicial& ventana() { return *ventana_; }
  Programa& programa() { return *programa_; }
  OperadorVentana& operador() { return operador_; }

  // An INI value written before the program starts.
  void Ini(const std::string& seccion, const std::string& clave, const std::string& valor);
  // The "FTP" section pointing at the test FTP server and a folder of this
  // test's own there (created on disk). Returns that folder on disk.
  std::filesystem::path SitioDePrueba();
  std::string CarpetaFTP();

  // Starts the program, shows the main window and waits for its first display,
  // the login answered with the scripted actions. True when the user got in.
  bool Abre(frmInicial::Opciones opciones = {.sinLogin = false, .intervalo = kSinTicReal});
  bool EntraComoAdmin();

  // Publish runs the window finished since it was created, and how many of them succeeded.
  int publicaciones() const { return publicaciones_; }
  int publicacionesCompletas() const { return completas_; }

  template <typename T>
  T* Busca(const char* nombre) {
    return ventana_->findChild<T*>(QString::fromLatin1(nombre));
  }

  // Ticks are driven by the test; the real timer never ticks during a test.
  static constexpr std::chrono::milliseconds kSinTicReal = std::chrono::hours(24);

 private:
  Instalacion inst_;
  Piloto piloto_;
  OperadorVentana operador_;
  std::unique_ptr<Programa> programa_;
  std::unique_ptr<frmInicial> ventana_;
  int publicaciones_ = 0;
  int completas_ = 0;
};

}  // namespace travesa::prueba
