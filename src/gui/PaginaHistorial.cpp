#include "gui/PaginaHistorial.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/CampoDeDia.h"
#include "gui/ComboDeVendedores.h"
#include "gui/ConNombre.h"
#include "gui/TextoQt.h"
#include "ledger/HistorialSqlite.h"
#include "sales/ResumenEnTabla.h"
#include "shell/Formatos.h"

namespace travesa {
namespace {

constexpr const char* kFondoEnSitio = "#fff0c2";
constexpr const char* kFondoFallida = "#f8d0d0";
constexpr const char* kTextoFallida = "#7a0000";
constexpr const char* kTextoSinConfirmar = "#707070";

QString T(const std::string& texto) { return textoqt::AQt(texto); }

// "hh:mm:ss" of "yyyy-mm-dd hh:mm:ss".
QString Hora(const std::string& momento) { return T(momento.size() > 11 ? momento.substr(11) : momento); }

QString QueCorrida(const std::string& tipo) {
  if (tipo == "leer") return QStringLiteral("Lectura de ventas");
  if (tipo == "pagos") return QStringLiteral("Aplicación de pagos");
  if (tipo == "generar") return QStringLiteral("Publicación del catálogo");
  if (tipo == "borrar") return QStringLiteral("Borrado de archivos");
  return T(tipo);
}

QTreeWidgetItem* Renglon(QTreeWidgetItem* padre, const QStringList& textos) {
  auto* r = new QTreeWidgetItem(padre, textos);
  r->setTextAlignment(PaginaHistorial::kTotal, Qt::AlignRight | Qt::AlignVCenter);
  return r;
}

void Pinta(QTreeWidgetItem* r, const char* fondo, const char* letra = nullptr) {
  for (int c = 0; c < PaginaHistorial::kColumnas; ++c) {
    if (fondo != nullptr) r->setBackground(c, QColor(QString::fromLatin1(fondo)));
    if (letra != nullptr) r->setForeground(c, QColor(QString::fromLatin1(letra)));
  }
}

}  // namespace

PaginaHistorial::PaginaHistorial(Programa& programa, QWidget* padre)
    : QWidget(padre),
      programa_(programa),
      dtpDia_(ConNombre(new CampoDeDia(this), "dtpDiaHistorial")),
      cmbVendedor_(ConNombre(new ComboDeVendedores(true, this), "cmbVendedorHistorial")),
      txtBuscar_(ConNombre(new QLineEdit(this), "txtBuscar")),
      cmdMostrar_(ConNombre(new QPushButton(QStringLiteral("&Mostrar"), this), "cmdMostrar")),
      lblCuentas_(ConNombre(new QLabel(this), "lblCuentasHistorial")),
      arbCorridas_(ConNombre(new QTreeWidget(this), "arbCorridas")),
      cmdRegresar_(ConNombre(new QPushButton(QStringLiteral("&Regresar"), this), "cmdRegresarHistorial")) {
  setObjectName(QStringLiteral("Historial"));
  txtBuscar_->setPlaceholderText(QStringLiteral("archivo, folio o cliente"));
  txtBuscar_->setClearButtonEnabled(true);
  arbCorridas_->setColumnCount(kColumnas);
  arbCorridas_->setHeaderLabels({QStringLiteral("Corrida, archivo o documento"), QStringLiteral("Vendedor"),
                                 QStringLiteral("Cliente"), QStringLiteral("Total"), QStringLiteral("Qué pasó"),
                                 QStringLiteral("Detalle")});
  arbCorridas_->setUniformRowHeights(true);
  arbCorridas_->setAlternatingRowColors(true);
  arbCorridas_->header()->setStretchLastSection(true);
  lblCuentas_->setWordWrap(true);
  auto* abajo = new QHBoxLayout;
  abajo->addWidget(lblCuentas_, 1);
  abajo->addWidget(cmdRegresar_);
  auto* todo = new QVBoxLayout(this);
  todo->addWidget(CreaFiltros());
  todo->addWidget(arbCorridas_, 1);
  todo->addLayout(abajo);
  connect(dtpDia_, &CampoDeDia::dateChanged, this, &PaginaHistorial::Muestra);
  connect(cmbVendedor_, &ComboDeVendedores::currentIndexChanged, this, &PaginaHistorial::Muestra);
  connect(txtBuscar_, &QLineEdit::returnPressed, this, &PaginaHistorial::Muestra);
  connect(cmdMostrar_, &QPushButton::clicked, this, &PaginaHistorial::Muestra);
  connect(cmdRegresar_, &QPushButton::clicked, this, &PaginaHistorial::Regresar);
}

QWidget* PaginaHistorial::CreaFiltros() {
  auto* filtros = new QWidget(this);
  auto* fila = new QHBoxLayout(filtros);
  fila->setContentsMargins(0, 0, 0, 0);
  const auto rotulo = [filtros](const QString& texto, QWidget* campo) {
    auto* l = new QLabel(texto, filtros);
    l->setBuddy(campo);
    return l;
  };
  fila->addWidget(rotulo(QStringLiteral("&Día:"), dtpDia_));
  fila->addWidget(dtpDia_);
  fila->addSpacing(12);
  fila->addWidget(rotulo(QStringLiteral("&Vendedor:"), cmbVendedor_));
  fila->addWidget(cmbVendedor_);
  fila->addSpacing(12);
  fila->addWidget(rotulo(QStringLiteral("&Buscar:"), txtBuscar_));
  fila->addWidget(txtBuscar_, 1);
  fila->addWidget(cmdMostrar_);
  return filtros;
}

void PaginaHistorial::Abre(const QString& vendedor) {
  {
    const QSignalBlocker sinDia(dtpDia_);
    const QSignalBlocker sinVendedor(cmbVendedor_);
    dtpDia_->Hoy();
    cmbVendedor_->Recarga(programa_, vendedor);
    txtBuscar_->clear();
  }
  Muestra();
  dtpDia_->setFocus(Qt::OtherFocusReason);
}

void PaginaHistorial::Muestra() {
  arbCorridas_->clear();
  const std::string dia = dtpDia_->Dia();
  std::vector<ConsultaDelHistorial::Corrida> corridas;
  try {
    corridas = ConsultaDelHistorial::Corridas(BaseDelHistorial(programa_), dia, textoqt::DeQt(cmbVendedor_->Clave()),
                                              textoqt::DeQt(txtBuscar_->text().trimmed()));
  } catch (const std::exception& e) {
    lblCuentas_->setText(T(e.what()));
    return;
  }
  int archivos = 0, documentos = 0;
  for (const ConsultaDelHistorial::Corrida& c : corridas) {
    AgregaCorrida(c);
    archivos += static_cast<int>(c.archivos.size());
    for (const auto& a : c.archivos) documentos += static_cast<int>(a.documentos.size());
  }
  arbCorridas_->expandAll();
  for (int c = 0; c < kDetalle; ++c) arbCorridas_->resizeColumnToContents(c);
  const bool filtrado = !cmbVendedor_->Clave().isEmpty() || !txtBuscar_->text().trimmed().isEmpty();
  if (corridas.empty())
    lblCuentas_->setText(
        QStringLiteral("No hay corridas registradas el %1%2.")
            .arg(T(ResumenEnTabla::Dia(dia)), filtrado ? QStringLiteral(" con lo indicado") : QString()));
  else
    lblCuentas_->setText(QStringLiteral("%1 corridas, %2 archivos y %3 documentos el %4.")
                             .arg(corridas.size())
                             .arg(archivos)
                             .arg(documentos)
                             .arg(T(ResumenEnTabla::Dia(dia))));
}

void PaginaHistorial::AgregaCorrida(const ConsultaDelHistorial::Corrida& c) {
  QString detalle = c.usuario.empty() ? QString() : QStringLiteral("usuario ") + T(c.usuario);
  if (!c.equipo.empty())
    detalle += (detalle.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("equipo ") + T(c.equipo);
  if (!c.fin.empty())
    detalle += (detalle.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("terminó a las ") + Hora(c.fin);
  auto* r = new QTreeWidgetItem(arbCorridas_, {Hora(c.inicio) + QStringLiteral("  ") + QueCorrida(c.tipo),
                                               T(c.vendedor), QString(), QString(), T(c.resultado), detalle});
  QFont negritas = r->font(kQue);
  negritas.setBold(true);
  r->setFont(kQue, negritas);
  for (const auto& a : c.archivos) AgregaArchivo(r, a);
  for (const auto& p : c.pagos) AgregaPago(r, p);
}

void PaginaHistorial::AgregaArchivo(QTreeWidgetItem* corrida, const ConsultaDelHistorial::ArchivoDeCorrida& a) {
  auto* r = Renglon(corrida, {T(a.nombre), a.vendedor.empty() ? QStringLiteral("?") : T(a.vendedor), QString(),
                              QString(), T(a.destino), T(formatos::Miles(a.tamano)) + QStringLiteral(" bytes")});
  // What did not end posted stays on the site, or in the backup folder.
  if (a.destino.rfind("grabado", 0) != 0) Pinta(r, kFondoEnSitio);
  for (const auto& d : a.documentos) {
    auto* doc = Renglon(r, {T(d.tipo + " " + (d.serie.empty() ? "" : d.serie + "-") + d.folio), QString(), T(d.cliente),
                            T(formatos::Moneda(d.total)),
                            d.confirmado ? QStringLiteral("grabado") : QStringLiteral("sin confirmar"), QString()});
    if (!d.confirmado) Pinta(doc, nullptr, kTextoSinConfirmar);
  }
  for (const auto& f : a.fallas)
    Pinta(Renglon(r, {QStringLiteral("Venta de las ") + T(f.hora), QString(), T(f.cliente), QString(),
                      QStringLiteral("no se grabó"), T(f.motivo.substr(0, f.motivo.find('\n')))}),
          kFondoFallida, kTextoFallida);
}

void PaginaHistorial::AgregaPago(QTreeWidgetItem* corrida, const ConsultaDelHistorial::PagoDeCorrida& p) {
  Renglon(corrida, {QStringLiteral("Pago a la cuenta ") + T(p.cxc), QString(), T(p.cliente),
                    T(formatos::Moneda(p.monto)), T(p.decision), T(p.archivo)});
}

}  // namespace travesa
