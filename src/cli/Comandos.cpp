#include "cli/Comandos.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <iostream>

#include "cli/CredencialesConsola.h"
#include "ledger/HistorialSqlite.h"
#include "shell/Permisos.h"
#include "shell/Programa.h"
#include "shell/clsAcceso.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

std::filesystem::path CarpetaDelEjecutable(const char* argv0) {
  char ruta[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", ruta, sizeof ruta - 1);
  if (n > 0) return std::filesystem::path(std::string(ruta, static_cast<std::size_t>(n))).parent_path();
  return std::filesystem::absolute(argv0).parent_path();
}

}  // namespace

int Comandos::Ejecuta(const Orden& orden, Operador& operador, const char* argv0) {
  const std::filesystem::path carpeta =
      orden.carpeta.empty() ? CarpetaDelEjecutable(argv0) : std::filesystem::absolute(orden.carpeta);
  std::error_code ec;
  if (!std::filesystem::is_directory(carpeta, ec)) {
    const bool existe = std::filesystem::exists(carpeta, ec);
    operador.Mensaje(
        "La carpeta del programa «" + carpeta.string() + (existe ? "» no es una carpeta." : "» no existe."),
        Botones::kCritico, "Atención");
    return Salida::kArranque;
  }
  Programa programa(carpeta, operador);
  const DefComando* comando = LineaDeComandos::Busca(orden.comando);
  if (comando == nullptr) {
    operador.Mensaje("Comando desconocido: «" + orden.comando + "». Vea «travesa --help».", Botones::kCritico, "Error");
    return Salida::kUso;
  }
  if (comando->arranque == DefComando::Arranque::kNinguno) return comando->trabajo(programa, orden);
  try {
    if (!programa.Inicia(comando->arranque == DefComando::Arranque::kCompleto)) return Salida::kArranque;
    InstalaHistorial(programa);
  } catch (const ErrorTravesa& e) {
    operador.Mensaje(e.what(), Botones::kCritico, "Error");
    return Salida::kArranque;
  }
  try {
    return ConAcceso(*comando, orden, operador, programa);
  } catch (const ErrorTravesa& e) {
    operador.Mensaje(e.what(), Botones::kCritico, "Error");
    return Salida::kFallo;
  }
}

int Comandos::ConAcceso(const DefComando& comando, const Orden& orden, Operador& operador, Programa& programa) {
  CredencialesConsola credenciales(orden.usuario, orden.codigo, operador);
  clsAcceso acceso(operador, credenciales);
  if (!acceso.PuedeEntrar(programa.bd(), programa.segunda(), Permisos::kEntrar)) return Salida::kAcceso;
  programa.FijaUsuario(acceso.Usuario());
  if (!clsAcceso::Accede(comando.derecho, acceso.Modulos())) {
    operador.Mensaje("Sus atributos como usuario no le permiten usar el comando «" + orden.comando + "».",
                     Botones::kCritico, "Alerta");
    return Salida::kAcceso;
  }
  return comando.trabajo(programa, orden);
}

}  // namespace travesa
