#include "gui/frmInicial.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSizeGrip>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ftp/PruebaConexion.h"
#include "gui/ArrastreConRaton.h"
#include "gui/AvanceDelTrabajo.h"
#include "gui/CredencialesVentana.h"
#include "gui/EncabezadoVentana.h"
#include "gui/Encogimiento.h"
#include "gui/MenuUno.h"
#include "gui/OperadorVentana.h"
#include "gui/PaginaConfiguracion.h"
#include "gui/PaginaEjecucion.h"
#include "gui/PaginaHistorial.h"
#include "gui/PaginaLiquidacion.h"
#include "gui/PosicionDeVentana.h"
#include "gui/TextoQt.h"
#include "gui/TrabajoEnHilo.h"
#include "gui/frmDescripcion.h"
#include "gui/frmLeerPagos.h"
#include "payments/DescargaDePagos.h"
#include "publish/Publicacion.h"
#include "sales/BorradoDeVentas.h"
#include "sales/LecturaDeArchivos.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/Dialogos.h"
#include "shell/Interrupcion.h"
#include "shell/Permisos.h"
#include "shell/ReglasAjustes.h"
#include "shell/clsAcceso.h"
#include "shell/host/Bitacora.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr const char* kTitulo = "Travesa";
constexpr int kAnchoDeDiseno = 820;
constexpr int kAltoDeDiseno = 560;
constexpr int kPaginaEjecucion = 0;
constexpr int kPaginaConfiguracion = 1;
constexpr int kPaginaHistorial = 2;
constexpr int kPaginaLiquidacion = 3;
constexpr std::string_view kTituloGenerar = "Generar archivos";
// The seller last chosen, in the window's own section of the INI file.
constexpr std::string_view kClaveVendedor = "Vendedor";

}  // namespace

frmInicial::frmInicial(Programa& programa, OperadorVentana& operador, Opciones opciones)
    : programa_(programa), operador_(operador), opciones_(opciones) {
  setObjectName(QStringLiteral("frmInicial"));
  // The header is the window's frame: a frame of the system would add a
  // second title bar, and its close box could not be told from Alt+F4.
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
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
  ejecucion_->SeleccionaVendedor(
      textoqt::AQt(libNalda::LeeIni(textoqt::DeQt(objectName()), kClaveVendedor, programa_.ini())));
  const BasesDD& bd = programa_.bd();
  ejecucion_->setMuestra(textoqt::AQt(" Servidor: " + bd.cRuta + "\r" + "  Base de datos: " + bd.cMiBase));
  configuracion_->MuestraFTP(programa_.ajustes());
  MuestraOpciones();
  MuestraPagina(kPaginaEjecucion);
  resize(kAnchoDeDiseno, kAltoDeDiseno);
  // The window opens where it was left, as the description window does.
  PosicionDeVentana::LeePosicion(*this, programa_.ini(), true);
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
  // The long settings page scrolls, so the window can be made smaller than it.
  auto* desplazable = new QScrollArea(stbTabs_);
  desplazable->setWidget(configuracion_);
  desplazable->setWidgetResizable(true);
  desplazable->setFrameShape(QFrame::NoFrame);
  stbTabs_->addTab(ejecucion_, QStringLiteral("Ejecución"));
  stbTabs_->addTab(desplazable, QStringLiteral("Configuración"));
  historial_ = new PaginaHistorial(programa_, stbTabs_);
  liquidacion_ = new PaginaLiquidacion(programa_, stbTabs_);
  stbTabs_->addTab(historial_, QStringLiteral("Historial"));
  stbTabs_->addTab(liquidacion_, QStringLiteral("Liquidación del día"));
  auto* columna = new QVBoxLayout(contenido);
  columna->setContentsMargins(0, 0, 0, 0);
  columna->setSpacing(0);
  columna->addWidget(encabezado_);
  auto* margen = new QVBoxLayout;
  margen->setContentsMargins(8, 8, 8, 0);
  margen->addWidget(stbTabs_, 1);
  columna->addLayout(margen, 1);
  columna->addWidget(CreaPie(contenido));
  return contenido;
}

// Under the pages: the running job's progress, and the grip that resizes the window.
QWidget* frmInicial::CreaPie(QWidget* padre) {
  auto* pie = new QWidget(padre);
  avance_ = new AvanceDelTrabajo(pie);
  auto* agarradera = new QSizeGrip(pie);
  agarradera->setObjectName(QStringLiteral("Agarradera"));
  auto* fila = new QHBoxLayout(pie);
  // The grip in the very corner, where a window's edge would be taken.
  fila->setContentsMargins(8, 4, 0, 0);
  fila->addWidget(avance_, 1);
  fila->addWidget(agarradera, 0, Qt::AlignBottom | Qt::AlignRight);
  return pie;
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
  connect(&operador_, &OperadorVentana::AvisoCambiado, avance_, &AvanceDelTrabajo::setAviso);
  connect(&operador_, &OperadorVentana::ProgresoCambiado, avance_, &AvanceDelTrabajo::setProgreso);
  connect(avance_, &AvanceDelTrabajo::Cancelar, this, &frmInicial::Cancela);
  connect(ejecucion_, &PaginaEjecucion::VendedorElegido, this, &frmInicial::VendedorElegido);
  connect(ejecucion_, &PaginaEjecucion::Generar, this, &frmInicial::cmdGenerar);
  connect(ejecucion_, &PaginaEjecucion::Leer, this, &frmInicial::cmdLeer);
  connect(ejecucion_, &PaginaEjecucion::Borrar, this, &frmInicial::cmdBorrar);
  connect(ejecucion_, &PaginaEjecucion::Pagos, this, &frmInicial::cmdPagos);
  connect(ejecucion_, &PaginaEjecucion::Configurar, this, &frmInicial::Configurar);
  connect(ejecucion_, &PaginaEjecucion::Historial, this, &frmInicial::VerHistorial);
  connect(ejecucion_, &PaginaEjecucion::Liquidacion, this, &frmInicial::VerLiquidacion);
  connect(historial_, &PaginaHistorial::Regresar, this, &frmInicial::VuelveAEjecucion);
  connect(liquidacion_, &PaginaLiquidacion::Regresar, this, &frmInicial::VuelveAEjecucion);
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
    ejecucion_->MuestraConectado(true);
    ejecucion_->MuestraActProgramada(configuracion_->Automatico());
    MuestraUltimaSubida();
    ejecucion_->ActualizaEstado(programa_);
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

// A user without the right to enter is told so, and the login asks again: the
// one at the desk may log in as another user, or close.
bool frmInicial::ValidaAcceso() {
  CredencialesVentana ventana(this);
  while (true) {
    clsAcceso acceso(operador_, ventana);
    if (acceso.PuedeEntrar(programa_.bd(), programa_.segunda(), Permisos::kEntrar)) {
      programa_.FijaUsuario(acceso.Usuario());
      ejecucion_->MuestraComandos(Permisos::De(acceso.Modulos()));
      return true;
    }
    // No user found: the login was closed.
    if (acceso.Usuario().empty()) return false;
  }
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
  RecuerdaVendedor();
  if (clave.isEmpty()) {
    ejecucion_->setNombreVendedor({});
    return;
  }
  try {
    ejecucion_->setNombreVendedor(textoqt::AQt(programa_.NombreVendedor(textoqt::DeQt(clave))));
  } catch (const ErrorTravesa& e) {
    operador_.Mensaje(e.what(), Botones::kCritico, "Error");
  }
}

void frmInicial::RecuerdaVendedor() {
  try {
    libNalda::EscribeIni(textoqt::DeQt(objectName()), kClaveVendedor, textoqt::DeQt(ejecucion_->Vendedor()),
                         programa_.ini());
  } catch (const std::exception& e) {
    Bitacora::Advierte(e.what());
  }
}

QString frmInicial::ParaElVendedor() const {
  const QString vendedor = ejecucion_->VendedorConNombre();
  return vendedor.isEmpty() ? QString() : QStringLiteral(" para el vendedor ") + vendedor;
}

void frmInicial::IniciaTemporizador() {
  if (configuracion_->Automatico()) timer1_.start();
}

void frmInicial::Tic() {
  if (!timer1_.isActive()) return;
  if (!contador_.Tic(textoqt::DeQt(configuracion_->Minutos()))) return;
  GenerarArchivos(false);
}

// With a seller chosen the catalogue holds only that seller's customers; the
// question says so.
void frmInicial::cmdGenerar() {
  std::string pregunta = "¿Desea generar los archivos XML según los datos indicados?";
  const QString vendedor = ejecucion_->VendedorConNombre();
  if (!vendedor.isEmpty())
    pregunta += "\r\n\r\nVendedor: " + textoqt::DeQt(vendedor) +
                ". El archivo de clientes tendrá solo los clientes de este vendedor.";
  if (!Confirmar(operador_, pregunta, kTituloGenerar)) return;
  GenerarArchivos(true);
}

void frmInicial::GenerarArchivos(bool mostrarMensaje) {
  timer1_.stop();
  const Ajustes a = AjustesConSitioDeLaPagina();
  const std::string vendedor = textoqt::DeQt(ejecucion_->Vendedor());
  Publicacion::Resultado r;
  // A seller that does not exist would publish an empty customers file.
  if (Trabaja(QStringLiteral("Generando los archivos del catálogo") + ParaElVendedor(), [&] {
        if (!Publicacion::VendedorValido(programa_, operador_, vendedor, kTituloGenerar)) return;
        // The window stays open for days; the server may have dropped an idle connection.
        programa_.AseguraConexiones();
        r = Publicacion::GenerarArchivos(programa_, operador_, a, vendedor, false);
      })) {
    // The window is enabled again before anything is said.
    if (r.Completo() && mostrarMensaje) Publicacion::MuestraExito(operador_);
    if (mostrarMensaje) Publicacion::MuestraGuardados(operador_, r, kTituloGenerar);
    Publicacion::MuestraFalla(operador_, r, kTituloGenerar);
  }
  if (r.Completo()) {
    ejecucion_->MuestraActProgramada(configuracion_->Automatico());
    ejecucion_->setUltSubida(textoqt::AQt(Publicacion::TextoUltimaSubida(r.sello)));
    if (configuracion_->Automatico()) ejecucion_->setActProgramada(textoqt::AQt(r.proxima));
  }
  ejecucion_->EnfocaVendedores();
  IniciaTemporizador();
  emit PublicacionTerminada(r.Completo());
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
  ejecucion_->LimpiaResumen();
  const Ajustes a = AjustesConSitioDeLaPagina();
  LecturaDeArchivos lectura(programa_, operador_, clsDescargarSQLs::kEsperaDelBloqueo);
  ResumenLectura resumen;
  bool descargado = false;
  lectura.AbreEnHistorial();
  const bool sinError = Trabaja(QStringLiteral("Leyendo los archivos de ventas del sitio"), [&] {
    programa_.AseguraConexiones();
    descargado = lectura.Descargar(a, resumen);
  });
  bool terminada = sinError;
  if (sinError && descargado) {
    lectura.MensajeFinal(resumen);
    terminada = Trabaja(QStringLiteral("Leyendo el inventario sobrante de los teléfonos"),
                        [&] { lectura.Terminar(a, resumen); });
  }
  lectura.CierraEnHistorial(descargado, terminada, resumen);
  // Also after «Cancelar»: what was posted before it stays posted.
  if (descargado) ejecucion_->MuestraResumen(resumen);
  ejecucion_->EnfocaVendedores();
  IniciaTemporizador();
  emit LecturaTerminada(sinError && resumen.Completo());
}

void frmInicial::cmdBorrar() {
  if (!BorradoDeVentas::Confirma(operador_)) return;
  timer1_.stop();
  const Ajustes a = AjustesConSitioDeLaPagina();
  BorradoDeVentas::Resultado r;
  if (Trabaja(QStringLiteral("Borrando los archivos de ventas del sitio"),
              [&] { r = BorradoDeVentas::EjecutaBorrado(programa_, operador_, a); }))
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
  const bool terminado = Trabaja(QStringLiteral("Descargando los archivos de pagos") + ParaElVendedor(), [&] {
    programa_.AseguraConexiones();
    r = DescargaDePagos::Descargar(programa_, operador_, a, vendedor);
  });
  if (terminado && !r.conectado) DescargaDePagos::AvisaFalla(programa_, operador_);
  if (terminado && r.conectado) {
    DescargaDePagos::AvisaNoDescargados(operador_, r);
    try {
      frmLeerPagos revision(programa_, operador_, *r.bitacora, vendedor, this);
      // Nothing to review is said, instead of an empty window.
      if (revision.HayPagos())
        revision.exec();
      else
        operador_.Mensaje(vendedor.empty() ? std::string("No hay pagos por aplicar")
                                           : "No hay pagos por aplicar del vendedor " +
                                                 textoqt::DeQt(ejecucion_->VendedorConNombre()) + ".",
                          Botones::kInformacion, "Aplicación de pagos");
    } catch (const ErrorTravesa& e) {
      operador_.Mensaje(e.what(), Botones::kCritico, "Error");
    }
    ejecucion_->ActualizaEstado(programa_);  // the review decided payments after the job
  }
  ejecucion_->EnfocaVendedores();
  IniciaTemporizador();
}

void frmInicial::Configurar() {
  timer1_.stop();
  // What the page shows now, to tell later what the operator changed.
  alAbrir_ = programa_.ajustes();
  configuracion_->LeeEn(alAbrir_);
  MuestraPagina(kPaginaConfiguracion);
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
  MuestraPagina(kPaginaEjecucion);
  IniciaTemporizador();
}

void frmInicial::MuestraPagina(int pagina) {
  stbTabs_->setTabVisible(pagina, true);
  stbTabs_->setCurrentIndex(pagina);
  for (int i = 0; i < stbTabs_->count(); ++i) stbTabs_->setTabVisible(i, i == pagina);
}

// The ledger's pages open on today and the seller of the run page; the timer
// goes on meanwhile.
void frmInicial::VerHistorial() {
  historial_->Abre(ejecucion_->Vendedor());
  MuestraPagina(kPaginaHistorial);
}

void frmInicial::VerLiquidacion() {
  liquidacion_->Abre(ejecucion_->Vendedor());
  MuestraPagina(kPaginaLiquidacion);
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
  operador_.Mensaje("La configuración se grabó.", Botones::kInformacion, "Grabar");
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
  const bool termino = Trabaja(QStringLiteral("Probando la conexión con el sitio FTP"),
                               [&] { r = PruebaConexion::Probar(sitio, usuario, contrasena, carpeta, verificar); });
  configuracion_->TerminaProbando();
  if (!termino) return;
  operador_.Mensaje(r.mensaje, r.botones, r.titulo);
}

bool frmInicial::Trabaja(const QString& titulo, const std::function<void()>& trabajo) {
  Interrupcion::Olvida();
  cancelado_ = false;
  Ocupada(true, titulo);
  std::string error;
  try {
    TrabajoEnHilo::Ejecuta(trabajo);
  } catch (const std::exception& e) {
    error = e.what();
  }
  Ocupada(false);
  operador_.Calla(false);
  Interrupcion::Olvida();
  ejecucion_->ActualizaEstado(programa_);
  if (cancelado_) {
    // What the stop caused is no news to the one who asked for it.
    if (!error.empty()) Bitacora::Advierte(error);
    operador_.Mensaje("Se canceló: " + textoqt::DeQt(titulo) +
                          ".\r\nLo que ya se había terminado queda hecho; lo que estaba a medias no se tomó "
                          "y puede hacerse de nuevo.",
                      Botones::kExclamacion, "Cancelado");
    return false;
  }
  if (error.empty()) return true;
  operador_.Mensaje(error, Botones::kCritico, "Error");
  return false;
}

// «Cancelar»: the job's FTP transfers end at once (every FTP client looks at
// the program's stop flag) and what it would still ask or say is not shown.
void frmInicial::Cancela() {
  if (!TrabajoEnHilo::EnCurso() || cancelado_) return;
  cancelado_ = true;
  operador_.Calla(true);
  Interrupcion::Pide();
  avance_->Cancelando();
}

void frmInicial::Ocupada(bool ocupada, const QString& titulo) {
  if (ocupada) {
    avance_->Inicia(titulo);
    encabezado_->setEnabled(false);
    stbTabs_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return;
  }
  avance_->Termina();
  encabezado_->setEnabled(true);
  stbTabs_->setEnabled(true);
  QApplication::restoreOverrideCursor();
}

// Every close request asks first (the header's "×", Alt+F4, the window
// manager's, the program ending), unless started with "/sinlogin". Under a
// window manager Alt+F4 arrives as the manager's request; the window has no
// close box of the system that would have to minimise instead.
void frmInicial::closeEvent(QCloseEvent* evento) {
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

void frmInicial::GuardaPosicion() {
  // A window collapsed to its bar is remembered as it was before.
  if (restaurarForma_->isVisible()) Restaurar();
  PosicionDeVentana::GuardaPosicion(*this, programa_.ini(), true);
}

// Minimised by the window manager, the window would be lost where no task bar
// shows it: it becomes its bar instead, as with the header's "_".
void frmInicial::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  if (evento->type() != QEvent::WindowStateChange || !isMinimized()) return;
  QTimer::singleShot(0, this, [this] {
    if (!isMinimized()) return;
    showNormal();
    if (!restaurarForma_->isVisible()) Encoger();
  });
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
