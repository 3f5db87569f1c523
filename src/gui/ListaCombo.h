#pragma once
// The list of a combo editor of the editable grid, as the window's
// LlenarCombos call-back fills it: each item's text, and for a data combo
// the value it stands for (Qt::UserRole).
#include <QPointer>

#include "grid/Reja.h"

class QComboBox;

namespace travesa {

class ListaCombo : public ListaDeOpciones {
 public:
  explicit ListaCombo(QComboBox* combo) : combo_(combo) {}

  void Limpia() override;
  void Agrega(std::string_view texto, std::string_view dato = {}) override;
  int Cuantas() const override;
  std::string Opcion(int i) const override;

 private:
  QPointer<QComboBox> combo_;
};

}  // namespace travesa
