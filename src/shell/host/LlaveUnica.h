#pragma once
// Whether a table has a unique key on one column alone, asked of the server
// once per database and table: older installations lack keys the current
// schema has, and statements that rely on one (INSERT ... ON DUPLICATE KEY
// UPDATE) are used only where it is there.
#include <string_view>

namespace travesa {

class Conexion;

class LlaveUnica {
 public:
  static bool Tiene(Conexion& cn, std::string_view tabla, std::string_view columna);
};

}  // namespace travesa
