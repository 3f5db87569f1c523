#include "gui/frmDescripcion.h"

#include <QCloseEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "gui/PosicionDeVentana.h"

namespace travesa {
namespace {

constexpr int kAnchoDeDiseno = 520;
constexpr int kAltoDeDiseno = 380;

const char* const kTexto = R"(<h3>Travesa</h3>
<p>Travesa une la base de datos del punto de venta Norvento con los teléfonos de los
vendedores de ruta. Las dos partes nunca se hablan directamente: intercambian archivos
en una carpeta de un sitio FTP.</p>
<ul>
<li><b>Generar archivos</b> publica en el sitio el catálogo que el vendedor necesita en
la ruta: vendedores, productos con precios y existencias, clientes con sus domicilios,
cuentas por cobrar, precios negociados y adicionales, formas de pago y la configuración
del teléfono. Puede hacerse a mano o automáticamente cada cierto número de minutos.</li>
<li><b>Leer archivos</b> baja las ventas que suben los teléfonos y las registra en Norvento
como tickets, pedidos o remisiones, con sus movimientos de almacén y cuentas por cobrar.</li>
<li><b>Aplicar pagos</b> baja los cobros hechos en la ruta para revisarlos y aplicarlos a
las cuentas de los clientes.</li>
<li><b>Borrar archivos</b> quita del sitio los archivos de ventas ya procesados.</li>
<li><b>Configurar conexión</b> guarda los datos del sitio FTP y las opciones, y prueba la
conexión.</li>
</ul>
<p>Los ajustes se guardan en el archivo INI de configuración, junto al programa; puede
abrirse con doble clic sobre la ventana principal o desde el menú del logotipo.</p>)";

}  // namespace

frmDescripcion::frmDescripcion(std::filesystem::path ini, QWidget* padre)
    : QWidget(padre, Qt::Window), ini_(std::move(ini)), rtbTexto_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("frmDescripcion"));
  setWindowTitle(QStringLiteral("Descripción del programa"));
  setAttribute(Qt::WA_DeleteOnClose);
  rtbTexto_->setObjectName(QStringLiteral("rtbTexto"));
  rtbTexto_->setHtml(QString::fromUtf8(kTexto));
  auto* disposicion = new QVBoxLayout(this);
  disposicion->setContentsMargins(8, 8, 8, 8);
  disposicion->addWidget(rtbTexto_);
  resize(kAnchoDeDiseno, kAltoDeDiseno);
  PosicionDeVentana::LeePosicion(*this, ini_, true);
}

void frmDescripcion::closeEvent(QCloseEvent* evento) {
  PosicionDeVentana::GuardaPosicion(*this, ini_, true);
  QWidget::closeEvent(evento);
}

}  // namespace travesa
