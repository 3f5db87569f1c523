#pragma once
// Which commands a user may use: the module codes of the rights string.
#include <string_view>

namespace travesa {

struct Permisos {
  static constexpr int kEntrar = 550;
  static constexpr int kGenerar = 551;
  static constexpr int kLeer = 552;
  static constexpr int kConfigurar = 553;
  static constexpr int kPagos = 554;
  static constexpr int kBorrar = 555;

  bool configurar = false;
  bool generar = false;
  bool leer = false;
  bool pagos = false;
  bool borrar = false;

  static Permisos De(std::string_view modulos);
};

}  // namespace travesa
