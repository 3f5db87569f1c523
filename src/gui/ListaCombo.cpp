#include "gui/ListaCombo.h"

#include <QComboBox>

#include "gui/TextoQt.h"

namespace travesa {

void ListaCombo::Limpia() {
  if (combo_) combo_->clear();
}

void ListaCombo::Agrega(std::string_view texto, std::string_view dato) {
  if (!combo_) return;
  combo_->addItem(textoqt::AQt(texto), dato.empty() ? QVariant() : QVariant(textoqt::AQt(dato)));
}

int ListaCombo::Cuantas() const { return combo_ ? combo_->count() : 0; }

std::string ListaCombo::Opcion(int i) const { return combo_ ? textoqt::DeQt(combo_->itemText(i)) : std::string(); }

}  // namespace travesa
