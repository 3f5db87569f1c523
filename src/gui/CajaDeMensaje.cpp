#include "gui/CajaDeMensaje.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "gui/TextoQt.h"
#include "shell/Operador.h"

namespace travesa {
namespace {

using Boton = QMessageBox::StandardButton;

constexpr int kBotonesMascara = 0x0F;
constexpr int kAnularReintentarOmitir = 2;
constexpr int kSiNoCancelar = 3;
constexpr int kReintentarCancelar = 5;
constexpr int kRespAnular = 3;
constexpr int kRespReintentar = 4;
constexpr int kRespOmitir = 5;
constexpr int kPorOmisionMascara = 0x300;
constexpr const char* kTituloPorOmision = "Travesa";
// Room in a title bar beside the caption: the window manager's icon and buttons.
constexpr int kMargenDelTitulo = 160;

// The box over the middle of its window (or of the screen), and never
// narrower than its title, which a window manager would otherwise cut
// ("Fin ... eso").
class Caja : public QMessageBox {
 public:
  Caja(Icon icono, const QString& titulo, const QString& texto, QWidget* padre)
      : QMessageBox(icono, titulo, texto, QMessageBox::NoButton, padre) {
    QFont negrita = font();
    negrita.setBold(true);
    // The box takes the width its layout asks for; a spacer across it asks for the title's.
    if (auto* rejilla = qobject_cast<QGridLayout*>(layout()))
      rejilla->addItem(new QSpacerItem(QFontMetrics(negrita).horizontalAdvance(titulo) + kMargenDelTitulo, 0,
                                       QSizePolicy::Minimum, QSizePolicy::Minimum),
                       rejilla->rowCount(), 0, 1, rejilla->columnCount());
  }

 protected:
  void showEvent(QShowEvent* evento) override {
    QMessageBox::showEvent(evento);
    Centra(frameGeometry().size());
  }

 private:
  void Centra(QSize tamano) {
    const QWidget* ventana = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QRect sobre;
    if (ventana != nullptr && ventana->isVisible()) sobre = ventana->frameGeometry();
    const QScreen* pantalla = ventana != nullptr ? ventana->screen() : QGuiApplication::primaryScreen();
    if (pantalla == nullptr) return;
    // Over a window collapsed to its bar the box would hang at the screen's edge.
    if (sobre.isEmpty() || sobre.height() < height()) sobre = pantalla->availableGeometry();
    QRect propia(QPoint(), tamano);
    propia.moveCenter(sobre.center());
    const QRect util = pantalla->availableGeometry();
    propia.moveLeft(std::clamp(propia.left(), util.left(), std::max(util.left(), util.right() - propia.width())));
    propia.moveTop(std::clamp(propia.top(), util.top(), std::max(util.top(), util.bottom() - propia.height())));
    move(propia.topLeft());
  }
};

// The buttons of each flag value, in their order on the box.
std::vector<Boton> BotonesDe(int botones) {
  switch (botones & kBotonesMascara) {
    case Botones::kAceptarCancelar:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case kAnularReintentarOmitir:
      return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case kSiNoCancelar:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case Botones::kSiNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case kReintentarCancelar:
      return {QMessageBox::Retry, QMessageBox::Cancel};
    default:
      return {QMessageBox::Ok};
  }
}

QMessageBox::Icon IconoDe(int botones) {
  switch (Botones::Icono(botones)) {
    case Botones::kCritico:
      return QMessageBox::Critical;
    case Botones::kPregunta:
      return QMessageBox::Question;
    case Botones::kExclamacion:
      return QMessageBox::Warning;
    case Botones::kInformacion:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The buttons speak Spanish whatever translations the system has.
QString TextoDe(Boton b) {
  switch (b) {
    case QMessageBox::Ok:
      return QStringLiteral("Aceptar");
    case QMessageBox::Cancel:
      return QStringLiteral("Cancelar");
    case QMessageBox::Abort:
      return QStringLiteral("Anular");
    case QMessageBox::Retry:
      return QStringLiteral("&Reintentar");
    case QMessageBox::Ignore:
      return QStringLiteral("&Omitir");
    case QMessageBox::Yes:
      return QStringLiteral("&Sí");
    case QMessageBox::No:
      return QStringLiteral("&No");
    default:
      return {};
  }
}

int Codigo(int respuesta) {
  switch (respuesta) {
    case QMessageBox::Ok:
      return Botones::kRespAceptar;
    case QMessageBox::Cancel:
      return Botones::kRespCancelar;
    case QMessageBox::Abort:
      return kRespAnular;
    case QMessageBox::Retry:
      return kRespReintentar;
    case QMessageBox::Ignore:
      return kRespOmitir;
    case QMessageBox::Yes:
      return Botones::kRespSi;
    case QMessageBox::No:
      return Botones::kRespNo;
    default:
      return 0;
  }
}

}  // namespace

int CajaDeMensaje::Muestra(QWidget* padre, std::string_view texto, int botones, std::string_view titulo) {
  const QString t = titulo.empty() ? QString::fromUtf8(kTituloPorOmision) : textoqt::AQt(titulo);
  Caja caja(IconoDe(botones), t, textoqt::AQt(texto), padre);
  const std::vector<Boton> lista = BotonesDe(botones);
  for (Boton b : lista) caja.addButton(b)->setText(TextoDe(b));
  const std::size_t porOmision = static_cast<std::size_t>((botones & kPorOmisionMascara) >> 8);
  caja.setDefaultButton(lista[std::min(porOmision, lista.size() - 1)]);
  // A job may be running under the busy pointer; the box takes the normal one.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int respuesta = caja.exec();
  QApplication::restoreOverrideCursor();
  return Codigo(respuesta);
}

}  // namespace travesa
