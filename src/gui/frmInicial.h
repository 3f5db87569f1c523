#pragma once
// The main window "Travesa": the run page with the seller list and the
// commands the user may use, the configuration page, the ledger's pages
// «Historial» and «Liquidación del día», the one-second timer of
// automatic publishing, and the rules for closing. Jobs run off the window's
// thread while the pages stay disabled under the busy pointer; the job's
// progress and «Cancelar» stay usable under them.
//
// The window has no frame of the system: its header (EncabezadoVentana) is its
// frame. Dragging the header moves it, the grip at the bottom right corner
// resizes it, the header's "_" collapses it to a bar that stays on screen (as
// does a minimise asked by the window manager), and every close request, the
// header's "×", Alt+F4 and the window manager's, asks before closing.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>

#include "shell/ContadorMinutos.h"
#include "shell/Programa.h"

class QPushButton;
class QTabWidget;

namespace travesa {

class AvanceDelTrabajo;
class EncabezadoVentana;
class MenuUno;
class OperadorVentana;
class PaginaConfiguracion;
class PaginaEjecucion;
class PaginaHistorial;
class PaginaLiquidacion;
class frmDescripcion;

class frmInicial : public QWidget {
  Q_OBJECT

 public:
  struct Opciones {
    bool sinLogin = false;                      // "/sinlogin": closing without the question
    std::chrono::milliseconds intervalo{1000};  // the timer's tick
  };

  frmInicial(Programa& programa, OperadorVentana& operador, Opciones opciones);
  ~frmInicial() override;

  // The publish run with its screen effects; the final message only with
  // mostrarMensaje (the timer's runs are silent).
  void GenerarArchivos(bool mostrarMensaje);
  // One tick of the timer: counts, and publishes when the minutes are up.
  // Nothing while the timer is stopped.
  void Tic();
  bool TemporizadorActivo() const { return timer1_.isActive(); }

 signals:
  // The first display ended: with the user logged in, or not (the program ends).
  void PrimeraVistaTerminada(bool acceso);
  void PublicacionTerminada(bool completa);
  // A read run ended: everything read and posted (and the transfer, when it ran), or not.
  void LecturaTerminada(bool completa);

 protected:
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void changeEvent(QEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;

 private:
  QWidget* CreaContenido();
  QWidget* CreaPie(QWidget* padre);
  void CreaAtajos();
  void Conecta();
  void PrimeraVista();
  bool ValidaAcceso();
  void MuestraOpciones();
  void MuestraUltimaSubida();

  void cmdGenerar();
  void cmdLeer();
  void cmdBorrar();
  void cmdPagos();
  // The settings as saved, with the FTP site as the settings page shows it.
  Ajustes AjustesConSitioDeLaPagina() const;
  void Configurar();
  void Regresar();
  void VuelveAEjecucion();
  // Only that page is shown (the others' tabs are hidden).
  void MuestraPagina(int pagina);
  void VerHistorial();
  void VerLiquidacion();
  void Grabar();
  void Probar();
  std::vector<std::string> Series(std::string_view prefijo);
  void VendedorElegido(const QString& clave);
  void RecuerdaVendedor();
  void IniciaTemporizador();

  // Runs the job off the window's thread with the pages disabled and its
  // title above its progress; an error it raises is shown and ends it. False
  // after an error, or when «Cancelar» stopped it (the operator is told).
  bool Trabaja(const QString& titulo, const std::function<void()>& trabajo);
  void Ocupada(bool ocupada, const QString& titulo = {});
  void Cancela();
  // The seller chosen for a job's title: " para el vendedor V02 (Nombre)".
  QString ParaElVendedor() const;

  void GuardaPosicion();

  void Encoger();
  void Restaurar();
  void MuestraDescripcion();
  void EditarIni();

  Programa& programa_;
  OperadorVentana& operador_;
  Opciones opciones_;
  EncabezadoVentana* encabezado_ = nullptr;
  QTabWidget* stbTabs_ = nullptr;
  PaginaEjecucion* ejecucion_ = nullptr;
  PaginaConfiguracion* configuracion_ = nullptr;
  PaginaHistorial* historial_ = nullptr;
  PaginaLiquidacion* liquidacion_ = nullptr;
  AvanceDelTrabajo* avance_ = nullptr;
  QWidget* contenido_ = nullptr;
  QPushButton* restaurarForma_ = nullptr;
  MenuUno* menu_ = nullptr;
  QPointer<frmDescripcion> descripcion_;
  QTimer timer1_;
  ContadorMinutos contador_;
  Ajustes alAbrir_;  // the configuration page as it was opened
  bool primeraVez_ = true;
  bool cancelado_ = false;  // «Cancelar» was pressed during the running job
};

}  // namespace travesa
