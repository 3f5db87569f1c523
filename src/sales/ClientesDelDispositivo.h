#pragma once
// The customers the sellers created on their phones, read from the device
// customers file and added to `clientes`. A key already known is left as it
// is, so reading the same file again adds nothing. A customer whose record is
// malformed (a tag without its closing tag, a price list or credit days that
// are not a whole number from 0 to 255) is left out with a line in the
// program's log, and the others still go in.
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

class Conexion;
class Operador;

struct ClienteAgregado {
  std::string clave;
  std::string nombre;
};

struct ClienteRechazado {
  std::string clave;  // as read, possibly empty
  std::string motivo;
};

struct ResultadoClientes {
  std::vector<ClienteAgregado> agregados;
  int conocidos = 0;  // keys already in `clientes`
  std::vector<ClienteRechazado> rechazados;
};

class ClientesDelDispositivo {
 public:
  // `contenido` is the whole file as it came from the site.
  static ResultadoClientes Importa(Conexion& cn, std::string_view contenido, Operador& operador);
};

}  // namespace travesa
