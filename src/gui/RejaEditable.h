#pragma once
// An editable grid over a table widget in one piece: the adapter (RejaQt)
// and the controller (EdicionGrid) wired together. Keep it as a member of
// the window that owns the table, declared after the table is made:
//
//   mhgReja_ = ConNombre(new QTableWidget(this), "mhgReja");
//   reja_ = std::make_unique<RejaEditable>(mhgReja_, operador);
//   reja_->qt().Columna(8, "A pagar", 1500, Qt::AlignRight | Qt::AlignVCenter);
//   reja_->edicion().AgregaColumna(8, TipoDeEditor::kTexto, "9", 0, "#,0.00", ...);
#include <memory>

#include "grid/EdicionGrid.h"
#include "gui/RejaQt.h"

class QTableWidget;

namespace travesa {

class RejaEditable {
 public:
  RejaEditable(QTableWidget* tabla, Operador& operador)
      : qt_(std::make_unique<RejaQt>(tabla, operador)), edicion_(*qt_, operador) {
    qt_->Controlador(&edicion_);
  }
  ~RejaEditable() { qt_->Controlador(nullptr); }
  RejaEditable(const RejaEditable&) = delete;
  RejaEditable& operator=(const RejaEditable&) = delete;

  EdicionGrid& edicion() { return edicion_; }
  RejaQt& qt() { return *qt_; }

 private:
  std::unique_ptr<RejaQt> qt_;
  EdicionGrid edicion_;
};

}  // namespace travesa
