#include "shell/BitacoraDeArchivos.h"

#include <string>

#include "shell/host/ErrorTravesa.h"

namespace travesa {

BitacoraDeArchivos::BitacoraDeArchivos(const std::filesystem::path& carpetaPrograma, Modo modo)
    : archivo_(carpetaPrograma / kNombre) {
  salida_.open(archivo_, std::ios::binary | (modo == Modo::Nueva ? std::ios::trunc : std::ios::app));
  if (!salida_) {
    throw ErrorTravesa("No se pudo crear la bitácora «" + archivo_.string() + "».");
  }
}

void BitacoraDeArchivos::Escribe(std::string_view entrada) {
  if (!salida_.is_open()) return;
  salida_ << entrada << "\r\n";
  salida_.flush();
}

void BitacoraDeArchivos::Escribe(int sangria, std::string_view entrada) {
  std::string linea(static_cast<std::size_t>(sangria > 0 ? sangria : 0), ' ');
  linea += entrada;
  Escribe(linea);
}

void BitacoraDeArchivos::Cierra() {
  if (salida_.is_open()) salida_.close();
}

void BitacoraDeArchivos::AvisaInconcluso(Operador& operador, const std::filesystem::path& carpetaPrograma) {
  operador.Mensaje("El proceso no fue concluido. Revise el archivo «" + (carpetaPrograma / kNombre).string() +
                       "» para más información",
                   Botones::kInformacion, "Alerta");
}

}  // namespace travesa
