#include "gui/RejaQt.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <exception>

#include "grid/EdicionGrid.h"
#include "gui/ConNombre.h"
#include "gui/ListaCombo.h"
#include "gui/TextoQt.h"
#include "shell/Operador.h"

namespace travesa {
namespace {

const char* NombreDeEditor(int tipo) {
  switch (tipo) {
    case TipoDeEditor::kMascara:
      return "mkeCelda";
    case TipoDeEditor::kCombo:
      return "cmbCelda";
    case TipoDeEditor::kDataCombo:
      return "dcmCelda";
    default:
      return "txtCelda";
  }
}

// The masked box's mask in Qt's terms: "#" a digit, "9" an optional digit,
// "?" a letter, "A" a letter or digit, "a" an optional one, "&" any
// character, "C" an optional one, ">" and "<" the case; the rest literal.
QString MascaraQt(const std::string& mascara) {
  if (mascara.empty()) return {};
  const QString m = textoqt::AQt(mascara);
  static const QString kEspeciales = QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\;");
  QString qt;
  for (qsizetype i = 0; i < m.size(); ++i) {
    const QChar c = m[i];
    if (c == u'#')
      qt += u'9';
    else if (c == u'9')
      qt += u'0';
    else if (c == u'?')
      qt += u'A';
    else if (c == u'A')
      qt += u'N';
    else if (c == u'a')
      qt += u'n';
    else if (c == u'&')
      qt += u'X';
    else if (c == u'C')
      qt += u'x';
    else if (c == u'>' || c == u'<')
      qt += c;
    else if (c == u'\\' && i + 1 < m.size())
      qt += QStringLiteral("\\") + m[++i];
    else if (kEspeciales.contains(c))
      qt += QStringLiteral("\\") + c;
    else
      qt += c;
  }
  return qt + QStringLiteral("; ");
}

// One typed character of a key event, or 0.
char32_t Caracter(const QKeyEvent& e) {
  if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QList<uint> cp = e.text().toUcs4();
  if (cp.size() != 1 || cp[0] < 32 || cp[0] == 127) return 0;
  return static_cast<char32_t>(cp[0]);
}

QLineEdit* LineaDe(QWidget* editor) {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(editor);
}

}  // namespace

RejaQt::RejaQt(QTableWidget* tabla, Operador& operador) : tabla_(tabla), op_(operador) {
  tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabla_->setSelectionBehavior(QAbstractItemView::SelectItems);
  tabla_->setAlternatingRowColors(true);
  tabla_->installEventFilter(this);
  connect(tabla_, &QTableWidget::cellDoubleClicked, this, [this](int, int) {
    if (edicion_) Protegido([this] { edicion_->DobleClic(); });
  });
}

RejaQt::~RejaQt() {
  edicion_ = nullptr;
  if (tabla_) tabla_->removeEventFilter(this);
  for (auto& [tipo, editor] : editores_) delete editor.data();
}

template <typename F>
void RejaQt::Protegido(F&& paso) {
  try {
    paso();
  } catch (const std::exception& e) {
    op_.Mensaje(e.what(), Botones::kCritico, "Error");
  }
}

void RejaQt::Columna(int columna, const QString& titulo, int anchoTwips, Qt::Alignment alineacion) {
  if (columna >= tabla_->columnCount()) tabla_->setColumnCount(columna + 1);
  tabla_->setHorizontalHeaderItem(columna, new QTableWidgetItem(titulo));
  tabla_->setColumnWidth(columna, anchoTwips / kTwipsPorPixel);
  tabla_->setColumnHidden(columna, anchoTwips == 0);
  alineaciones_[columna] = alineacion;
  for (int r = 0; r < tabla_->rowCount(); ++r)
    if (auto* item = tabla_->item(r, columna)) item->setTextAlignment(alineacion);
}

QWidget* RejaQt::Editor(int tipo) const {
  const auto it = editores_.find(tipo);
  return it == editores_.end() ? nullptr : it->second.data();
}

// --- Cells.

int RejaQt::Renglones() const { return tabla_->rowCount() + 1; }

void RejaQt::FijaRenglones(int n) { tabla_->setRowCount(std::max(n, 1) - 1); }

void RejaQt::QuitaRenglon(int renglon) { tabla_->removeRow(renglon - 1); }

int RejaQt::Columnas() const { return tabla_->columnCount(); }

std::string RejaQt::Texto(int renglon, int columna) const {
  const QTableWidgetItem* item =
      renglon == 0 ? tabla_->horizontalHeaderItem(columna) : tabla_->item(renglon - 1, columna);
  return item ? textoqt::DeQt(item->text()) : std::string();
}

QTableWidgetItem* RejaQt::Celda(int renglon, int columna) {
  if (QTableWidgetItem* item = tabla_->item(renglon - 1, columna)) return item;
  auto* item = new QTableWidgetItem;
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  const auto it = alineaciones_.find(columna);
  if (it != alineaciones_.end()) item->setTextAlignment(it->second);
  tabla_->setItem(renglon - 1, columna, item);
  return item;
}

void RejaQt::FijaTexto(int renglon, int columna, std::string_view texto) {
  if (renglon == 0) {
    tabla_->setHorizontalHeaderItem(columna, new QTableWidgetItem(textoqt::AQt(texto)));
    return;
  }
  Celda(renglon, columna)->setText(textoqt::AQt(texto));
}

int RejaQt::Renglon() const { return tabla_->currentRow() + 1; }

int RejaQt::Columna() const { return std::max(tabla_->currentColumn(), 0); }

void RejaQt::VeA(int renglon, int columna) {
  if (renglon >= 1) tabla_->setCurrentCell(renglon - 1, columna);
}

bool RejaQt::RenglonOculto(int renglon) const {
  return renglon >= 1 && (tabla_->isRowHidden(renglon - 1) || tabla_->rowHeight(renglon - 1) == 0);
}

void RejaQt::FuenteDeMarca(int renglon, int columna, float puntos) {
  QTableWidgetItem* item = Celda(renglon, columna);
  QFont fuente = tabla_->font();
  if (puntos > 0) fuente.setPointSizeF(puntos);
  item->setFont(fuente);
  item->setTextAlignment(Qt::AlignCenter);
}

// --- The editor.

QWidget* RejaQt::HazEditor(int tipo) {
  if (QWidget* hecho = Editor(tipo)) return hecho;
  QWidget* editor = nullptr;
  if (tipo == TipoDeEditor::kCombo || tipo == TipoDeEditor::kDataCombo) {
    auto* combo = new QComboBox(tabla_->viewport());
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    listas_[tipo] = std::make_unique<ListaCombo>(combo);
    editor = combo;
  } else {
    editor = new QLineEdit(tabla_->viewport());
  }
  ConNombre(editor, NombreDeEditor(tipo));
  editor->hide();
  editor->installEventFilter(this);
  if (QLineEdit* linea = LineaDe(editor); linea && linea != editor) linea->installEventFilter(this);
  editores_[tipo] = editor;
  return editor;
}

ListaDeOpciones& RejaQt::Lista(int tipo) {
  HazEditor(tipo);
  return *listas_.at(tipo);
}

// Over the cell, in the cell's font, colours and alignment.
void RejaQt::Coloca(QWidget& editor, const AperturaDeEditor& a) {
  const QModelIndex indice = tabla_->model()->index(a.renglon - 1, a.columna);
  tabla_->scrollTo(indice);
  QRect celda = tabla_->visualRect(indice);
  celda.translate(a.desplazamientoX / kTwipsPorPixel, a.desplazamientoY / kTwipsPorPixel);
  editor.setGeometry(celda);
  const QTableWidgetItem* item = tabla_->item(a.renglon - 1, a.columna);
  editor.setFont(item ? item->font() : tabla_->font());
  QPalette paleta = tabla_->palette();
  if (item && item->foreground().style() != Qt::NoBrush) paleta.setBrush(QPalette::Text, item->foreground());
  if (item && item->background().style() != Qt::NoBrush) paleta.setBrush(QPalette::Base, item->background());
  editor.setPalette(paleta);
  Qt::Alignment alineacion = Qt::AlignLeft;
  if (item)
    alineacion = Qt::Alignment(item->textAlignment());
  else if (alineaciones_.count(a.columna))
    alineacion = alineaciones_.at(a.columna);
  if (QLineEdit* linea = LineaDe(&editor))
    linea->setAlignment((alineacion & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

void RejaQt::AbreEditor(const AperturaDeEditor& a) {
  QWidget* editor = HazEditor(a.tipo);
  Coloca(*editor, a);
  QLineEdit* linea = LineaDe(editor);
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setEditText(textoqt::AQt(a.texto));
  } else {
    linea->setInputMask(a.tipo == TipoDeEditor::kMascara ? MascaraQt(a.mascara) : QString());
    linea->setMaxLength(a.longitud > 0 ? a.longitud : 32767);
    linea->setText(textoqt::AQt(a.texto));
  }
  if (a.seleccionaTodo)
    linea->selectAll();
  else
    linea->end(false);
  abierto_ = editor;
  editor->show();
  editor->raise();
  editor->setFocus(Qt::OtherFocusReason);
}

std::string RejaQt::TextoEditor() const {
  QLineEdit* linea = LineaDe(abierto_);
  return linea ? textoqt::DeQt(linea->text()) : std::string();
}

void RejaQt::FijaTextoEditor(std::string_view texto) {
  if (QLineEdit* linea = LineaDe(abierto_)) linea->setText(textoqt::AQt(texto));
}

void RejaQt::CierraEditor(bool enfocarReja) {
  QPointer<QWidget> editor = abierto_;
  abierto_ = nullptr;
  if (enfocarReja) tabla_->setFocus(Qt::OtherFocusReason);
  if (editor) editor->hide();
}

// Inside a focus loss the focus is only taken back once Qt has moved it.
void RejaQt::EnfocaEditor() {
  QPointer<QWidget> editor = abierto_;
  if (!editor) return;
  if (!saliendo_) {
    editor->setFocus(Qt::OtherFocusReason);
    return;
  }
  QMetaObject::invokeMethod(
      this,
      [editor] {
        if (editor && editor->isVisible()) editor->setFocus(Qt::OtherFocusReason);
      },
      Qt::QueuedConnection);
}

void RejaQt::EnfocaReja() { tabla_->setFocus(Qt::OtherFocusReason); }

// --- Events.

bool RejaQt::eventFilter(QObject* objeto, QEvent* evento) {
  if (!edicion_ || !tabla_) return false;
  const bool enEditor = abierto_ && (objeto == abierto_ || objeto == LineaDe(abierto_));
  if (evento->type() == QEvent::KeyPress && objeto == tabla_) return TeclaEnReja(static_cast<QKeyEvent&>(*evento));
  if (evento->type() == QEvent::KeyPress && enEditor) return TeclaEnEditor(static_cast<QKeyEvent&>(*evento));
  if (evento->type() == QEvent::FocusOut && objeto == abierto_) {
    // Another window coming up (a message, the combo's list) is no leaving.
    const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
    if (razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason) return false;
    saliendo_ = true;
    Protegido([this] { edicion_->EditorPierdeFoco(); });
    saliendo_ = false;
  }
  return false;
}

bool RejaQt::TeclaEnReja(QKeyEvent& e) {
  bool consumida = false;
  const auto especial = [&](teclas::Especial t) { Protegido([&] { consumida = edicion_->TeclaEspecial(t); }); };
  const auto escrita = [&](char32_t t) { Protegido([&] { consumida = edicion_->TeclaEscrita(t); }); };
  switch (e.key()) {
    case Qt::Key_Insert:
      especial(teclas::Especial::Insertar);
      return consumida;
    case Qt::Key_Delete:
      especial(teclas::Especial::Suprimir);
      return consumida;
    case Qt::Key_F1:
      if (e.modifiers() & Qt::ShiftModifier) especial(teclas::Especial::ShiftF1);
      return consumida;
    case Qt::Key_Space:
      especial(teclas::Especial::Espacio);
      if (!consumida) escrita(teclas::kEspacio);
      return consumida;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      escrita(teclas::kEnter);
      return consumida;
    case Qt::Key_Backspace:
      escrita(teclas::kRetroceso);
      return consumida;
    case Qt::Key_Escape:
      // The grid does nothing with it; it goes on to the window (which closes).
      escrita(teclas::kEscape);
      return false;
    default:
      break;
  }
  const char32_t c = Caracter(e);
  if (c != 0) escrita(c);
  return consumida;
}

bool RejaQt::TeclaEnEditor(QKeyEvent& e) {
  const bool esCombo = qobject_cast<QComboBox*>(abierto_) != nullptr;
  switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Protegido([this] { edicion_->EnterEnEditor(); });
      return true;
    case Qt::Key_Escape:
      Protegido([this] { edicion_->EscapeEnEditor(); });
      return true;
    case Qt::Key_Up:
      if (esCombo) return false;
      Protegido([this] { edicion_->ArribaEnEditor(); });
      return true;
    case Qt::Key_Down:
      if (esCombo) return false;
      Protegido([this] { edicion_->AbajoEnEditor(); });
      return true;
    case Qt::Key_F1:
      if (!(e.modifiers() & Qt::ShiftModifier)) return false;
      Protegido([this] { edicion_->ShiftF1EnEditor(); });
      return true;
    default:
      break;
  }
  const char32_t c = Caracter(e);
  if (c == 0) return false;
  char32_t filtrada = c;
  Protegido([&] { filtrada = edicion_->TeclaEnEditor(c); });
  if (filtrada == c) return false;
  if (filtrada != 0)
    if (QLineEdit* linea = LineaDe(abierto_)) linea->insert(textoqt::AQt(teclas::Utf8(filtrada)));
  return true;
}

}  // namespace travesa
