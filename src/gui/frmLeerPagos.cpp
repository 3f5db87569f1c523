#include "gui/frmLeerPagos.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/ConNombre.h"
#include "gui/RejaEditable.h"
#include "gui/TextoQt.h"
#include "gui/TrabajoEnHilo.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

using R = RevisionDePagos;

constexpr int kAncho = 1240;
constexpr int kAlto = 480;
// Widths (twips) the window gives beyond the review's own: the row numbers
// the questions name, and when the payment was collected.
constexpr int kAnchoDelNumero = 600;
constexpr int kAnchoFechaPago = 1400;
constexpr int kAnchoHoraPago = 1100;

int AnchoEnVentana(int columna) {
  switch (columna) {
    case R::kSelector:
      return kAnchoDelNumero;
    case R::kFechaPago:
      return kAnchoFechaPago;
    case R::kHoraPago:
      return kAnchoHoraPago;
    default:
      return R::Columnas()[static_cast<std::size_t>(columna)].ancho;
  }
}

QLabel* Suma(const char* nombre, QWidget* padre) {
  auto* l = ConNombre(new QLabel(QStringLiteral("0.00"), padre), nombre);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setMinimumWidth(R::Columnas()[R::kSaldo].ancho / RejaQt::kTwipsPorPixel);
  return l;
}

}  // namespace

frmLeerPagos::frmLeerPagos(Programa& programa, Operador& operador, BitacoraDeArchivos& bitacora,
                           std::string_view vendedor, QWidget* padre)
    : QDialog(padre),
      revision_(programa, operador),
      operador_(operador),
      mhgReja_(ConNombre(new QTableWidget(this), "mhgReja")),
      cmdAplicar_(ConNombre(new QPushButton(QStringLiteral("&Aplicar pagos"), this), "cmdAplicar")),
      cmdCerrar_(ConNombre(new QPushButton(QStringLiteral("&Cerrar"), this), "cmdCerrar")),
      Label1_(ConNombre(new QLabel(textoqt::AQt(R::kAvisoCero), this), "Label1")),
      Label2_(ConNombre(new QLabel(textoqt::AQt(R::kAvisoAplicando), this), "Label2")),
      lblSuma_{Suma("lblSuma0", this), Suma("lblSuma1", this)} {
  setObjectName(QStringLiteral("frmLeerPagos"));
  setWindowTitle(QStringLiteral("Aplicación de pagos"));
  setModal(true);
  cmdAplicar_->setAutoDefault(false);
  cmdCerrar_->setAutoDefault(false);
  Label2_->setVisible(false);
  auto* pie = new QHBoxLayout;
  pie->addWidget(Label1_);
  pie->addWidget(Label2_);
  pie->addStretch();
  pie->addWidget(new QLabel(QStringLiteral("Saldo:"), this));
  pie->addWidget(lblSuma_[0]);
  pie->addWidget(new QLabel(QStringLiteral("A pagar:"), this));
  pie->addWidget(lblSuma_[1]);
  pie->addWidget(cmdAplicar_);
  pie->addWidget(cmdCerrar_);
  auto* todo = new QVBoxLayout(this);
  todo->addWidget(mhgReja_);
  todo->addLayout(pie);
  resize(kAncho, kAlto);
  connect(cmdAplicar_, &QPushButton::clicked, this, &frmLeerPagos::cmdAplicar);
  connect(cmdCerrar_, &QPushButton::clicked, this, &QDialog::close);
  PreparaReja();
  revision_.Carga(bitacora, vendedor);
  Llena();
  // A deleted row leaves the totals at once; an edit goes through Totaliza.
  connect(mhgReja_->model(), &QAbstractItemModel::rowsRemoved, this, [this] { Totales(); });
}

frmLeerPagos::~frmLeerPagos() = default;

bool frmLeerPagos::HayPagos() const { return !revision_.Renglones().empty(); }

void frmLeerPagos::PreparaReja() {
  mhgReja_->setColumnCount(R::kColumnas);
  mhgReja_->setRowCount(0);
  mhgReja_->verticalHeader()->setVisible(false);
  mhgReja_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the grid for the buttons; the arrows move between cells.
  mhgReja_->setTabKeyNavigation(false);
  reja_ = std::make_unique<RejaEditable>(mhgReja_, operador_);
  for (int c = 0; c < R::kColumnas; ++c) {
    const auto& def = R::Columnas()[static_cast<std::size_t>(c)];
    const Qt::Alignment alineacion = (def.derecha ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
    reja_->qt().Columna(c, QString::fromUtf8(def.titulo), AnchoEnVentana(c), alineacion);
  }
  metodos_.Validador("Validar", [this](const std::string& t, int r, int c) { return Validar(t, r, c); });
  metodos_.Celda("Totaliza", [this](int r, int c) { Totaliza(r, c); });
  EdicionGrid& g = reja_->edicion();
  g.ObjetoDeMetodos(metodos_);
  g.AgregarRenglones(false);
  // The rows are numbered, as the question of a deletion names them.
  g.Numerar(true);
  // No key filter: a letter typed reaches Validar, which refuses it with its
  // message instead of dropping it unseen.
  g.AgregaColumna(R::kAPagar, TipoDeEditor::kTexto, "", 0, "#,0.00", "", "Validar", {}, {}, 0, "Totaliza");
}

void frmLeerPagos::Llena() {
  const auto& renglones = revision_.Renglones();
  RejaQt& q = reja_->qt();
  q.FijaRenglones(static_cast<int>(renglones.size()) + 1);
  for (std::size_t i = 0; i < renglones.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    q.FijaTexto(r, R::kSelector, std::to_string(r));
    for (int c = 1; c < R::kColumnas; ++c) q.FijaTexto(r, c, renglones[i][static_cast<std::size_t>(c)]);
    q.PintaRenglon(r);
  }
  if (!renglones.empty()) q.VeA(1, R::kAPagar);
}

// First activation: an empty review has nothing to apply.
void frmLeerPagos::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (!primeraActivacion_) return;
  primeraActivacion_ = false;
  if (reja_->qt().Renglones() == 1) cmdAplicar_->setEnabled(false);
  Totales();
  mhgReja_->setFocus();
}

void frmLeerPagos::Totales() {
  const auto renglones = Renglones();
  lblSuma_[0]->setText(textoqt::AQt(R::Total(renglones, R::kSaldo)));
  lblSuma_[1]->setText(textoqt::AQt(R::Total(renglones, R::kAPagar)));
}

std::vector<RevisionDePagos::Renglon> frmLeerPagos::Renglones() const {
  std::vector<R::Renglon> renglones;
  const RejaQt& q = reja_->qt();
  for (int r = 1; r < q.Renglones(); ++r) {
    R::Renglon renglon;
    for (int c = 0; c < R::kColumnas; ++c) renglon[static_cast<std::size_t>(c)] = q.Texto(r, c);
    renglones.push_back(std::move(renglon));
  }
  return renglones;
}

bool frmLeerPagos::Validar(const std::string& stTexto, int renglon, int columna) {
  (void)columna;
  return revision_.Validar(stTexto, reja_->qt().Texto(renglon, R::kSaldo));
}

void frmLeerPagos::Totaliza(int renglon, int columna) {
  (void)renglon;
  (void)columna;
  Totales();
}

// The posting runs off the window's thread; the window waits, repainting.
void frmLeerPagos::cmdAplicar() {
  if (!revision_.PreguntaAplicar()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Label1_->setVisible(false);
  Label2_->setVisible(true);
  setEnabled(false);
  const auto renglones = Renglones();
  ResultadoAplicacion r;
  std::string error;
  try {
    TrabajoEnHilo::Ejecuta([&] { r = revision_.Aplicar(renglones); });
  } catch (const std::exception& e) {
    error = e.what();
  }
  setEnabled(true);
  Label2_->setVisible(false);
  QApplication::restoreOverrideCursor();
  if (!error.empty()) {
    Label1_->setVisible(true);
    operador_.Mensaje(error, Botones::kCritico, "Error");
    return;
  }
  cmdAplicar_->setEnabled(false);
  revision_.AvisaAplicados(r);
  accept();
}

void frmLeerPagos::reject() {
  if (!revision_.PuedeCerrar()) return;
  QDialog::reject();
}

}  // namespace travesa
