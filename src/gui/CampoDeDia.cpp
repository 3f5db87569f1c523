#include "gui/CampoDeDia.h"

namespace travesa {

CampoDeDia::CampoDeDia(QWidget* padre) : QDateEdit(QDate::currentDate(), padre) {
  setCalendarPopup(true);
  setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
}

std::string CampoDeDia::Dia() const { return date().toString(Qt::ISODate).toStdString(); }

void CampoDeDia::Hoy() { setDate(QDate::currentDate()); }

}  // namespace travesa
