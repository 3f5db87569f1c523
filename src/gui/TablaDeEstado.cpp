#include "gui/TablaDeEstado.h"

#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/ConNombre.h"
#include "gui/TextoQt.h"
#include "ledger/HistorialSqlite.h"
#include "sales/ResumenEnTabla.h"
#include "shell/Programa.h"
#include "shell/host/Bitacora.h"

namespace travesa {
namespace {

constexpr const char* kFondoSenalado = "#f8d0d0";
constexpr const char* kTextoSenalado = "#7a0000";
constexpr const char* kFondoEnEspera = "#fff0c2";
constexpr int kRenglonesALaVista = 5;

QTableWidgetItem* Celda(const QString& texto, bool numero = false) {
  auto* c = new QTableWidgetItem(texto);
  c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (numero) c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return c;
}

// "09/dic/2026 15:29" of "2026-12-09 15:29:42".
// "09/dic 15:29" of "2026-12-09 15:29:42" (with the year when it is not this one).
QString Momento(const std::string& momento, const char* sinNada) {
  if (momento.size() < 16) return QString::fromUtf8(sinNada);
  std::string dia = ResumenEnTabla::Dia(momento.substr(0, 10));
  const bool esteAno = QString::fromStdString(momento.substr(0, 4)).toInt() == QDate::currentDate().year();
  if (esteAno && dia.size() > 5) dia.resize(dia.size() - 5);
  return textoqt::AQt(dia + " " + momento.substr(11, 5));
}

void Pinta(QTableWidget* t, int renglon, const char* fondo, const char* letra = nullptr) {
  for (int c = 0; c < t->columnCount(); ++c) {
    t->item(renglon, c)->setBackground(QColor(QString::fromLatin1(fondo)));
    if (letra != nullptr) t->item(renglon, c)->setForeground(QColor(QString::fromLatin1(letra)));
  }
}

}  // namespace

TablaDeEstado::TablaDeEstado(QWidget* padre)
    : QWidget(padre),
      lblEstado_(ConNombre(new QLabel(QStringLiteral("Los vendedores de un vistazo"), this), "lblEstado")),
      tblEstado_(ConNombre(new QTableWidget(this), "tblEstado")) {
  setObjectName(QStringLiteral("TablaDeEstado"));
  lblEstado_->setStyleSheet(QStringLiteral("font-weight: bold;"));
  tblEstado_->setColumnCount(kColumnas);
  // Titles of two lines, so the table fits beside the commands.
  tblEstado_->setHorizontalHeaderLabels({QStringLiteral("Vendedor"), QStringLiteral("Nombre"),
                                         QStringLiteral("Último\narchivo"), QStringLiteral("Catálogo\npublicado"),
                                         QStringLiteral("En el\nsitio"), QStringLiteral("Pagos\nen espera"),
                                         QStringLiteral("Aviso")});
  tblEstado_->verticalHeader()->setVisible(false);
  tblEstado_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblEstado_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblEstado_->setTabKeyNavigation(false);
  tblEstado_->setFocusPolicy(Qt::NoFocus);
  // The names take what the other columns leave, so the table is never wider than the page.
  tblEstado_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tblEstado_->horizontalHeader()->setSectionResizeMode(kNombre, QHeaderView::Stretch);
  tblEstado_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tblEstado_->setTextElideMode(Qt::ElideRight);
  tblEstado_->verticalHeader()->setDefaultSectionSize(tblEstado_->fontMetrics().height() + 6);
  tblEstado_->setWordWrap(false);
  auto* todo = new QVBoxLayout(this);
  todo->setContentsMargins(0, 0, 0, 0);
  todo->addWidget(lblEstado_);
  todo->addWidget(tblEstado_);
  hide();
}

// A ledger that cannot be read hides the table: the jobs go on without it,
// and the start-up already told why.
void TablaDeEstado::Actualiza(Programa& programa) {
  try {
    const int horas = ConsultaDelHistorial::HorasSinEnviar(programa);
    Muestra(ConsultaDelHistorial::Estado(BaseDelHistorial(programa), programa.Vendedores(), horas), horas);
  } catch (const std::exception& e) {
    Bitacora::Advierte(e.what());
    hide();
  }
}

void TablaDeEstado::Muestra(const std::vector<ConsultaDelHistorial::EstadoDeVendedor>& estado, int horas) {
  tblEstado_->setRowCount(0);
  const std::string lectura = estado.empty() ? std::string() : estado.front().ultimaLectura;
  lblEstado_->setText(
      QStringLiteral("Los vendedores de un vistazo (última lectura: %1)").arg(Momento(lectura, "ninguna")));
  for (const ConsultaDelHistorial::EstadoDeVendedor& e : estado) {
    const int r = tblEstado_->rowCount();
    tblEstado_->insertRow(r);
    tblEstado_->setItem(r, kVendedor, Celda(textoqt::AQt(e.clave)));
    tblEstado_->setItem(r, kNombre, Celda(textoqt::AQt(e.nombre)));
    tblEstado_->setItem(r, kUltimoArchivo, Celda(Momento(e.ultimoArchivo, "ninguno")));
    tblEstado_->setItem(r, kPublicado, Celda(Momento(e.publicado, "nunca")));
    tblEstado_->setItem(r, kEnSitio, Celda(QString::number(e.enSitio), true));
    tblEstado_->setItem(r, kPagos, Celda(QString::number(e.pagosEnEspera), true));
    tblEstado_->setItem(r, kAviso, Celda(e.senalado ? QStringLiteral("Sin archivos en %1 h").arg(horas) : QString()));
    if (e.senalado)
      Pinta(tblEstado_, r, kFondoSenalado, kTextoSenalado);
    else if (e.enSitio > 0 || e.pagosEnEspera > 0)
      Pinta(tblEstado_, r, kFondoEnEspera);
    QStringList detalle;
    for (const std::string& d : e.dispositivos) detalle << textoqt::AQt(d);
    if (!detalle.isEmpty()) tblEstado_->item(r, kUltimoArchivo)->setToolTip(detalle.join(QLatin1Char('\n')));
  }
  const int renglones = std::min(tblEstado_->rowCount(), kRenglonesALaVista);
  const int alto = tblEstado_->horizontalHeader()->sizeHint().height() +
                   renglones * tblEstado_->verticalHeader()->defaultSectionSize() + 2 * tblEstado_->frameWidth();
  tblEstado_->setFixedHeight(alto);
  setVisible(!estado.empty());
}

}  // namespace travesa
