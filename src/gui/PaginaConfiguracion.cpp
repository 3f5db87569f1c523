#include "gui/PaginaConfiguracion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/ConNombre.h"
#include "gui/LegibleSinHabilitar.h"
#include "gui/NavegacionConTeclas.h"
#include "gui/ReglaAlSalir.h"
#include "gui/TextoQt.h"
#include "shell/ReglasAjustes.h"

namespace travesa {
namespace {

constexpr const char* kMascara = "QLineEdit { lineedit-password-character: 42; }";  // "*"
constexpr const char* kSinSerieDeTraspasos = "N/A";
constexpr const char* kMovimientos = "TPR";
constexpr const char* kPrefijoPedidos = "PE-";
constexpr const char* kPrefijoRemisiones = "RE-";
constexpr int kTxtSitio = 0, kTxtUsuario = 1, kTxtContrasena = 2, kTxtCarpeta = 3, kTxtEmpresa = 4,
              kTxtSerieTraspasos = 5, kTxtContrasenaApp = 6, kTxtPrecio = 7;

QCheckBox* Casilla(const QString& texto, const char* nombre, QWidget* padre) {
  return ConNombre(new QCheckBox(texto, padre), QString::fromLatin1(nombre));
}

std::string SN(const QCheckBox* c) { return c->isChecked() ? "S" : "N"; }
void Marca(QCheckBox* c, const std::string& valor) { c->setChecked(Ajustes::Si(valor)); }

// Digits only, at most `largo` of them.
void SoloDigitos(QLineEdit* campo, int largo) {
  campo->setMaxLength(largo);
  campo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), campo));
}

// A room that keeps the control's size whether it is shown or hidden.
QWidget* LugarFijo(QWidget* control, QWidget* padre) {
  auto* lugar = new QWidget(padre);
  auto* h = new QHBoxLayout(lugar);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(control);
  lugar->setMinimumSize(control->sizeHint());
  return lugar;
}

QPushButton* Boton(const QString& texto, const char* nombre, QWidget* padre) {
  QPushButton* b = ConNombre(new QPushButton(texto, padre), QString::fromLatin1(nombre));
  b->setAutoDefault(false);
  b->setMinimumWidth(100);
  return b;
}

}  // namespace

PaginaConfiguracion::PaginaConfiguracion(FuenteDeSeries series, QWidget* padre)
    : QWidget(padre), series_(std::move(series)), teclas_(new NavegacionConTeclas(this)) {
  setObjectName(QStringLiteral("Configuracion"));
  for (std::size_t i = 0; i < txtConfig_.size(); ++i) {
    txtConfig_[i] = ConNombre(new QLineEdit(this), QStringLiteral("txtConfig%1").arg(i));
    teclas_->CampoDeTexto(txtConfig_[i]);
  }
  auto* columnaIzquierda = new QVBoxLayout;
  columnaIzquierda->addWidget(CreaSitio());
  columnaIzquierda->addWidget(CreaMovimientos());
  columnaIzquierda->addWidget(CreaTraspaso());
  auto* columnaDerecha = new QVBoxLayout;
  columnaDerecha->addWidget(CreaOpciones());
  columnaDerecha->addWidget(CreaEtiquetas());
  columnaDerecha->addStretch();
  auto* columnas = new QHBoxLayout;
  columnas->addLayout(columnaIzquierda, 1);
  columnas->addLayout(columnaDerecha, 1);
  auto* todo = new QVBoxLayout(this);
  todo->addLayout(columnas);
  todo->addWidget(CreaTemporizador());
  todo->addStretch();
  todo->addWidget(CreaBotones());
  OrdenDeLectura();
  Conecta();
}

// Tab and Enter go through the page as it is read: the left column (site,
// movements, transfer), the right one (catalogue options, labels), the
// timer, then the commands.
void PaginaConfiguracion::OrdenDeLectura() {
  const std::vector<QWidget*> orden = {txtConfig_[kTxtSitio],
                                       txtConfig_[kTxtUsuario],
                                       txtConfig_[kTxtContrasena],
                                       txtConfig_[kTxtCarpeta],
                                       txtConfig_[kTxtContrasenaApp],
                                       chkVer_,
                                       OptMovs_[0],
                                       OptMovs_[1],
                                       OptMovs_[2],
                                       cmbSerie_,
                                       chkTraspaso_,
                                       txtConfig_[kTxtEmpresa],
                                       txtConfig_[kTxtSerieTraspasos],
                                       chkEnvDomics_,
                                       chkPasarProds_,
                                       chkPresentacion_,
                                       chkPreciosNegociados_,
                                       chkSoloProdsLdeP_,
                                       txtConfig_[kTxtPrecio],
                                       chkEtiqs_[0],
                                       chkEtiqs_[1],
                                       chkEtiqs_[2],
                                       chkEtiqs_[3],
                                       chkTimer_,
                                       txtTimer_,
                                       cmdProbar_,
                                       cmdGrabar_,
                                       cmdRegresar_};
  for (std::size_t i = 1; i < orden.size(); ++i) setTabOrder(orden[i - 1], orden[i]);
}

QWidget* PaginaConfiguracion::CreaSitio() {
  auto* grupo = new QGroupBox(QStringLiteral("Sitio FTP"), this);
  auto* f = new QFormLayout(grupo);
  chkVer_ = Casilla(QStringLiteral("Ver datos"), "chkVer", grupo);
  lblContrasenaApp_ =
      ConNombre(new QLabel(QStringLiteral("Contraseña app:"), grupo), QStringLiteral("lblContrasenaApp"));
  f->addRow(QStringLiteral("Sitio FTP:"), txtConfig_[kTxtSitio]);
  f->addRow(QStringLiteral("Usuario:"), txtConfig_[kTxtUsuario]);
  f->addRow(QStringLiteral("Contraseña:"), txtConfig_[kTxtContrasena]);
  f->addRow(QStringLiteral("Carpeta:"), txtConfig_[kTxtCarpeta]);
  for (int i : {kTxtUsuario, kTxtContrasena, kTxtContrasenaApp})
    txtConfig_[static_cast<std::size_t>(i)]->setStyleSheet(QString::fromLatin1(kMascara));
  // "Ver datos" shows the row in a room kept for it: nothing moves and the
  // window does not grow.
  f->addRow(LugarFijo(lblContrasenaApp_, grupo), LugarFijo(txtConfig_[kTxtContrasenaApp], grupo));
  f->addRow(QString(), chkVer_);
  return grupo;
}

QWidget* PaginaConfiguracion::CreaMovimientos() {
  auto* grupo = new QGroupBox(QStringLiteral("Movimientos a generar:"), this);
  const QString textos[] = {QStringLiteral("Tickets (punto de venta)"), QStringLiteral("Pedidos"),
                            QStringLiteral("Remisiones")};
  auto* opciones = new QVBoxLayout;
  for (std::size_t i = 0; i < OptMovs_.size(); ++i) {
    OptMovs_[i] = ConNombre(new QRadioButton(textos[i], grupo), QStringLiteral("OptMovs%1").arg(i));
    teclas_->AvanzaConEnter(OptMovs_[i]);
    opciones->addWidget(OptMovs_[i]);
  }
  lblSerie_ = ConNombre(new QLabel(QStringLiteral("Serie a usar:"), grupo), QStringLiteral("lblSerie"));
  cmbSerie_ = ConNombre(new QComboBox(grupo), QStringLiteral("cmbSerie"));
  cmbSerie_->setMinimumWidth(80);
  auto* serie = new QVBoxLayout;
  serie->addWidget(lblSerie_);
  serie->addWidget(cmbSerie_);
  serie->addStretch();
  auto* fila = new QHBoxLayout(grupo);
  fila->addLayout(opciones);
  fila->addLayout(serie);
  fila->addStretch();
  return grupo;
}

QWidget* PaginaConfiguracion::CreaOpciones() {
  auto* grupo = new QGroupBox(QStringLiteral("Catálogo"), this);
  chkEnvDomics_ = Casilla(QStringLiteral("Enviar domicilios de clientes"), "chkEnvDomics", grupo);
  chkPasarProds_ = Casilla(QStringLiteral("Pasar productos aunque no tengan existencia"), "chkPasarProds", grupo);
  chkPresentacion_ =
      Casilla(QStringLiteral("Concatenar presentación a la descripción de prods."), "chkPresentacion", grupo);
  chkPreciosNegociados_ =
      Casilla(QStringLiteral("Enviar «precios negociados» de clientes"), "chkPreciosNegociados", grupo);
  chkSoloProdsLdeP_ =
      Casilla(QStringLiteral("Solamente productos que salen en listas de precios"), "chkSoloProdsLdeP", grupo);
  SoloDigitos(txtConfig_[kTxtPrecio], 1);
  txtConfig_[kTxtPrecio]->setMaximumWidth(40);
  auto* precio = new QHBoxLayout;
  precio->addWidget(new QLabel(QStringLiteral("Num. de precio a sugerir:"), grupo));
  precio->addWidget(txtConfig_[kTxtPrecio]);
  precio->addStretch();
  auto* lista = new QVBoxLayout(grupo);
  for (QCheckBox* c : {chkEnvDomics_, chkPasarProds_, chkPresentacion_, chkPreciosNegociados_, chkSoloProdsLdeP_}) {
    teclas_->AvanzaConEnter(c);
    lista->addWidget(c);
  }
  lista->addLayout(precio);
  return grupo;
}

QWidget* PaginaConfiguracion::CreaTraspaso() {
  auto* grupo = new QGroupBox(QStringLiteral("Traspaso"), this);
  chkTraspaso_ = Casilla(QStringLiteral("Generar Traspaso de producto sobrante"), "chkTraspaso", grupo);
  teclas_->AvanzaConEnter(chkTraspaso_);
  auto* f = new QFormLayout(grupo);
  f->addRow(chkTraspaso_);
  f->addRow(QStringLiteral("Clave de la sucursal que recibe el traspaso"), txtConfig_[kTxtEmpresa]);
  f->addRow(QStringLiteral("Serie de traspasos"), txtConfig_[kTxtSerieTraspasos]);
  return grupo;
}

QWidget* PaginaConfiguracion::CreaEtiquetas() {
  auto* grupo = new QGroupBox(QStringLiteral("Para envío de configuración:"), this);
  const char* etiquetas[] = {"modificaprecios", "vercxc", "capturapagos", "asistencia"};
  auto* lista = new QVBoxLayout(grupo);
  for (std::size_t i = 0; i < chkEtiqs_.size(); ++i) {
    chkEtiqs_[i] =
        ConNombre(new QCheckBox(QStringLiteral("Etiqueta «%1»").arg(QString::fromLatin1(etiquetas[i])), grupo),
                  QStringLiteral("chkEtiqs%1").arg(i));
    teclas_->AvanzaConEnter(chkEtiqs_[i]);
    lista->addWidget(chkEtiqs_[i]);
  }
  return grupo;
}

QWidget* PaginaConfiguracion::CreaTemporizador() {
  auto* fila = new QWidget(this);
  chkTimer_ = Casilla(QStringLiteral("Generar automáticamente archivos en la nube cada"), "chkTimer", fila);
  txtTimer_ = ConNombre(new QLineEdit(fila), QStringLiteral("txtTimer"));
  SoloDigitos(txtTimer_, 2);
  txtTimer_->setMaximumWidth(40);
  teclas_->AvanzaConEnter(chkTimer_);
  teclas_->CampoDeTexto(txtTimer_);
  auto* h = new QHBoxLayout(fila);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(chkTimer_);
  h->addWidget(txtTimer_);
  h->addWidget(new QLabel(QStringLiteral("minutos"), fila));
  h->addStretch();
  return fila;
}

QWidget* PaginaConfiguracion::CreaBotones() {
  auto* fila = new QWidget(this);
  cmdProbar_ = Boton(QStringLiteral("&Probar"), "cmdProbar", fila);
  cmdGrabar_ = Boton(QStringLiteral("&Grabar"), "cmdGrabar", fila);
  cmdRegresar_ = Boton(QStringLiteral("&Regresar"), "cmdRegresar", fila);
  for (QPushButton* b : {cmdProbar_, cmdGrabar_, cmdRegresar_}) teclas_->PulsaConEnter(b);
  lblProbando_ = ConNombre(new QLabel(fila), QStringLiteral("lblProbando"));
  LegibleSinHabilitar(lblProbando_);
  auto* h = new QHBoxLayout(fila);
  h->setContentsMargins(0, 0, 0, 0);
  h->addWidget(lblProbando_, 1);
  h->addWidget(cmdProbar_);
  h->addWidget(cmdGrabar_);
  h->addWidget(cmdRegresar_);
  return fila;
}

void PaginaConfiguracion::Conecta() {
  ReglaAlSalir::Aplica(txtConfig_[kTxtCarpeta], &ReglasAjustes::NormalizaCarpeta);
  ReglaAlSalir::Aplica(txtConfig_[kTxtPrecio], &ReglasAjustes::ValidaPrecioSugerido);
  ReglaAlSalir::Aplica(txtTimer_, &ReglasAjustes::ValidaMinutos);
  connect(chkVer_, &QCheckBox::toggled, this, &PaginaConfiguracion::VerDatos);
  connect(chkTimer_, &QCheckBox::toggled, txtTimer_, &QLineEdit::setEnabled);
  connect(chkTraspaso_, &QCheckBox::toggled, txtConfig_[kTxtEmpresa], &QLineEdit::setEnabled);
  connect(chkTraspaso_, &QCheckBox::toggled, txtConfig_[kTxtSerieTraspasos], &QLineEdit::setEnabled);
  for (QRadioButton* o : OptMovs_) connect(o, &QRadioButton::clicked, this, &PaginaConfiguracion::MovimientoElegido);
  connect(cmdProbar_, &QPushButton::clicked, this, &PaginaConfiguracion::Probar);
  connect(cmdGrabar_, &QPushButton::clicked, this, &PaginaConfiguracion::Grabar);
  connect(cmdRegresar_, &QPushButton::clicked, this, &PaginaConfiguracion::Regresar);
  VerDatos(false);
}

void PaginaConfiguracion::VerDatos(bool ver) {
  const QLineEdit::EchoMode modo = ver ? QLineEdit::Normal : QLineEdit::Password;
  txtConfig_[kTxtUsuario]->setEchoMode(modo);
  txtConfig_[kTxtContrasena]->setEchoMode(modo);
  txtConfig_[kTxtContrasenaApp]->setVisible(ver);
  lblContrasenaApp_->setVisible(ver);
}

void PaginaConfiguracion::MuestraFTP(const Ajustes& a) {
  txtConfig_[kTxtSitio]->setText(textoqt::AQt(a.ftpSitio));
  txtConfig_[kTxtUsuario]->setText(textoqt::AQt(a.ftpUsuario));
  txtConfig_[kTxtContrasena]->setText(textoqt::AQt(a.FTPcontraseña));
  txtConfig_[kTxtCarpeta]->setText(textoqt::AQt(a.FTPcarpeta));
  txtConfig_[kTxtContrasenaApp]->setText(textoqt::AQt(a.ContrasenaApp));
}

void PaginaConfiguracion::MuestraOpciones(const Ajustes& a) {
  serieGuardada_ = textoqt::AQt(a.Serie);
  const std::size_t movimiento = a.TipoMovimiento == "T" ? 0 : a.TipoMovimiento == "P" ? 1 : 2;
  OptMovs_[movimiento]->setChecked(true);
  lblSerie_->setVisible(movimiento != 0);
  cmbSerie_->setVisible(movimiento != 0);
  if (movimiento == 1) LlenaSeries(kPrefijoPedidos);
  if (movimiento == 2) LlenaSeries(kPrefijoRemisiones);
  SeleccionaSerie(serieGuardada_);
  Marca(chkEnvDomics_, a.EnviarDomicilios);
  Marca(chkPasarProds_, a.SinExistencia);
  Marca(chkPresentacion_, a.ConPresentacion);
  Marca(chkEtiqs_[0], a.EtiqModificaPrecios);
  Marca(chkEtiqs_[1], a.EtiqVerCxc);
  Marca(chkEtiqs_[2], a.EtiqCapturaPagos);
  Marca(chkEtiqs_[3], a.EtiqAsistencia);
  Marca(chkPreciosNegociados_, a.PreciosNegociados);
  Marca(chkTraspaso_, a.Traspaso);
  txtConfig_[kTxtEmpresa]->setText(textoqt::AQt(a.EmpresaTraspaso));
  txtConfig_[kTxtSerieTraspasos]->setText(a.SerieTraspasos == kSinSerieDeTraspasos ? QString()
                                                                                   : textoqt::AQt(a.SerieTraspasos));
  txtConfig_[kTxtEmpresa]->setEnabled(chkTraspaso_->isChecked());
  txtConfig_[kTxtSerieTraspasos]->setEnabled(chkTraspaso_->isChecked());
  Marca(chkTimer_, a.Automatico);
  txtTimer_->setText(textoqt::AQt(a.Minutos));
  txtTimer_->setEnabled(chkTimer_->isChecked());
  VerDatos(chkVer_->isChecked());
  txtConfig_[kTxtPrecio]->setText(textoqt::AQt(a.PrecioSugerido));
  Marca(chkSoloProdsLdeP_, a.SoloListas);
  AplicaSalenTodosEnLista(salenTodos_);
}

void PaginaConfiguracion::LeeEn(Ajustes& a) const {
  a.ftpSitio = textoqt::DeQt(Sitio());
  a.ftpUsuario = textoqt::DeQt(Usuario());
  a.FTPcontraseña = textoqt::DeQt(Contrasena());
  a.FTPcarpeta = textoqt::DeQt(Carpeta());
  a.ContrasenaApp = textoqt::DeQt(txtConfig_[kTxtContrasenaApp]->text());
  a.TipoMovimiento = textoqt::DeQt(MovimientoMarcado());
  a.EnviarDomicilios = SN(chkEnvDomics_);
  a.SinExistencia = SN(chkPasarProds_);
  a.ConPresentacion = SN(chkPresentacion_);
  a.EtiqModificaPrecios = SN(chkEtiqs_[0]);
  a.EtiqVerCxc = SN(chkEtiqs_[1]);
  a.EtiqCapturaPagos = SN(chkEtiqs_[2]);
  a.EtiqAsistencia = SN(chkEtiqs_[3]);
  a.PreciosNegociados = SN(chkPreciosNegociados_);
  a.Traspaso = SN(chkTraspaso_);
  a.EmpresaTraspaso = textoqt::DeQt(txtConfig_[kTxtEmpresa]->text());
  a.SerieTraspasos = textoqt::DeQt(txtConfig_[kTxtSerieTraspasos]->text());
  a.Automatico = SN(chkTimer_);
  a.Minutos = textoqt::DeQt(Minutos());
  a.Serie = textoqt::DeQt(cmbSerie_->currentText());
  a.PrecioSugerido = textoqt::DeQt(txtConfig_[kTxtPrecio]->text());
  a.SoloListas = SN(chkSoloProdsLdeP_);
}

void PaginaConfiguracion::AplicaSalenTodosEnLista(bool salenTodos) {
  salenTodos_ = salenTodos;
  if (salenTodos) chkSoloProdsLdeP_->setChecked(false);
  chkSoloProdsLdeP_->setEnabled(!salenTodos);
}

QString PaginaConfiguracion::MovimientoMarcado() const {
  for (std::size_t i = 0; i < OptMovs_.size(); ++i)
    if (OptMovs_[i]->isChecked()) return QString(QLatin1Char(kMovimientos[i]));
  return QString(QLatin1Char(kMovimientos[2]));
}

// Orders and remissions take their series from the database, with the saved
// one selected; tickets have none.
void PaginaConfiguracion::MovimientoElegido() {
  const QString m = MovimientoMarcado();
  const bool conSerie = m != QStringLiteral("T");
  lblSerie_->setVisible(conSerie);
  cmbSerie_->setVisible(conSerie);
  if (!conSerie) return;
  LlenaSeries(m == QStringLiteral("P") ? kPrefijoPedidos : kPrefijoRemisiones);
  SeleccionaSerie(serieGuardada_.toUpper());
  cmbSerie_->setFocus(Qt::OtherFocusReason);
}

void PaginaConfiguracion::LlenaSeries(const char* prefijo) {
  cmbSerie_->clear();
  for (const std::string& s : series_(prefijo)) cmbSerie_->addItem(textoqt::AQt(s));
}

void PaginaConfiguracion::SeleccionaSerie(const QString& serie) {
  const int i = cmbSerie_->findText(serie, Qt::MatchExactly);
  if (i >= 0) cmbSerie_->setCurrentIndex(i);
}

QString PaginaConfiguracion::Sitio() const { return txtConfig_[kTxtSitio]->text(); }
QString PaginaConfiguracion::Usuario() const { return txtConfig_[kTxtUsuario]->text(); }
QString PaginaConfiguracion::Contrasena() const { return txtConfig_[kTxtContrasena]->text(); }
QString PaginaConfiguracion::Carpeta() const { return txtConfig_[kTxtCarpeta]->text(); }
void PaginaConfiguracion::NormalizaCarpeta() {
  ReglaAlSalir::Ejecuta(txtConfig_[kTxtCarpeta], &ReglasAjustes::NormalizaCarpeta);
}
bool PaginaConfiguracion::Automatico() const { return chkTimer_->isChecked(); }
QString PaginaConfiguracion::Minutos() const { return txtTimer_->text(); }
void PaginaConfiguracion::EnfocaSitio() { txtConfig_[kTxtSitio]->setFocus(Qt::OtherFocusReason); }

// The user and the passwords are never left in clear for the next visit.
void PaginaConfiguracion::AlSalir() { chkVer_->setChecked(false); }

void PaginaConfiguracion::MuestraProbando(const QString& sitio) {
  lblProbando_->setText(QStringLiteral("Probando la conexión con «%1»…").arg(sitio));
}

void PaginaConfiguracion::TerminaProbando() { lblProbando_->clear(); }

}  // namespace travesa
