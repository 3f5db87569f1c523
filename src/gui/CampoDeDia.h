#pragma once
// A day to look at in the ledger: typed as dd/mm/aaaa or picked from the
// calendar; today unless chosen.
#include <QDateEdit>
#include <string>

namespace travesa {

class CampoDeDia : public QDateEdit {
  Q_OBJECT

 public:
  explicit CampoDeDia(QWidget* padre);

  // "yyyy-mm-dd", as the ledger keeps days.
  std::string Dia() const;
  void Hoy();
};

}  // namespace travesa
