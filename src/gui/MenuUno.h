#pragma once
// The menu of the main window's logo: "Descripción del programa" and "Editar
// archivo INI de configuración".
#include <QMenu>

namespace travesa {

class MenuUno : public QMenu {
  Q_OBJECT

 public:
  explicit MenuUno(QWidget* padre);

 signals:
  void Descripcion();
  void EditarIni();
};

}  // namespace travesa
