#include "cli/ComandoAjustes.h"

#include <iostream>
#include <vector>

#include "shell/ReglasAjustes.h"
#include "shell/Programa.h"

namespace travesa {
namespace {

struct Asignacion {
  const Ajustes::Campo* campo;
  std::string valor;
};

std::string Muestra(const Ajustes::Campo& c, const std::string& valor) {
  return std::string(c.nombre) + "=" + (c.secreto && !valor.empty() ? "****" : valor);
}

std::string ValorActual(Programa& p, const Ajustes::Campo& c) {
  if (c.miembro == &Ajustes::UltimaSubida) return p.configuracion().UltimaSubida();
  return p.ajustes().*c.miembro;
}

// Every argument checked before anything is written.
std::optional<std::vector<Asignacion>> Interpreta(Programa& p, const std::vector<std::string>& args) {
  std::vector<Asignacion> lista;
  for (const std::string& arg : args) {
    const std::size_t igual = arg.find('=');
    const Ajustes::Campo* c = igual == std::string::npos ? nullptr : Ajustes::BuscaCampo(arg.substr(0, igual));
    if (c == nullptr) {
      p.operador().Mensaje("Campo desconocido o sin valor: «" + arg + "». Escriba campo=valor; "
                           "«travesa ajustes» muestra los campos.", Botones::kCritico, "Ajustes");
      return std::nullopt;
    }
    const std::string valor = arg.substr(igual + 1);
    if (const auto motivo = ReglasAjustes::Rechazo(*c, valor)) {
      p.operador().Mensaje(*motivo, Botones::kCritico, "Ajustes");
      return std::nullopt;
    }
    lista.push_back({c, ReglasAjustes::ComoQueda(*c, valor)});
  }
  return lista;
}

}  // namespace

int ComandoAjustes::Ejecuta(Programa& programa, const Orden& orden) {
  if (orden.argumentos.empty()) {
    for (const Ajustes::Campo& c : Ajustes::Campos()) std::cout << Muestra(c, ValorActual(programa, c)) << "\n";
    return Salida::kExito;
  }
  const auto asignaciones = Interpreta(programa, orden.argumentos);
  if (!asignaciones) return Salida::kUso;
  for (const Asignacion& a : *asignaciones) programa.configuracion().GuardaCampo(*a.campo, a.valor);
  programa.configuracion().LeeConfiguracionFTP(programa.ajustes());
  for (const Asignacion& a : *asignaciones) std::cout << Muestra(*a.campo, ValorActual(programa, *a.campo)) << "\n";
  return Salida::kExito;
}

}  // namespace travesa
