#pragma once
// The operator's login against the Norvento users table, and the rights
// questions. A user's rights are a string of "S" flags indexed by module code.
#include <string>
#include <string_view>

#include "shell/Operador.h"
#include "shell/PideCredenciales.h"

namespace travesa {

class BasesDD;
class Conexion;

class clsAcceso {
 public:
  clsAcceso(Operador& operador, PideCredenciales& ventana) : operador_(operador), ventana_(ventana) {}

  // Runs the login until a user is found or the operator cancels. True when a
  // user logged in and, when inModulo is not 0, holds that right.
  bool PuedeEntrar(BasesDD& xBdD, Conexion& cnfBDD, int inModulo);
  // True when the character at position inModulo (from 1) is an upper-case "S".
  static bool Accede(int inModulo, std::string_view stCadenaMods);

  const std::string& Usuario() const { return usuario_; }
  const std::string& Password() const { return password_; }
  const std::string& Nombre() const { return nombre_; }
  const std::string& Modulos() const { return modulos_; }

 private:
  bool BuscaUsuario(BasesDD& xBdD, Conexion& cnfBDD, const Credenciales& c);

  Operador& operador_;
  PideCredenciales& ventana_;
  std::string usuario_;
  std::string password_;
  std::string nombre_;
  std::string modulos_;
};

}  // namespace travesa
