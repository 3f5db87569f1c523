#include "gui/TablaDeResumen.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/ConNombre.h"
#include "gui/TextoQt.h"
#include "sales/ResumenEnTabla.h"
#include "shell/Formatos.h"

namespace travesa {
namespace {

constexpr const char* kFondoDesconocido = "#fff0c2";
constexpr const char* kFondoFallida = "#f8d0d0";
constexpr const char* kTextoFallida = "#7a0000";

// A cell that sorts by the value it stands for (a number, an ISO date), not
// by the text it shows.
class Celda : public QTableWidgetItem {
 public:
  explicit Celda(const QString& texto, QVariant orden = {}) : QTableWidgetItem(texto) {
    setData(Qt::UserRole, orden.isValid() ? orden : QVariant(texto));
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  }
  bool operator<(const QTableWidgetItem& otra) const override {
    const QVariant a = data(Qt::UserRole);
    const QVariant b = otra.data(Qt::UserRole);
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double) return a.toDouble() < b.toDouble();
    return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
  }
};

QString PrimeraLinea(const std::string& texto) { return textoqt::AQt(texto.substr(0, texto.find('\n'))); }

void Pinta(QTableWidget* t, int renglon, const char* fondo, const char* letra = nullptr) {
  for (int c = 0; c < t->columnCount(); ++c) {
    QTableWidgetItem* item = t->item(renglon, c);
    if (item == nullptr) continue;
    item->setBackground(QColor(QString::fromLatin1(fondo)));
    if (letra != nullptr) item->setForeground(QColor(QString::fromLatin1(letra)));
  }
}

QLabel* Rotulo(const char* nombre, QWidget* padre, bool fijo = false) {
  auto* l = ConNombre(new QLabel(padre), nombre);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  if (fijo) l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  return l;
}

}  // namespace

TablaDeResumen::TablaDeResumen(QWidget* padre)
    : QWidget(padre),
      lblCuentas_(Rotulo("lblCuentas", this)),
      tblVentas_(ConNombre(new QTableWidget(this), "tblResumen")),
      lblTotales_(Rotulo("lblTotales", this)),
      lblOtros_(Rotulo("lblOtros", this, true)),
      cmdCopiar_(ConNombre(new QPushButton(QStringLiteral("C&opiar"), this), "cmdCopiar")) {
  setObjectName(QStringLiteral("TablaDeResumen"));
  tblVentas_->setColumnCount(kColumnas);
  tblVentas_->setHorizontalHeaderLabels({QStringLiteral("Estado"), QStringLiteral("Fecha"), QStringLiteral("Documento"),
                                         QStringLiteral("Serie"), QStringLiteral("Folio"), QStringLiteral("Cliente"),
                                         QStringLiteral("Nombre"), QStringLiteral("Total"), QStringLiteral("Archivo"),
                                         QStringLiteral("Motivo")});
  tblVentas_->verticalHeader()->setVisible(false);
  tblVentas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblVentas_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblVentas_->setTabKeyNavigation(false);
  tblVentas_->horizontalHeader()->setStretchLastSection(true);
  tblVentas_->setWordWrap(false);
  lblTotales_->setStyleSheet(QStringLiteral("font-weight: bold;"));
  cmdCopiar_->setAutoDefault(false);
  cmdCopiar_->setToolTip(QStringLiteral("Copia el resumen como texto"));
  auto* arriba = new QHBoxLayout;
  arriba->addWidget(lblCuentas_, 1);
  arriba->addWidget(cmdCopiar_, 0, Qt::AlignTop);
  auto* todo = new QVBoxLayout(this);
  todo->setContentsMargins(0, 0, 0, 0);
  todo->addLayout(arriba);
  todo->addWidget(tblVentas_, 1);
  todo->addWidget(lblTotales_);
  todo->addWidget(lblOtros_);
  connect(cmdCopiar_, &QPushButton::clicked, this, &TablaDeResumen::Copia);
  Limpia();
}

void TablaDeResumen::Limpia() {
  tblVentas_->setRowCount(0);
  texto_.clear();
  hide();
}

void TablaDeResumen::Muestra(const ResumenLectura& r) {
  Limpia();
  texto_ = textoqt::AQt(ResumenEnTabla::Texto(r));
  tblVentas_->setSortingEnabled(false);
  if (!r.conectado) {
    lblCuentas_->setText(texto_.trimmed());
    tblVentas_->hide();
    lblTotales_->hide();
    lblOtros_->hide();
    show();
    return;
  }
  lblCuentas_->setText(textoqt::AQt(ResumenEnTabla::Cuentas(r.ventas)).trimmed());
  AgregaPosteadas(r.ventas);
  AgregaFallidas(r.ventas);
  tblVentas_->setVisible(tblVentas_->rowCount() > 0);
  tblVentas_->resizeColumnsToContents();
  tblVentas_->setSortingEnabled(true);
  const QString totales = textoqt::AQt(ResumenEnTabla::TextoDeTotales(r.ventas)).trimmed();
  lblTotales_->setText(totales);
  lblTotales_->setVisible(!totales.isEmpty());
  std::string otros = ResumenEnTabla::TextoDeClientes(r);
  for (const ResultadoTraspaso& t : r.traspasos)
    otros +=
        (t.guardado.empty() ? std::string() : "[" + t.guardado + "] ") + ResumenEnTabla::TextoDelTraspaso(t) + "\n";
  lblOtros_->setText(textoqt::AQt(otros).trimmed());
  lblOtros_->setVisible(!otros.empty());
  show();
}

void TablaDeResumen::AgregaPosteadas(const ResultadoVentas& v) {
  for (const VentaPosteada& p : v.posteadas) {
    const int r = tblVentas_->rowCount();
    tblVentas_->insertRow(r);
    tblVentas_->setItem(
        r, kEstado,
        new Celda(p.clienteDesconocido ? QStringLiteral("Cliente desconocido") : QStringLiteral("Grabada")));
    tblVentas_->setItem(r, kFecha, new Celda(textoqt::AQt(ResumenEnTabla::Dia(p.fecha)), textoqt::AQt(p.fecha)));
    tblVentas_->setItem(r, kDocumento, new Celda(textoqt::AQt(p.tipo)));
    tblVentas_->setItem(r, kSerie, new Celda(textoqt::AQt(p.serie)));
    auto* folio = new Celda(QString::number(p.folio), static_cast<double>(p.folio));
    folio->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tblVentas_->setItem(r, kFolio, folio);
    tblVentas_->setItem(r, kCliente, new Celda(textoqt::AQt(p.cliente)));
    tblVentas_->setItem(r, kNombre, new Celda(textoqt::AQt(p.nombre)));
    auto* total = new Celda(textoqt::AQt(formatos::Moneda(p.total)), p.total);
    total->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tblVentas_->setItem(r, kTotal, total);
    tblVentas_->setItem(r, kArchivo, new Celda(textoqt::AQt(p.archivo)));
    tblVentas_->setItem(
        r, kMotivo, new Celda(p.clienteDesconocido ? QStringLiteral("El cliente no existe en Norvento") : QString()));
    if (p.clienteDesconocido) Pinta(tblVentas_, r, kFondoDesconocido);
  }
}

void TablaDeResumen::AgregaFallidas(const ResultadoVentas& v) {
  for (const VentaFallida& f : v.fallidas) {
    const int r = tblVentas_->rowCount();
    tblVentas_->insertRow(r);
    tblVentas_->setItem(r, kEstado, new Celda(QStringLiteral("No se grabó")));
    tblVentas_->setItem(
        r, kFecha,
        new Celda(textoqt::AQt(ResumenEnTabla::Dia(f.fecha) + " " + f.hora), textoqt::AQt(f.fecha + " " + f.hora)));
    for (int c : {kDocumento, kSerie, kNombre}) tblVentas_->setItem(r, c, new Celda(QString()));
    tblVentas_->setItem(r, kFolio, new Celda(QString(), -1.0));
    tblVentas_->setItem(r, kTotal, new Celda(QString(), -1.0));
    tblVentas_->setItem(r, kCliente, new Celda(textoqt::AQt(f.cliente)));
    tblVentas_->setItem(r, kArchivo, new Celda(textoqt::AQt(f.archivo)));
    tblVentas_->setItem(r, kMotivo, new Celda(PrimeraLinea(f.motivo)));
    Pinta(tblVentas_, r, kFondoFallida, kTextoFallida);
  }
}

void TablaDeResumen::Copia() { QGuiApplication::clipboard()->setText(texto_); }

}  // namespace travesa
