#include "gui/PaginaLiquidacion.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "gui/CampoDeDia.h"
#include "gui/ComboDeVendedores.h"
#include "gui/ConNombre.h"
#include "gui/DocumentoDeLiquidacion.h"
#include "gui/TextoQt.h"
#include "ledger/HistorialSqlite.h"
#include "shell/Dialogos.h"

namespace travesa {
namespace {

constexpr const char* kTituloCerrar = "Cerrar liquidación";
constexpr const char* kTituloPdf = "Guardar PDF";

QPushButton* Boton(const QString& texto, const char* nombre, QWidget* padre) {
  QPushButton* b = ConNombre(new QPushButton(texto, padre), nombre);
  b->setAutoDefault(false);
  return b;
}

QString PreguntaArchivo(QWidget* padre, const QString& sugerido) {
  return QFileDialog::getSaveFileName(padre, QStringLiteral("Guardar la liquidación en PDF"), sugerido,
                                      QStringLiteral("Documentos PDF (*.pdf)"));
}

bool PreguntaImpresora(QWidget* padre, QPrinter& impresora) {
  QPrintDialog dialogo(&impresora, padre);
  dialogo.setWindowTitle(QStringLiteral("Imprimir la liquidación"));
  return dialogo.exec() == QDialog::Accepted;
}

}  // namespace

PaginaLiquidacion::PaginaLiquidacion(Programa& programa, QWidget* padre)
    : QWidget(padre),
      programa_(programa),
      pideArchivo_([this](const QString& sugerido) { return PreguntaArchivo(this, sugerido); }),
      pideImpresora_([this](QPrinter& impresora) { return PreguntaImpresora(this, impresora); }),
      dtpDia_(ConNombre(new CampoDeDia(this), "dtpDiaLiquidacion")),
      cmbVendedor_(ConNombre(new ComboDeVendedores(false, this), "cmbVendedorLiquidacion")),
      lblCierre_(ConNombre(new QLabel(this), "lblCierre")),
      txtLiquidacion_(ConNombre(new QTextBrowser(this), "txtLiquidacion")),
      cmdImprimir_(Boton(QStringLiteral("&Imprimir"), "cmdImprimir", this)),
      cmdGuardarPdf_(Boton(QStringLiteral("&Guardar PDF"), "cmdGuardarPdf", this)),
      cmdCerrar_(Boton(QStringLiteral("&Cerrar liquidación"), "cmdCerrarLiquidacion", this)),
      cmdRegresar_(Boton(QStringLiteral("&Regresar"), "cmdRegresarLiquidacion", this)) {
  setObjectName(QStringLiteral("Liquidacion"));
  txtLiquidacion_->setOpenLinks(false);
  // The document's tables take the page's width: nothing to scroll sideways.
  txtLiquidacion_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lblCierre_->setWordWrap(true);
  auto* todo = new QVBoxLayout(this);
  todo->addWidget(CreaFiltros());
  todo->addWidget(txtLiquidacion_, 1);
  todo->addWidget(CreaBotones());
  connect(dtpDia_, &CampoDeDia::dateChanged, this, &PaginaLiquidacion::Muestra);
  connect(cmbVendedor_, &ComboDeVendedores::currentIndexChanged, this, &PaginaLiquidacion::Muestra);
  connect(cmdImprimir_, &QPushButton::clicked, this, &PaginaLiquidacion::Imprimir);
  connect(cmdGuardarPdf_, &QPushButton::clicked, this, &PaginaLiquidacion::GuardarPdf);
  connect(cmdCerrar_, &QPushButton::clicked, this, &PaginaLiquidacion::CerrarLiquidacion);
  connect(cmdRegresar_, &QPushButton::clicked, this, &PaginaLiquidacion::Regresar);
}

QWidget* PaginaLiquidacion::CreaFiltros() {
  auto* filtros = new QWidget(this);
  auto* fila = new QHBoxLayout(filtros);
  fila->setContentsMargins(0, 0, 0, 0);
  auto* vendedor = new QLabel(QStringLiteral("&Vendedor:"), filtros);
  vendedor->setBuddy(cmbVendedor_);
  auto* dia = new QLabel(QStringLiteral("&Día:"), filtros);
  dia->setBuddy(dtpDia_);
  fila->addWidget(vendedor);
  fila->addWidget(cmbVendedor_);
  fila->addSpacing(12);
  fila->addWidget(dia);
  fila->addWidget(dtpDia_);
  fila->addSpacing(12);
  fila->addWidget(lblCierre_, 1);
  return filtros;
}

QWidget* PaginaLiquidacion::CreaBotones() {
  auto* botones = new QWidget(this);
  auto* fila = new QHBoxLayout(botones);
  fila->setContentsMargins(0, 0, 0, 0);
  fila->addWidget(cmdImprimir_);
  fila->addWidget(cmdGuardarPdf_);
  fila->addWidget(cmdCerrar_);
  fila->addStretch();
  fila->addWidget(cmdRegresar_);
  return botones;
}

void PaginaLiquidacion::Abre(const QString& vendedor) {
  {
    const QSignalBlocker sinDia(dtpDia_);
    const QSignalBlocker sinVendedor(cmbVendedor_);
    dtpDia_->Hoy();
    cmbVendedor_->Recarga(programa_, vendedor);
  }
  Muestra();
  cmbVendedor_->setFocus(Qt::OtherFocusReason);
}

void PaginaLiquidacion::Muestra() {
  liquidacion_ = Liquidacion{};
  const std::string vendedor = textoqt::DeQt(cmbVendedor_->Clave());
  if (vendedor.empty()) {
    txtLiquidacion_->setPlainText(QStringLiteral("No hay vendedores en Norvento."));
    lblCierre_->clear();
    Habilita(false);
    return;
  }
  try {
    liquidacion_ =
        CalculoDeLiquidacion::Calcula(BaseDelHistorial(programa_), &programa_.principal(), vendedor, dtpDia_->Dia());
  } catch (const std::exception& e) {
    txtLiquidacion_->setPlainText(textoqt::AQt(e.what()));
    lblCierre_->clear();
    Habilita(false);
    return;
  }
  txtLiquidacion_->setHtml(DocumentoDeLiquidacion::Html(liquidacion_));
  const Liquidacion& l = liquidacion_;
  QString cierre = l.cerrada.empty()
                       ? QStringLiteral("<b style=\"color: #8a5a00;\">Abierta</b>")
                       : QStringLiteral("<b style=\"color: #1a6b2f;\">Cerrada</b> el ") + textoqt::AQt(l.cerrada) +
                             (l.cerradaPor.empty() ? QString() : QStringLiteral(" por ") + textoqt::AQt(l.cerradaPor));
  if (l.tardias > 0)
    cierre += QStringLiteral("; <b style=\"color: #7a0000;\">%1 después del cierre</b>")
                  .arg(l.tardias == 1 ? QStringLiteral("1 documento llegó")
                                      : QStringLiteral("%1 documentos llegaron").arg(l.tardias));
  lblCierre_->setText(cierre);
  Habilita(true);
}

void PaginaLiquidacion::Habilita(bool calculada) {
  cmdImprimir_->setEnabled(calculada);
  cmdGuardarPdf_->setEnabled(calculada);
  cmdCerrar_->setEnabled(calculada && liquidacion_.cerrada.empty());
}

void PaginaLiquidacion::Imprimir() {
  QPrinter impresora(QPrinter::HighResolution);
  impresora.setDocName(
      QStringLiteral("Liquidación %1 %2").arg(textoqt::AQt(liquidacion_.vendedor), textoqt::AQt(liquidacion_.dia)));
  if (!pideImpresora_(impresora)) return;
  DocumentoDeLiquidacion::Imprime(liquidacion_, impresora);
}

void PaginaLiquidacion::GuardarPdf() {
  const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString sugerido = QDir(carpeta).filePath(
      QStringLiteral("liquidacion_%1_%2.pdf").arg(textoqt::AQt(liquidacion_.vendedor), textoqt::AQt(liquidacion_.dia)));
  QString archivo = pideArchivo_(sugerido);
  if (archivo.isEmpty()) return;
  if (!archivo.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) archivo += QStringLiteral(".pdf");
  Operador& op = programa_.operador();
  try {
    DocumentoDeLiquidacion::GuardaPdf(liquidacion_, archivo);
  } catch (const std::exception& e) {
    op.Mensaje(e.what(), Botones::kCritico, kTituloPdf);
    return;
  }
  op.Mensaje("La liquidación se guardó en «" + textoqt::DeQt(archivo) + "».", Botones::kInformacion, kTituloPdf);
}

void PaginaLiquidacion::CerrarLiquidacion() {
  const Liquidacion& l = liquidacion_;
  if (!Confirmar(programa_.operador(),
                 CalculoDeLiquidacion::PreguntaDeCierre(textoqt::DeQt(cmbVendedor_->ClaveConNombre()), l.dia),
                 kTituloCerrar))
    return;
  try {
    CalculoDeLiquidacion::Cierra(BaseDelHistorial(programa_), l.vendedor, l.dia, programa_.usuario());
  } catch (const std::exception& e) {
    programa_.operador().Mensaje(e.what(), Botones::kCritico, kTituloCerrar);
    return;
  }
  Muestra();
}

}  // namespace travesa
