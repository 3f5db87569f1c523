#include "cli/Comandos.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <iostream>

#include "cli/ComandoAjustes.h"
#include "cli/ComandoBorrar.h"
#include "cli/ComandoEstado.h"
#include "cli/ComandoGenerar.h"
#include "cli/ComandoHistorial.h"
#include "cli/ComandoLeer.h"
#include "cli/ComandoLiquidacion.h"
#include "cli/ComandoPagos.h"
#include "cli/ComandoProbar.h"
#include "cli/ComandoRegistro.h"
#include "cli/ComandoServicio.h"
#include "cli/CredencialesConsola.h"
#include "ledger/HistorialSqlite.h"
#include "shell/Permisos.h"
#include "shell/Programa.h"
#include "shell/clsAcceso.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

using Trabajo = int (*)(Programa&, const Orden&);

struct DefComando {
  const char* nombre;
  int derecho;
  Trabajo trabajo;
  // Start-up stops when a stored FTP secret cannot be decrypted; the settings
  // command goes on, so the operator can write them again.
  bool exigeSecretos = true;
};

const DefComando kComandos[] = {
    {"ajustes", Permisos::kConfigurar, &ComandoAjustes::Ejecuta, false},
    {"probar", Permisos::kConfigurar, &ComandoProbar::Ejecuta},
    {"generar", Permisos::kGenerar, &ComandoGenerar::Ejecuta},
    {"servicio", Permisos::kGenerar, &ComandoServicio::Ejecuta},
    {"leer", Permisos::kLeer, &ComandoLeer::Ejecuta},
    {"borrar", Permisos::kBorrar, &ComandoBorrar::Ejecuta},
    {"pagos", Permisos::kPagos, &ComandoPagos::Ejecuta},
    {"historial", Permisos::kLeer, &ComandoHistorial::Ejecuta},
    {"liquidacion", Permisos::kLeer, &ComandoLiquidacion::Ejecuta},
    {"estado", Permisos::kLeer, &ComandoEstado::Ejecuta},
};

const DefComando* Busca(const std::string& nombre) {
  for (const DefComando& c : kComandos)
    if (nombre == c.nombre) return &c;
  return nullptr;
}

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
    operador.Mensaje("La carpeta del programa «" + carpeta.string() + (existe ? "» no es una carpeta." : "» no existe."),
                     Botones::kCritico, "Atención");
    return Salida::kArranque;
  }
  Programa programa(carpeta, operador);
  if (orden.comando == "registro") return ComandoRegistro::Ejecuta(programa, orden);
  const DefComando* comando = Busca(orden.comando);
  if (comando == nullptr) {
    operador.Mensaje("Comando desconocido: «" + orden.comando + "». Vea «travesa --help».", Botones::kCritico, "Error");
    return Salida::kUso;
  }
  try {
    if (!programa.Inicia(comando->exigeSecretos)) return Salida::kArranque;
    InstalaHistorial(programa);
  } catch (const ErrorTravesa& e) {
    operador.Mensaje(e.what(), Botones::kCritico, "Error");
    return Salida::kArranque;
  }
  try {
    return ConAcceso(orden, operador, programa);
  } catch (const ErrorTravesa& e) {
    operador.Mensaje(e.what(), Botones::kCritico, "Error");
    return Salida::kFallo;
  }
}

int Comandos::ConAcceso(const Orden& orden, Operador& operador, Programa& programa) {
  const DefComando& comando = *Busca(orden.comando);
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
