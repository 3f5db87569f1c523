#include "grid/EdicionGrid.h"

#include <algorithm>

#include "grid/FormatoCelda.h"
#include "grid/PlantillaDeTeclas.h"
#include "grid/ReglasDeAvance.h"
#include "shell/Dialogos.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

bool EsCombo(int tipo) { return tipo == TipoDeEditor::kCombo || tipo == TipoDeEditor::kDataCombo; }

bool EnBlanco(std::string_view s) { return texto::Recorta(s).empty(); }

}  // namespace

EdicionGrid::EdicionGrid(Reja& FlexGrid, Operador& operador) : reja_(FlexGrid), op_(operador) {}

void EdicionGrid::AgregaColumna(clsColumnasGrid columna) {
  if (columnas_.empty()) primeraColumna_ = columna.Columna;
  ultimaColumna_ = std::max<int>(ultimaColumna_, columna.Columna);
  columnas_.push_back(std::move(columna));
}

void EdicionGrid::AgregaColumna(int Columna, int TipoControl, std::string Plantilla, int Longitud, std::string Formato,
                                std::string Mascara, LlamadaGrid<FnValidador> Validador, LlamadaGrid<FnValor> ShiftF1,
                                LlamadaGrid<FnLlenarCombo> LlenarCombos, float TamañoFuenteCheckBox,
                                LlamadaGrid<FnCelda> DespuesDeEditar) {
  clsColumnasGrid c;
  c.Columna = static_cast<std::uint8_t>(Columna);
  c.TipoControl = static_cast<std::int16_t>(TipoControl);
  c.Plantilla = std::move(Plantilla);
  c.Longitud = static_cast<std::int16_t>(Longitud);
  c.Formato = std::move(Formato);
  c.Mascara = std::move(Mascara);
  c.Validador = std::move(Validador);
  c.ShiftF1 = std::move(ShiftF1);
  c.LlenarCombos = std::move(LlenarCombos);
  c.TamañoFuenteCheckBox = TamañoFuenteCheckBox;
  c.DespuesDeEditar = std::move(DespuesDeEditar);
  AgregaColumna(std::move(c));
}

const clsColumnasGrid* EdicionGrid::Descriptor(int columna) const {
  for (const auto& c : columnas_)
    if (c.Columna == columna) return &c;
  return nullptr;
}

bool EdicionGrid::PrincipalEnBlanco(int renglon, int columna) const {
  return columnaPrincipal_ >= 0 && columnaPrincipal_ != columna && EnBlanco(reja_.Texto(renglon, columnaPrincipal_));
}

// Every cell from the first editable column to the grid's last is blank.
bool EdicionGrid::RenglonVacio(int renglon) const {
  for (int c = primeraColumna_; c < reja_.Columnas(); ++c)
    if (!EnBlanco(reja_.Texto(renglon, c))) return false;
  return true;
}

bool EdicionGrid::CeldaMarcada() const {
  return texto::Recorta(reja_.Texto(reja_.Renglon(), reja_.Columna())) == kMarcada;
}

void EdicionGrid::CeldaMarcada(bool marcada) {
  reja_.FijaTexto(reja_.Renglon(), reja_.Columna(), marcada ? kMarcada : kSinMarca);
}

// --- Keys on the grid.

void EdicionGrid::EditaCelda(char32_t& inTecla) {
  const char32_t tecla = inTecla;
  inTecla = teclas::kNinguna;
  if (!esEditable_) return;
  if (tecla == teclas::kEscape) {
    op_.Pitido();
    return;
  }
  TeclaEscrita(tecla);
}

void EdicionGrid::Modificar() { TeclaEscrita(teclas::kEnter); }

void EdicionGrid::DobleClic() { TeclaEscrita(teclas::kEnter); }

bool EdicionGrid::TeclaEscrita(char32_t tecla) {
  if (!esEditable_) return false;
  if (editando_ || tecla == teclas::kEscape) return true;
  if (tecla == teclas::kEspacio && !porEspacio_.Vacia()) return true;
  const int r = reja_.Renglon();
  const int c = reja_.Columna();
  if (r < 1 || r >= reja_.Renglones()) return true;
  if (reja_.RenglonOculto(r)) {
    op_.Pitido();
    return true;
  }
  if (numerar_ && EnBlanco(reja_.Texto(r, 0))) reja_.FijaTexto(r, 0, std::to_string(r));
  const clsColumnasGrid* col = Descriptor(c);
  if (!col) return true;
  if (PrincipalEnBlanco(r, c)) {
    op_.Pitido();
    return true;
  }
  const auto filtrada = PlantillaDeTeclas::Filtra(tecla, col->Plantilla);
  if (filtrada.pitido) op_.Pitido();
  if (filtrada.tecla == teclas::kNinguna) return true;
  Abre(*col, r, c, filtrada.tecla, nullptr);
  return true;
}

bool EdicionGrid::TeclaEspecial(teclas::Especial tecla) {
  if (!esEditable_ || editando_) return false;
  switch (tecla) {
    case teclas::Especial::Espacio:
      if (porEspacio_.Vacia()) return false;
      LlamaCelda(porEspacio_, reja_.Renglon(), reja_.Columna());
      return true;
    case teclas::Especial::Insertar:
      Inserta();
      return true;
    case teclas::Especial::Suprimir:
      Suprime();
      return true;
    case teclas::Especial::ShiftF1:
      ShiftF1EnReja();
      return true;
  }
  return false;
}

void EdicionGrid::AgregarRenglon() {
  if (esEditable_ && !editando_) Inserta();
}

void EdicionGrid::BorrarReglon() {
  if (esEditable_ && !editando_) Suprime();
}

void EdicionGrid::Inserta() {
  const int ultimo = reja_.Renglones() - 1;
  if (reja_.Renglon() >= 1 && ultimo >= 1 && RenglonVacio(ultimo)) {
    reja_.VeA(ultimo, primeraColumna_);
    AbreAlLlegar(primeraColumna_);
    return;
  }
  if (!agregarRenglones_) return;
  AgregaRenglonNuevo();
  AbreAlLlegar(primeraColumna_);
}

// Arriving on a cell opens its editor as Enter would; on a check mark it
// only goes there, since an Enter would flip it.
void EdicionGrid::AbreAlLlegar(int columna) {
  const clsColumnasGrid* col = Descriptor(columna);
  if (col && col->TipoControl != TipoDeEditor::kMarca) TeclaEscrita(teclas::kEnter);
}

void EdicionGrid::Suprime() {
  const int r = reja_.Renglon();
  if (!borrarRenglones_ || r < 1) {
    op_.Pitido();
    return;
  }
  if (!suprimeLinea_.Vacia()) {
    LlamaRenglon(suprimeLinea_, r);
    return;
  }
  if (RenglonVacio(r)) {
    Borrarlo(r);
    return;
  }
  if (Confirmar(op_, "¿Desea eliminar el renglón " + std::to_string(r) + "?", "Borrar línea")) Borrarlo(r);
  reja_.EnfocaReja();
}

// The look-up's value goes through the editor, so it is validated and
// written as a typed one; an empty answer (a look-up given up) leaves the
// cell as it was.
void EdicionGrid::ShiftF1EnReja() {
  const int r = reja_.Renglon();
  const int c = reja_.Columna();
  if (r < 1) return;
  if (PrincipalEnBlanco(r, c)) {
    op_.Pitido();
    return;
  }
  const clsColumnasGrid* col = Descriptor(c);
  if (!col || col->ShiftF1.Vacia() || col->TipoControl == TipoDeEditor::kMarca) return;
  const std::string valor = LlamaValor(col->ShiftF1);
  if (valor.empty()) return;
  Abre(*col, r, c, teclas::kEnter, &valor);
  if (editando_) EnterEnEditor();
}

// --- Rows.

void EdicionGrid::AgregaRenglonNuevo() {
  const int nuevo = reja_.Renglones();
  reja_.FijaRenglones(nuevo + 1);
  LlamaRenglon(antesDeInsertar_, nuevo);
  if (numerar_) {
    reja_.FijaTexto(nuevo, 0, std::to_string(nuevo));
    reja_.PintaRenglon(nuevo);
  }
  reja_.VeA(nuevo, primeraColumna_);
}

void EdicionGrid::Borrarlo(int lnReng) {
  if (lnReng < 1 || lnReng >= reja_.Renglones()) return;
  Cancela();
  const int columna = reja_.Columna();
  if (reja_.Renglones() == 2)
    reja_.FijaRenglones(1);
  else
    reja_.QuitaRenglon(lnReng);
  if (reja_.Renglones() == 1) reja_.FijaRenglones(2);
  // The current cell stays on a data row, as a flex grid keeps it.
  if (reja_.Renglon() < 1) reja_.VeA(std::min(lnReng, reja_.Renglones() - 1), columna);
  if (!numerar_) return;
  for (int r = 1; r < reja_.Renglones(); ++r) {
    reja_.FijaTexto(r, 0, std::to_string(r));
    reja_.PintaRenglon(r);
    op_.Ceder();
  }
}

// --- The editor.

void EdicionGrid::Abre(const clsColumnasGrid& col, int renglon, int columna, char32_t tecla, const std::string* texto) {
  if (col.TipoControl == TipoDeEditor::kMarca) {
    Marca(col, renglon, columna, tecla);
    return;
  }
  const std::string celda = reja_.Texto(renglon, columna);
  AperturaDeEditor a;
  a.tipo = col.TipoControl;
  a.renglon = renglon;
  a.columna = columna;
  a.longitud = col.TipoControl == TipoDeEditor::kTexto ? col.Longitud : 0;
  a.mascara = col.Mascara;
  a.desplazamientoX = factorHorizontal_;
  a.desplazamientoY = factorVertical_;
  if (texto) {
    a.texto = *texto;
  } else if (tecla == teclas::kEnter) {
    a.texto = celda;
    a.seleccionaTodo = true;
  } else if (tecla == teclas::kRetroceso) {
    if (celda.empty()) {
      op_.Pitido();
      return;
    }
    a.texto = teclas::SinUltimo(celda);
  } else {
    a.texto = teclas::Utf8(tecla);
  }
  if (EsCombo(col.TipoControl)) {
    ListaDeOpciones& lista = reja_.Lista(col.TipoControl);
    lista.Limpia();
    LlamaLlenar(col.LlenarCombos, lista, renglon, columna);
    // The first item is the combo's own text; Enter on a blank cell keeps it.
    if (!texto && tecla == teclas::kEnter && EnBlanco(celda) && lista.Cuantas() > 0) a.texto = lista.Opcion(0);
  }
  textoInicial_ = celda;
  renglonEd_ = renglon;
  columnaEd_ = columna;
  editando_ = true;
  reja_.AbreEditor(a);
}

void EdicionGrid::Marca(const clsColumnasGrid& col, int renglon, int columna, char32_t tecla) {
  if (tecla != teclas::kEspacio && tecla != teclas::kEnter) return;
  reja_.FuenteDeMarca(renglon, columna, col.TamañoFuenteCheckBox);
  const std::string actual = texto::Recorta(reja_.Texto(renglon, columna));
  const bool marcar = actual == kSinMarca || (actual != kMarcada && col.Plantilla == "1");
  reja_.FijaTexto(renglon, columna, marcar ? kMarcada : kSinMarca);
  LlamaCelda(col.DespuesDeEditar, renglon, columna);
  if (cambioAutomatico_) Avanza(renglon, columna);
}

bool EdicionGrid::Valida() {
  const clsColumnasGrid* col = Descriptor(columnaEd_);
  if (!col) return true;
  const std::string texto = reja_.TextoEditor();
  if (col->TipoControl == TipoDeEditor::kMascara && !FormatoCelda::EsFecha(texto)) return false;
  if (col->Validador.Vacia()) return true;
  // Cleared however the validator ends, a failure thrown through it included.
  struct Validando {
    bool& bandera;
    explicit Validando(bool& b) : bandera(b) { bandera = true; }
    ~Validando() { bandera = false; }
  } validando(validando_);
  return LlamaValidador(col->Validador, texto, renglonEd_, columnaEd_);
}

void EdicionGrid::Escribe(bool enfocarReja) {
  const clsColumnasGrid* col = Descriptor(columnaEd_);
  const std::string texto = reja_.TextoEditor();
  editando_ = false;
  // The row may have gone meanwhile (a validator that deleted it).
  const bool sigue = col && renglonEd_ < reja_.Renglones();
  if (sigue) reja_.FijaTexto(renglonEd_, columnaEd_, FormatoCelda::Aplica(texto, col->Formato));
  reja_.CierraEditor(enfocarReja);
  if (sigue) LlamaCelda(col->DespuesDeEditar, renglonEd_, columnaEd_);
}

void EdicionGrid::Cancela() {
  if (!editando_) return;
  editando_ = false;
  reja_.CierraEditor(true);
}

// Valid, or refused with a beep and the editor keeping the focus.
bool EdicionGrid::Acepta() {
  if (Valida()) return true;
  op_.Pitido();
  if (editando_) reja_.EnfocaEditor();
  return false;
}

void EdicionGrid::EnterEnEditor() {
  if (!editando_ || validando_ || !Acepta()) return;
  Escribe(true);
  if (cambioAutomatico_ && renglonEd_ < reja_.Renglones()) Avanza(renglonEd_, columnaEd_);
}

void EdicionGrid::EscapeEnEditor() {
  if (!editando_ || validando_) return;
  editando_ = false;
  if (renglonEd_ < reja_.Renglones()) reja_.FijaTexto(renglonEd_, columnaEd_, textoInicial_);
  reja_.CierraEditor(true);
}

void EdicionGrid::ArribaEnEditor() { MueveEnEditor(-1); }

void EdicionGrid::AbajoEnEditor() { MueveEnEditor(1); }

void EdicionGrid::MueveEnEditor(int paso) {
  if (!editando_ || validando_) return;
  const int destino = renglonEd_ + paso;
  if (destino < 1 || destino >= reja_.Renglones()) {
    op_.Pitido();
    reja_.EnfocaEditor();
    return;
  }
  if (!Acepta()) return;
  Escribe(true);
  reja_.VeA(destino, columnaEd_);
}

void EdicionGrid::ShiftF1EnEditor() {
  if (!editando_) return;
  const clsColumnasGrid* col = Descriptor(columnaEd_);
  if (!col || col->ShiftF1.Vacia()) return;
  const std::string valor = LlamaValor(col->ShiftF1);
  if (!valor.empty() && editando_) reja_.FijaTextoEditor(valor);
}

char32_t EdicionGrid::TeclaEnEditor(char32_t tecla) {
  const clsColumnasGrid* col = Descriptor(columnaEd_);
  if (!editando_ || !col || tecla < teclas::kEspacio) return tecla;
  const auto filtrada = PlantillaDeTeclas::Filtra(tecla, col->Plantilla);
  if (filtrada.pitido) op_.Pitido();
  return filtrada.tecla;
}

void EdicionGrid::EditorPierdeFoco() {
  if (!editando_ || validando_ || !Acepta()) return;
  Escribe(false);
}

void EdicionGrid::Avanza(int renglon, int columna) {
  const auto d = ReglasDeAvance::Siguiente(columnas_, renglon, columna, reja_.Renglones() - 1, agregarRenglones_);
  if (d.paso == ReglasDeAvance::Paso::RenglonNuevo)
    AgregaRenglonNuevo();
  else
    reja_.VeA(d.renglon, d.columna);
  if (d.abrirEditor) AbreAlLlegar(d.columna);
}

// --- Call-backs.

template <typename F>
const std::function<F>* EdicionGrid::Resuelve(const LlamadaGrid<F>& f) {
  if (f.Funcion()) return &f.Funcion();
  if (f.Nombre().empty()) return nullptr;
  const std::function<F>* metodo = metodos_ ? metodos_->Busca<F>(f.Nombre()) : nullptr;
  if (!metodo)
    op_.Mensaje("La ventana no tiene el método «" + f.Nombre() + "» que pide su reja.", Botones::kCritico,
                "Reja editable");
  return metodo;
}

// A validator that cannot be found refuses: nothing is written unchecked.
bool EdicionGrid::LlamaValidador(const LlamadaGrid<FnValidador>& f, const std::string& texto, int r, int c) {
  const auto* fn = Resuelve(f);
  return fn && (*fn)(texto, r, c);
}

void EdicionGrid::LlamaCelda(const LlamadaGrid<FnCelda>& f, int r, int c) {
  if (const auto* fn = Resuelve(f)) (*fn)(r, c);
}

void EdicionGrid::LlamaRenglon(const LlamadaGrid<FnRenglon>& f, int r) {
  if (const auto* fn = Resuelve(f)) (*fn)(r);
}

void EdicionGrid::LlamaLlenar(const LlamadaGrid<FnLlenarCombo>& f, ListaDeOpciones& lista, int r, int c) {
  if (const auto* fn = Resuelve(f)) (*fn)(lista, r, c);
}

std::string EdicionGrid::LlamaValor(const LlamadaGrid<FnValor>& f) {
  const auto* fn = Resuelve(f);
  return fn ? (*fn)() : std::string();
}

}  // namespace travesa
