#include "gui/PaginaEjecucion.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/ComboDeVendedores.h"
#include "gui/ConNombre.h"
#include "gui/NavegacionConTeclas.h"
#include "gui/TablaDeEstado.h"
#include "gui/TablaDeResumen.h"

namespace travesa {
namespace {

constexpr int kAnchoDeVendedores = 260;
constexpr int kAnchoDelNombre = 200;
constexpr int kAltoDeComando = 32;
constexpr int kAnchoDeComandos = 180;

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
      dtcVendedores_(ConNombre(new ComboDeVendedores(true, this), "dtcVendedores")),
      lblNombre_(Etiqueta("lblEtiq1", this)),
      lblAlcance_(Etiqueta("lblAlcance", this,
                           QStringLiteral("«Generar archivos» y la generación automática publicarán solo los "
                                          "clientes de este vendedor."))),
      lblMuestra_(Etiqueta("lblMuestra", this)),
      lblUltSubida_(Etiqueta("lblUltSubida", this)),
      lblActProgramada_(Etiqueta("lblActProgramada", this)),
      lblWMS_(Etiqueta("lblWMS", this, QStringLiteral("Conectado con WMS"))),
      estado_(new TablaDeEstado(this)),
      resumen_(new TablaDeResumen(this)),
      cmdGenerar_(Comando(QStringLiteral("&Generar archivos"), "cmdGenerar", this)),
      cmdLeer_(Comando(QStringLiteral("&Leer archivos"), "cmdLeer", this)),
      cmdPagos_(Comando(QStringLiteral("Aplicar &pagos"), "cmdPagos", this)),
      cmdBorrar_(Comando(QStringLiteral("&Borrar archivos"), "cmdBorrar", this)),
      cmdConfigurar_(Comando(QStringLiteral("&Configurar conexión"), "cmdConfigurar", this)),
      cmdHistorial_(Comando(QStringLiteral("&Historial"), "cmdHistorial", this)),
      cmdLiquidacion_(Comando(QStringLiteral("Liquidación del &día"), "cmdLiquidacion", this)) {
  setObjectName(QStringLiteral("Ejecucion"));
  // Only the list's sellers can be chosen (typing a code's first letters
  // finds it): a code that is not one of them would publish an empty
  // customers file.
  dtcVendedores_->setMinimumWidth(kAnchoDeVendedores);
  auto* teclas = new NavegacionConTeclas(this);
  teclas->AvanzaConEnter(dtcVendedores_);
  for (QPushButton* b : Comandos()) teclas->PulsaConEnter(b);
  lblNombre_->setMinimumWidth(kAnchoDelNombre);
  lblAlcance_->setWordWrap(true);
  lblAlcance_->setStyleSheet(QStringLiteral("color: #8a5a00;"));
  lblAlcance_->hide();
  lblWMS_->setStyleSheet(QStringLiteral("color: #1a6b2f; font-weight: bold;"));
  lblWMS_->hide();
  lblUltSubida_->setWordWrap(true);

  auto* vendedor = new QHBoxLayout;
  vendedor->addWidget(Etiqueta("lblEtiq0", this, QStringLiteral("Vendedor:")));
  vendedor->addWidget(dtcVendedores_);
  vendedor->addWidget(lblNombre_, 1);

  auto* datos = new QVBoxLayout;
  datos->addLayout(vendedor);
  datos->addWidget(lblAlcance_);
  datos->addSpacing(12);
  datos->addWidget(lblMuestra_);
  datos->addSpacing(8);
  datos->addWidget(lblUltSubida_);
  datos->addWidget(lblActProgramada_);
  datos->addSpacing(8);
  datos->addWidget(estado_);
  datos->addStretch();
  datos->addWidget(lblWMS_);

  auto* arriba = new QHBoxLayout;
  arriba->addLayout(datos, 1);
  arriba->addWidget(CreaComandos());

  auto* todo = new QVBoxLayout(this);
  todo->addLayout(arriba, 1);
  todo->addWidget(resumen_, 3);
  todo->addWidget(CreaOpcionesGuardadas());

  connect(dtcVendedores_, &ComboDeVendedores::currentIndexChanged, this, [this] {
    lblAlcance_->setVisible(!Vendedor().isEmpty());
    emit VendedorElegido(Vendedor());
  });
  connect(cmdGenerar_, &QPushButton::clicked, this, &PaginaEjecucion::Generar);
  connect(cmdLeer_, &QPushButton::clicked, this, &PaginaEjecucion::Leer);
  connect(cmdPagos_, &QPushButton::clicked, this, &PaginaEjecucion::Pagos);
  connect(cmdBorrar_, &QPushButton::clicked, this, &PaginaEjecucion::Borrar);
  connect(cmdConfigurar_, &QPushButton::clicked, this, &PaginaEjecucion::Configurar);
  connect(cmdHistorial_, &QPushButton::clicked, this, &PaginaEjecucion::Historial);
  connect(cmdLiquidacion_, &QPushButton::clicked, this, &PaginaEjecucion::Liquidacion);
}

std::vector<QPushButton*> PaginaEjecucion::Comandos() const {
  return {cmdGenerar_, cmdLeer_, cmdPagos_, cmdBorrar_, cmdConfigurar_, cmdHistorial_, cmdLiquidacion_};
}

QWidget* PaginaEjecucion::CreaComandos() {
  auto* panel = new QWidget(this);
  auto* columna = new QVBoxLayout(panel);
  columna->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* b : Comandos()) columna->addWidget(b);
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
  chkConPresentacion_ =
      ConNombre(new QCheckBox(QStringLiteral("Concatenar presentación a la descripción de prods."), frame1),
                "chkConPresentacion");
  auto* lista = new QVBoxLayout(frame1);
  for (QWidget* w : std::initializer_list<QWidget*>{optTickets_, optPedidos_, optRemisiones_, chkDomics_, chkSinExist_,
                                                    chkConPresentacion_})
    lista->addWidget(w);
  frame1->hide();
  return frame1;
}

void PaginaEjecucion::LlenaVendedores(const std::vector<travesa::Vendedor>& vendedores) {
  dtcVendedores_->Llena(vendedores);
  lblAlcance_->hide();
}

QString PaginaEjecucion::Vendedor() const { return dtcVendedores_->Clave(); }
QString PaginaEjecucion::VendedorConNombre() const { return dtcVendedores_->ClaveConNombre(); }
void PaginaEjecucion::SeleccionaVendedor(const QString& clave) { dtcVendedores_->Selecciona(clave); }
void PaginaEjecucion::setNombreVendedor(const QString& nombre) { lblNombre_->setText(nombre); }
void PaginaEjecucion::EnfocaVendedores() { dtcVendedores_->setFocus(Qt::OtherFocusReason); }
// Each line from its first letter, so that "Servidor:" and "Base de datos:"
// stand one under the other.
void PaginaEjecucion::setMuestra(const QString& texto) {
  QStringList lineas = texto.split(QLatin1Char('\n'));
  for (QString& l : lineas) l = l.trimmed();
  lblMuestra_->setText(lineas.join(QLatin1Char('\n')));
}
void PaginaEjecucion::setUltSubida(const QString& texto) { lblUltSubida_->setText(texto); }
void PaginaEjecucion::setActProgramada(const QString& texto) { lblActProgramada_->setText(texto); }
void PaginaEjecucion::MuestraActProgramada(bool visible) { lblActProgramada_->setVisible(visible); }
void PaginaEjecucion::MuestraConectado(bool conectado) { lblWMS_->setVisible(conectado); }

void PaginaEjecucion::MuestraComandos(const Permisos& permisos) {
  cmdConfigurar_->setVisible(permisos.configurar);
  cmdGenerar_->setVisible(permisos.generar);
  cmdLeer_->setVisible(permisos.leer);
  cmdPagos_->setVisible(permisos.pagos);
  cmdBorrar_->setVisible(permisos.borrar);
  // The ledger tells what the read runs did: the same right as `travesa historial`.
  cmdHistorial_->setVisible(permisos.leer);
  cmdLiquidacion_->setVisible(permisos.leer);
}

void PaginaEjecucion::MuestraOpciones(const Ajustes& a) {
  optTickets_->setChecked(a.TipoMovimiento == "T");
  optPedidos_->setChecked(a.TipoMovimiento == "P");
  optRemisiones_->setChecked(a.TipoMovimiento != "T" && a.TipoMovimiento != "P");
  chkDomics_->setChecked(Ajustes::Si(a.EnviarDomicilios));
  chkSinExist_->setChecked(Ajustes::Si(a.SinExistencia));
  chkConPresentacion_->setChecked(Ajustes::Si(a.ConPresentacion));
}

void PaginaEjecucion::MuestraResumen(const ResumenLectura& resumen) { resumen_->Muestra(resumen); }

void PaginaEjecucion::LimpiaResumen() { resumen_->Limpia(); }

void PaginaEjecucion::ActualizaEstado(Programa& programa) { estado_->Actualiza(programa); }

}  // namespace travesa
