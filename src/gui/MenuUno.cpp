#include "gui/MenuUno.h"

namespace travesa {

MenuUno::MenuUno(QWidget* padre) : QMenu(padre) {
  setObjectName(QStringLiteral("Uno"));
  QAction* descripcion = addAction(QStringLiteral("Descripción del programa"));
  QAction* ini = addAction(QStringLiteral("Editar archivo INI de configuración"));
  connect(descripcion, &QAction::triggered, this, &MenuUno::Descripcion);
  connect(ini, &QAction::triggered, this, &MenuUno::EditarIni);
}

}  // namespace travesa
