#include "gui/PaginaEjecucion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>


#include "gui/ConNombre.h"
#include "gui/LegibleSinHabilitar.h"
#include "gui/NavegacionConTeclas.h"
#include "gui/TextoQt.h"
#include "gui/ValidadorDeClaves.h"

namespace travesa {
namespace {

constexpr int kEscalaDeBarra = 1000;
constexpr int kAnchoDeVendedores = 120;
constexpr int kAnchoDelNombre = 260;
constexpr int kAltoDeComando = 32;
constexpr int kAnchoDeComandos = 180;
constexpr int kAnchoDelAviso = 200;
constexpr int kAnchoDeLaBarra = 160;

QLabel* Etiqueta(const char* nombre, QWidget* padre, const QString& texto = {}) {
  return ConNombre(new QLabel(texto, padre), nombre);
}

QPushButton* Comando(const QString& texto, const char* nombre, QWidget* padre) {
  QPushButton* boton = ConNombre(new QPushButton(texto, padre), nombre);
  boton->setMinimumHeight(kAltoDeComando);
  boton->hide();
  return boton;
}

}  // namespace

PaginaEjecucion::PaginaEjecucion(QWidget* padre)
    : QWidget(padre),
      dtcVendedores_(ConNombre(new QComboBox(this), "dtcVendedores")),
      validador_(new ValidadorDeClaves(this)),
      lblNombre_(Etiqueta("lblEtiq1", this)),
      lblMuestra_(Etiqueta("lblMuestra", this)),
      lblUltSubida_(Etiqueta("lblUltSubida", this)),
      lblActProgramada_(Etiqueta("lblActProgramada", this)),
      lblWMS_(Etiqueta("lblWMS", this, QStringLiteral("Conectado con WMS"))),
      lblAviso_(Etiqueta("lblAviso", this)),
      barAviso_(ConNombre(new QProgressBar(this), "barAviso")),
      txtResumen_(ConNombre(new QPlainTextEdit(this), "txtResumen")),
      cmdGenerar_(Comando(QStringLiteral("&Generar archivos"), "cmdGenerar", this)),
      cmdLeer_(Comando(QStringLiteral("&Leer archivos"), "cmdLeer", this)),
      cmdPagos_(Comando(QStringLiteral("Aplicar &pagos"), "cmdPagos", this)),
      cmdBorrar_(Comando(QStringLiteral("Borrar archivos"), "cmdBorrar", this)),
      cmdConfigurar_(Comando(QStringLiteral("&Configurar conexión"), "cmdConfigurar", this)) {
  setObjectName(QStringLiteral("Ejecucion"));
  dtcVendedores_->setEditable(true);
  dtcVendedores_->setInsertPolicy(QComboBox::NoInsert);
  // Only the list's own codes can be typed; without inline completion, which
  // would put the first code in place of a refused letter.
  dtcVendedores_->setValidator(validador_);
  dtcVendedores_->setCompleter(nullptr);
  dtcVendedores_->setMinimumWidth(kAnchoDeVendedores);
  auto* teclas = new NavegacionConTeclas(this);
  teclas->AvanzaConEnter(dtcVendedores_);
  teclas->AvanzaConEnter(dtcVendedores_->lineEdit());
  for (QPushButton* b : {cmdGenerar_, cmdLeer_, cmdPagos_, cmdBorrar_, cmdConfigurar_}) teclas->PulsaConEnter(b);
  lblNombre_->setMinimumWidth(kAnchoDelNombre);
  lblWMS_->setStyleSheet(QStringLiteral("color: #1a6b2f; font-weight: bold;"));
  lblUltSubida_->setWordWrap(true);
  lblAviso_->hide();
  lblAviso_->setMinimumWidth(kAnchoDelAviso);
  LegibleSinHabilitar(lblAviso_);
  LegibleSinHabilitar(barAviso_);
  barAviso_->setRange(0, kEscalaDeBarra);
  barAviso_->setTextVisible(false);
  barAviso_->setMaximumWidth(kAnchoDeLaBarra);
  barAviso_->hide();
  txtResumen_->setReadOnly(true);
  txtResumen_->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtResumen_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  txtResumen_->setFocusPolicy(Qt::ClickFocus);
  txtResumen_->hide();

  auto* vendedor = new QHBoxLayout;
  vendedor->addWidget(Etiqueta("lblEtiq0", this, QStringLiteral("Vendedor:")));
  vendedor->addWidget(dtcVendedores_);
  vendedor->addWidget(lblNombre_, 1);

  auto* datos = new QVBoxLayout;
  datos->addLayout(vendedor);
  datos->addSpacing(12);
  datos->addWidget(lblMuestra_);
  datos->addSpacing(8);
  datos->addWidget(lblUltSubida_);
  datos->addWidget(lblActProgramada_);
  datos->addStretch();
  datos->addWidget(lblWMS_);

  auto* arriba = new QHBoxLayout;
  arriba->addLayout(datos, 1);
  arriba->addWidget(CreaComandos());

  auto* aviso = new QHBoxLayout;
  aviso->addWidget(lblAviso_, 1);
  aviso->addWidget(barAviso_);

  auto* todo = new QVBoxLayout(this);
  todo->addLayout(arriba, 1);
  todo->addWidget(txtResumen_, 2);
  todo->addLayout(aviso);
  todo->addWidget(CreaOpcionesGuardadas());

  connect(dtcVendedores_, &QComboBox::currentTextChanged, this,
          [this](const QString& clave) { emit VendedorElegido(clave.trimmed()); });
  connect(cmdGenerar_, &QPushButton::clicked, this, &PaginaEjecucion::Generar);
  connect(cmdLeer_, &QPushButton::clicked, this, &PaginaEjecucion::Leer);
  connect(cmdPagos_, &QPushButton::clicked, this, &PaginaEjecucion::Pagos);
  connect(cmdBorrar_, &QPushButton::clicked, this, &PaginaEjecucion::Borrar);
  connect(cmdConfigurar_, &QPushButton::clicked, this, &PaginaEjecucion::Configurar);
}

QWidget* PaginaEjecucion::CreaComandos() {
  auto* panel = new QWidget(this);
  auto* columna = new QVBoxLayout(panel);
  columna->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* b : {cmdGenerar_, cmdLeer_, cmdPagos_, cmdBorrar_, cmdConfigurar_}) columna->addWidget(b);
  columna->addStretch();
  panel->setMinimumWidth(kAnchoDeComandos);
  return panel;
}

// The options as last saved; the jobs read them here, never from the
// settings page the operator may be editing.
QWidget* PaginaEjecucion::CreaOpcionesGuardadas() {
  auto* frame1 = ConNombre(new QGroupBox(QStringLiteral(" Movimientos a generar "), this), "Frame1");
  optTickets_ = ConNombre(new QRadioButton(QStringLiteral("Tickets (punto de venta)"), frame1), "optTickets");
  optPedidos_ = ConNombre(new QRadioButton(QStringLiteral("Pedidos"), frame1), "optPedidos");
  optRemisiones_ = ConNombre(new QRadioButton(QStringLiteral("Remisiones"), frame1), "OptRemisiones");
  chkDomics_ = ConNombre(new QCheckBox(QStringLiteral("Enviar domicilios de clientes"), frame1), "chkDomics");
  chkSinExist_ =
      ConNombre(new QCheckBox(QStringLiteral("Pasar productos aunque no tengan existencia"), frame1), "chkSinExist");
  chkConPresentacion_ = ConNombre(
      new QCheckBox(QStringLiteral("Concatenar presentación a la descripción de prods."), frame1), "chkConPresentacion");
  auto* lista = new QVBoxLayout(frame1);
  for (QWidget* w : std::initializer_list<QWidget*>{optTickets_, optPedidos_, optRemisiones_, chkDomics_,
                                                    chkSinExist_, chkConPresentacion_})
    lista->addWidget(w);
  frame1->hide();
  return frame1;
}

void PaginaEjecucion::LlenaVendedores(const std::vector<travesa::Vendedor>& vendedores) {
  const QSignalBlocker sinAvisar(dtcVendedores_);
  dtcVendedores_->clear();
  QStringList claves;
  for (const travesa::Vendedor& v : vendedores) claves << textoqt::AQt(v.clave);
  validador_->setClaves(claves);
  dtcVendedores_->addItems(claves);
  dtcVendedores_->setCurrentIndex(-1);
  dtcVendedores_->setEditText(QString());
}

QString PaginaEjecucion::Vendedor() const { return dtcVendedores_->currentText().trimmed(); }
void PaginaEjecucion::setNombreVendedor(const QString& nombre) { lblNombre_->setText(nombre); }
void PaginaEjecucion::EnfocaVendedores() { dtcVendedores_->setFocus(Qt::OtherFocusReason); }
void PaginaEjecucion::setMuestra(const QString& texto) { lblMuestra_->setText(texto); }
void PaginaEjecucion::setUltSubida(const QString& texto) { lblUltSubida_->setText(texto); }
void PaginaEjecucion::setActProgramada(const QString& texto) { lblActProgramada_->setText(texto); }
void PaginaEjecucion::MuestraActProgramada(bool visible) { lblActProgramada_->setVisible(visible); }

void PaginaEjecucion::MuestraComandos(const Permisos& permisos) {
  cmdConfigurar_->setVisible(permisos.configurar);
  cmdGenerar_->setVisible(permisos.generar);
  cmdLeer_->setVisible(permisos.leer);
  cmdPagos_->setVisible(permisos.pagos);
  cmdBorrar_->setVisible(permisos.borrar);
}

void PaginaEjecucion::MuestraOpciones(const Ajustes& a) {
  optTickets_->setChecked(a.TipoMovimiento == "T");
  optPedidos_->setChecked(a.TipoMovimiento == "P");
  optRemisiones_->setChecked(a.TipoMovimiento != "T" && a.TipoMovimiento != "P");
  chkDomics_->setChecked(Ajustes::Si(a.EnviarDomicilios));
  chkSinExist_->setChecked(Ajustes::Si(a.SinExistencia));
  chkConPresentacion_->setChecked(Ajustes::Si(a.ConPresentacion));
}

void PaginaEjecucion::IniciaAviso() {
  lblAviso_->clear();
  lblAviso_->show();
  barAviso_->setValue(0);
  barAviso_->hide();
}

void PaginaEjecucion::setAviso(const QString& texto) {
  lblAviso_->setText(texto);
  lblAviso_->setVisible(!texto.isEmpty());
}

void PaginaEjecucion::setProgreso(qint64 actual, qint64 total) {
  if (total <= 0 || actual > total) return;
  barAviso_->setValue(static_cast<int>(actual * kEscalaDeBarra / total));
  barAviso_->show();
}

void PaginaEjecucion::TerminaAviso() {
  lblAviso_->clear();
  lblAviso_->hide();
  barAviso_->hide();
}

void PaginaEjecucion::setResumen(const QString& texto) {
  txtResumen_->setPlainText(texto);
  txtResumen_->setVisible(!texto.isEmpty());
}

QString PaginaEjecucion::Resumen() const { return txtResumen_->toPlainText(); }

}  // namespace travesa
