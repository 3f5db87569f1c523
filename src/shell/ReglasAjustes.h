#pragma once
// What the settings page does to a value when the operator leaves a field, and
// what it refuses to take at all.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Ajustes.h"

namespace travesa {

class ReglasAjustes {
 public:
  // Leaving the folder field: trimmed, "\" turned into "/", a final "/" added
  // (an empty field becomes "/").
  static std::string NormalizaCarpeta(std::string_view carpeta);
  // The folder as the connection test and the read runs use it: a leading and
  // a trailing "/".
  static std::string CarpetaConDiagonales(std::string_view carpeta);
  // The price number: above 5 becomes "5".
  static std::string ValidaPrecioSugerido(std::string_view texto);
  // The minutes: their number; 0 or less becomes "1".
  static std::string ValidaMinutos(std::string_view texto);

  // Why a value typed for the field cannot be taken (nullopt when it can),
  // judged as the page's key filters and limits judge it.
  static std::optional<std::string> Rechazo(const Ajustes::Campo& campo, std::string_view valor);
  // The value as the page leaves it once the operator moves on: the field rules
  // above and the yes/no and movement letters upper-cased.
  static std::string ComoQueda(const Ajustes::Campo& campo, std::string_view valor);
  // What to tell the operator when a number is stored other than typed (a
  // price number of 9 stored as 5, minutes 0 stored as 1); nothing otherwise.
  static std::optional<std::string> Nota(const Ajustes::Campo& campo, std::string_view valor);
  // The INI keys of the fields the operator can change whose values, as the
  // page leaves them, differ between `a` and `b`, in the order of the fields.
  static std::vector<std::string> Distintos(const Ajustes& a, const Ajustes& b);
};

}  // namespace travesa
