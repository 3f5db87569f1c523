#pragma once
// A list of the sellers: code and name, with "(todos)" first on the pages
// that take every seller. Only the list's sellers can be chosen (typing a
// code's first letters finds it).
#include <QComboBox>
#include <vector>

#include "shell/Programa.h"

namespace travesa {

class ComboDeVendedores : public QComboBox {
  Q_OBJECT

 public:
  ComboDeVendedores(bool conTodos, QWidget* padre);

  // Without telling: the first item is chosen.
  void Llena(const std::vector<travesa::Vendedor>& vendedores);
  // The chosen seller's key; empty for all.
  QString Clave() const;
  // "V02 (María Guadalupe Torres Salinas)"; empty for all.
  QString ClaveConNombre() const;
  // Chooses the seller of that key; the first item when the list has none.
  void Selecciona(const QString& clave);
  // Without telling: the sellers as Norvento has them now (one added since
  // the window opened is there; a failure is told to the operator), with the
  // one of that key chosen.
  void Recarga(Programa& programa, const QString& clave);

 private:
  bool conTodos_;
};

}  // namespace travesa
