#include "gui/frmInicial.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/ArrastreConRaton.h"
#include "gui/CredencialesVentana.h"
#include "gui/EncabezadoVentana.h"
#include "gui/Encogimiento.h"
#include "gui/MenuUno.h"
#include "gui/OperadorVentana.h"
#include "gui/PaginaConfiguracion.h"
#include "gui/PaginaEjecucion.h"
#include "gui/PosicionDeVentana.h"
#include "gui/TextoQt.h"
#include "gui/TrabajoEnHilo.h"
#include "gui/frmDescripcion.h"
#include "gui/frmLeerPagos.h"
#include "payments/DescargaDePagos.h"
#include "publish/Publicacion.h"
#include "sales/BorradoDeVentas.h"
#include "sales/LecturaDeArchivos.h"
#include "sales/ResumenEnTabla.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/Dialogos.h"
#include "shell/Permisos.h"
#include "shell/ReglasAjustes.h"
#include "ftp/PruebaConexion.h"
#include "shell/clsAcceso.h"
#include "shell/host/Bitacora.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

constexpr const char* kTitulo = "Travesa";
constexpr int kAnchoDeDiseno = 820;
constexpr int kAltoDeDiseno = 560;
constexpr int kPaginaEjecucion = 0;
constexpr int kPaginaConfiguracion = 1;
constexpr std::string_view kTituloGenerar = "Generar archivos";

}  // namespace

frmInicial::frmInicial(Programa& programa, OperadorVentana& operador, Opciones opciones)
    : programa_(programa), operador_(operador), opciones_(opciones) {
  setObjectName(QStringLiteral("frmInicial"));
  setWindowTitle(QString::fromLatin1(kTitulo).trimmed() + textoqt::AQt(Programa::TextoVersion()));
  operador_.setVentana(this);
  contenido_ = CreaContenido();
  restaurarForma_ = new QPushButton(this);
  restaurarForma_->setObjectName(QStringLiteral("RestaurarForma"));
  restaurarForma_->hide();
  auto* todo = new QVBoxLayout(this);
  todo->setContentsMargins(0, 0, 0, 0);
  todo->setSpacing(0);
  todo->addWidget(contenido_);
  todo->addWidget(restaurarForma_);
  menu_ = new MenuUno(this);
  timer1_.setInterval(opciones_.intervalo);
  CreaAtajos();
  Conecta();

  encabezado_->setTitulo(windowTitle());
  ejecucion_->LlenaVendedores(programa_.Vendedores());
  const BasesDD& bd = programa_.bd();
  ejecucion_->setMuestra(textoqt::AQt(" Servidor: " + bd.cRuta + "\r" + "  Base de datos: " + bd.cMiBase));
  configuracion_->MuestraFTP(programa_.ajustes());
  MuestraOpciones();
  stbTabs_->setTabVisible(kPaginaConfiguracion, false);
  stbTabs_->setCurrentIndex(kPaginaEjecucion);
  resize(kAnchoDeDiseno, kAltoDeDiseno);
  LeePosicion();
}

frmInicial::~frmInicial() {
  timer1_.stop();
  delete descripcion_;
}

QWidget* frmInicial::CreaContenido() {
  auto* contenido = new QWidget(this);
  encabezado_ = new EncabezadoVentana(contenido);
  stbTabs_ = new QTabWidget(contenido);
  stbTabs_->setObjectName(QStringLiteral("stbTabs"));
  ejecucion_ = new PaginaEjecucion(stbTabs_);
  configuracion_ = new PaginaConfiguracion([this](std::string_view prefijo) { return Series(prefijo); }, stbTabs_);
  stbTabs_->addTab(ejecucion_, QStringLiteral("Ejecución"));
  stbTabs_->addTab(configuracion_, QStringLiteral("Configuración"));
  auto* columna = new QVBoxLayout(contenido);
  columna->setContentsMargins(0, 0, 0, 0);
  columna->addWidget(encabezado_);
  auto* margen = new QVBoxLayout;
  margen->setContentsMargins(8, 8, 8, 8);
  margen->addWidget(stbTabs_);
  columna->addLayout(margen, 1);
  return contenido;
}

void frmInicial::CreaAtajos() {
  auto* ayuda = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(ayuda, &QShortcut::activated, this, &frmInicial::MuestraDescripcion);
  // Alt+F4 is a close request of the program's own, like CerrarVentana.
  auto* cerrar = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
  connect(cerrar, &QShortcut::activated, this, &QWidget::close);
  auto* arrastre = new ArrastreConRaton(this);
  arrastre->Agrega(restaurarForma_);
}

void frmInicial::Conecta() {
  connect(&timer1_, &QTimer::timeout, this, &frmInicial::Tic);
  connect(&operador_, &OperadorVentana::AvisoCambiado, ejecucion_, &PaginaEjecucion::setAviso);
  connect(&operador_, &OperadorVentana::ProgresoCambiado, ejecucion_, &PaginaEjecucion::setProgreso);
  connect(ejecucion_, &PaginaEjecucion::VendedorElegido, this, &frmInicial::VendedorElegido);
  connect(ejecucion_, &PaginaEjecucion::Generar, this, &frmInicial::cmdGenerar);
  connect(ejecucion_, &PaginaEjecucion::Leer, this, &frmInicial::cmdLeer);
  connect(ejecucion_, &PaginaEjecucion::Borrar, this, &frmInicial::cmdBorrar);
  connect(ejecucion_, &PaginaEjecucion::Pagos, this, &frmInicial::cmdPagos);
  connect(ejecucion_, &PaginaEjecucion::Configurar, this, &frmInicial::Configurar);
  connect(configuracion_, &PaginaConfiguracion::Regresar, this, &frmInicial::Regresar);
  connect(configuracion_, &PaginaConfiguracion::Grabar, this, &frmInicial::Grabar);
  connect(configuracion_, &PaginaConfiguracion::Probar, this, &frmInicial::Probar);
  connect(encabezado_, &EncabezadoVentana::Logo, this, [this] { menu_->popup(encabezado_->BajoElLogo()); });
  connect(encabezado_, &EncabezadoVentana::Minimizar, this, &frmInicial::Encoger);
  connect(encabezado_, &EncabezadoVentana::Cerrar, this, &QWidget::close);
  connect(restaurarForma_, &QPushButton::clicked, this, &frmInicial::Restaurar);
  connect(menu_, &MenuUno::Descripcion, this, &frmInicial::MuestraDescripcion);
  connect(menu_, &MenuUno::EditarIni, this, &frmInicial::EditarIni);
}

// Every option from the saved settings: the configuration page and the run
// page's saved copies.
void frmInicial::MuestraOpciones() {
  configuracion_->MuestraOpciones(programa_.ajustes());
  ejecucion_->MuestraOpciones(programa_.ajustes());
}

void frmInicial::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  if (!primeraVez_) return;
  primeraVez_ = false;
  // Once the window is on screen, not while it is being shown.
  QTimer::singleShot(0, this, &frmInicial::PrimeraVista);
}

void frmInicial::PrimeraVista() {
  try {
    configuracion_->AplicaSalenTodosEnLista(programa_.SalenTodosEnLista());
    if (!ValidaAcceso()) {
      emit PrimeraVistaTerminada(false);
      return;
    }
    ejecucion_->MuestraActProgramada(configuracion_->Automatico());
    MuestraUltimaSubida();
  } catch (const std::exception& e) {
    operador_.MensajeSimple(e.what(), Botones::kCritico, "Error");
    emit PrimeraVistaTerminada(false);
    return;
  }
  emit PrimeraVistaTerminada(true);
  // The timer starts with a user at the desk: a scheduled run never happens
  // before the login.
  if (configuracion_->Automatico()) GenerarArchivos(false);
  IniciaTemporizador();
}

bool frmInicial::ValidaAcceso() {
  CredencialesVentana ventana(this);
  clsAcceso acceso(operador_, ventana);
  if (!acceso.PuedeEntrar(programa_.bd(), programa_.segunda(), Permisos::kEntrar)) return false;
  programa_.FijaUsuario(acceso.Usuario());
  ejecucion_->MuestraComandos(Permisos::De(acceso.Modulos()));
  return true;
}

void frmInicial::MuestraUltimaSubida() {
  const Ajustes::Campo& c = *Ajustes::BuscaCampo("UltimaSubida");
  const std::string sello = programa_.configuracion().LeeIniConDefecto(c.seccion, c.clave, c.porOmision);
  ejecucion_->setUltSubida(textoqt::AQt(Publicacion::TextoUltimaSubida(sello)));
}

std::vector<std::string> frmInicial::Series(std::string_view prefijo) {
  try {
    return programa_.LlenaSeries(prefijo);
  } catch (const ErrorTravesa& e) {
    operador_.Mensaje(e.what(), Botones::kCritico, "Error");
    return {};
  }
}

void frmInicial::VendedorElegido(const QString& clave) {
  try {
    ejecucion_->setNombreVendedor(textoqt::AQt(programa_.NombreVendedor(textoqt::DeQt(clave))));
  } catch (const ErrorTravesa& e) {
    operador_.Mensaje(e.what(), Botones::kCritico, "Error");
  }
}

void frmInicial::IniciaTemporizador() {
  if (configuracion_->Automatico()) timer1_.start();
}

void frmInicial::Tic() {
  if (!timer1_.isActive()) return;
  if (!contador_.Tic(textoqt::DeQt(configuracion_->Minutos()))) return;
  GenerarArchivos(false);
}

void frmInicial::cmdGenerar() {
  if (!Confirmar(operador_, "¿Desea generar los archivos XML según los datos indicados?", kTituloGenerar)) return;
  GenerarArchivos(true);
}

void frmInicial::GenerarArchivos(bool mostrarMensaje) {
  timer1_.stop();
  const Ajustes a = AjustesConSitioDeLaPagina();
  const std::string vendedor = textoqt::DeQt(ejecucion_->Vendedor());
  Publicacion::Resultado r;
  // A seller that does not exist would publish an empty customers file.
  if (Trabaja([&] {
        if (!Publicacion::VendedorValido(programa_, operador_, vendedor, kTituloGenerar)) return;
        // The window stays open for days; the server may have dropped an idle connection.
        programa_.AseguraConexiones();
        r = Publicacion::GenerarArchivos(programa_, operador_, a, vendedor, false);
      })) {
    // The window is enabled again before anything is said.
    if (r.ok && mostrarMensaje) Publicacion::MuestraExito(operador_);
    if (mostrarMensaje) Publicacion::MuestraGuardados(operador_, r, kTituloGenerar);
    Publicacion::MuestraFalla(operador_, r, kTituloGenerar);
  }
  if (r.ok) {
    ejecucion_->MuestraActProgramada(configuracion_->Automatico());
    ejecucion_->setUltSubida(textoqt::AQt(Publicacion::TextoUltimaSubida(r.sello)));
    if (configuracion_->Automatico()) ejecucion_->setActProgramada(textoqt::AQt(r.proxima));
  }
  ejecucion_->EnfocaVendedores();
  IniciaTemporizador();
  emit PublicacionTerminada(r.ok);
}

Ajustes frmInicial::AjustesConSitioDeLaPagina() const {
  Ajustes a = programa_.ajustes();
  a.ftpSitio = textoqt::DeQt(configuracion_->Sitio());
  a.ftpUsuario = textoqt::DeQt(configuracion_->Usuario());
  a.FTPcontraseña = textoqt::DeQt(configuracion_->Contrasena());
  a.FTPcarpeta = textoqt::DeQt(configuracion_->Carpeta());
  return a;
}

// The read run: customers and sales off the window's thread, the final
// message over the enabled window, then the transfer (its question and
// download) off the thread again, and the summary under the commands.
void frmInicial::cmdLeer() {
  if (!LecturaDeArchivos::Confirma(operador_)) return;
  timer1_.stop();
  ejecucion_->setResumen({});
  const Ajustes a = AjustesConSitioDeLaPagina();
  LecturaDeArchivos lectura(programa_, operador_, clsDescargarSQLs::kEsperaDelBloqueo);
  ResumenLectura resumen;
  bool descargado = false;
  const bool sinError = Trabaja([&] {
    programa_.AseguraConexiones();
    descargado = lectura.Descargar(a, resumen);
  });
  if (sinError && descargado) {
    lectura.MensajeFinal(resumen);
    Trabaja([&] { lectura.Terminar(a, resumen); });
  }
  if (sinError && descargado) ejecucion_->setResumen(textoqt::AQt(ResumenEnTabla::Texto(resumen)));
  ejecucion_->EnfocaVendedores();
  IniciaTemporizador();
  emit LecturaTerminada(sinError && resumen.Correcto());
}

void frmInicial::cmdBorrar() {
  if (!BorradoDeVentas::Confirma(operador_)) return;
  timer1_.stop();
  const Ajustes a = AjustesConSitioDeLaPagina();
  BorradoDeVentas::Resultado r;
  if (Trabaja([&] { r = BorradoDeVentas::EjecutaBorrado(programa_, operador_, a); }))
    BorradoDeVentas::MensajeFinal(operador_, r);
  ejecucion_->EnfocaVendedores();
  IniciaTemporizador();
}

// The download runs off the window's thread; the review window then reads the
// files and works on the window's thread. The timer waits meanwhile, so no
// publish run shares the connection with the review.
void frmInicial::cmdPagos() {
  if (!DescargaDePagos::Pregunta(operador_)) return;
  timer1_.stop();
  const Ajustes a = AjustesConSitioDeLaPagina();
  const std::string vendedor = textoqt::DeQt(ejecucion_->Vendedor());
  DescargaDePagos::Resultado r;
  const bool terminado = Trabaja([&] {
    programa_.AseguraConexiones();
    r = DescargaDePagos::Descargar(programa_, operador_, a, vendedor);
  });
  if (terminado && !r.ok) DescargaDePagos::AvisaFalla(programa_, operador_);
  if (terminado && r.ok) {
    DescargaDePagos::AvisaNoDescargados(operador_, r);
    try {
      frmLeerPagos revision(programa_, operador_, *r.bitacora, vendedor, this);
      revision.exec();
    } catch (const ErrorTravesa& e) {
      operador_.Mensaje(e.what(), Botones::kCritico, "Error");
    }
  }
  ejecucion_->EnfocaVendedores();
  IniciaTemporizador();
}

void frmInicial::Configurar() {
  timer1_.stop();
  // What the page shows now, to tell later what the operator changed.
  alAbrir_ = programa_.ajustes();
  configuracion_->LeeEn(alAbrir_);
  stbTabs_->setTabVisible(kPaginaConfiguracion, true);
  stbTabs_->setTabVisible(kPaginaEjecucion, false);
  stbTabs_->setCurrentIndex(kPaginaConfiguracion);
  configuracion_->EnfocaSitio();
}

// Leaving the page without saving: what was typed is dropped (after a
// question, when something was changed), so that no job ever uses settings
// that were not saved and the page shows them again.
void frmInicial::Regresar() {
  Ajustes enPagina = programa_.ajustes();
  configuracion_->LeeEn(enPagina);
  const std::vector<std::string> cambiados = ReglasAjustes::Distintos(alAbrir_, enPagina);
  if (!cambiados.empty()) {
    std::string lista;
    for (const std::string& c : cambiados) lista += (lista.empty() ? "«" : ", «") + c + "»";
    if (!Confirmar(operador_,
                   "Hay cambios de la configuración que no se grabaron (" + lista +
                       "). ¿Desea regresar sin grabarlos? Se conservará la configuración grabada.",
                   "Regresar"))
      return;
  }
  configuracion_->MuestraFTP(programa_.ajustes());
  MuestraOpciones();
  VuelveAEjecucion();
}

void frmInicial::VuelveAEjecucion() {
  configuracion_->AlSalir();
  stbTabs_->setTabVisible(kPaginaEjecucion, true);
  stbTabs_->setTabVisible(kPaginaConfiguracion, false);
  stbTabs_->setCurrentIndex(kPaginaEjecucion);
  IniciaTemporizador();
}

void frmInicial::Grabar() {
  configuracion_->NormalizaCarpeta();
  Ajustes a = programa_.ajustes();
  configuracion_->LeeEn(a);
  try {
    programa_.configuracion().Grabar(a);
  } catch (const ErrorTravesa& e) {
    operador_.Mensaje(e.what(), Botones::kCritico, "Error");
    return;
  }
  programa_.ajustes() = a;
  ejecucion_->MuestraActProgramada(configuracion_->Automatico());
  MuestraOpciones();
  VuelveAEjecucion();
  ejecucion_->EnfocaVendedores();
}

void frmInicial::Probar() {
  const std::string sitio = textoqt::DeQt(configuracion_->Sitio());
  const std::string usuario = textoqt::DeQt(configuracion_->Usuario());
  const std::string contrasena = textoqt::DeQt(configuracion_->Contrasena());
  const std::string carpeta = textoqt::DeQt(configuracion_->Carpeta());
  const bool verificar = programa_.ajustes().VerificarCertificado != "N";
  PruebaConexion::Resultado r;
  configuracion_->MuestraProbando(configuracion_->Sitio());
  const bool termino = Trabaja([&] { r = PruebaConexion::Probar(sitio, usuario, contrasena, carpeta, verificar); });
  configuracion_->TerminaProbando();
  if (!termino) return;
  operador_.Mensaje(r.mensaje, r.botones, r.titulo);
}

bool frmInicial::Trabaja(const std::function<void()>& trabajo) {
  Ocupada(true);
  std::string error;
  try {
    TrabajoEnHilo::Ejecuta(trabajo);
  } catch (const std::exception& e) {
    error = e.what();
  }
  Ocupada(false);
  if (error.empty()) return true;
  operador_.Mensaje(error, Botones::kCritico, "Error");
  return false;
}

void frmInicial::Ocupada(bool ocupada) {
  if (ocupada) {
    ejecucion_->IniciaAviso();
    contenido_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return;
  }
  ejecucion_->TerminaAviso();
  contenido_->setEnabled(true);
  QApplication::restoreOverrideCursor();
}

// The window system's close box minimises; any other request (CerrarVentana,
// Alt+F4, the program ending) asks first, unless started with "/sinlogin".
void frmInicial::closeEvent(QCloseEvent* evento) {
  if (evento->spontaneous()) {
    evento->ignore();
    showMinimized();
    return;
  }
  if (TrabajoEnHilo::EnCurso() ||
      (!opciones_.sinLogin && !Confirmar(operador_, "¿Desea cerrar este programa?", "Finalizar"))) {
    evento->ignore();
    return;
  }
  timer1_.stop();
  if (descripcion_) descripcion_->close();
  GuardaPosicion();
  evento->accept();
}

// The window opens where it was left, as the description window does.
void frmInicial::LeePosicion() {
  try {
    PosicionDeVentana::LeePosicion(*this, programa_.ini(), true);
  } catch (const std::exception& e) {
    Bitacora::Advierte(e.what());
  }
}

void frmInicial::GuardaPosicion() {
  // A window collapsed to its bar is remembered as it was before.
  if (restaurarForma_->isVisible()) Restaurar();
  try {
    PosicionDeVentana::GuardaPosicion(*this, programa_.ini(), true);
  } catch (const std::exception& e) {
    // A place not remembered is no reason to keep the program open.
    Bitacora::Advierte(e.what());
  }
}

void frmInicial::mouseDoubleClickEvent(QMouseEvent* evento) {
  QWidget::mouseDoubleClickEvent(evento);
  EditarIni();
}

void frmInicial::Encoger() { Encogimiento::EncogerVentana(*this, *contenido_, *restaurarForma_); }

void frmInicial::Restaurar() { Encogimiento::RestaurarVentana(*this, *contenido_, *restaurarForma_); }

void frmInicial::MuestraDescripcion() {
  if (!descripcion_) descripcion_ = new frmDescripcion(programa_.ini(), this);
  descripcion_->show();
  descripcion_->raise();
}

void frmInicial::EditarIni() { programa_.EditaIni(); }

}  // namespace travesa
