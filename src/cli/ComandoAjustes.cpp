#include "cli/ComandoAjustes.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <vector>

#include "cli/EntradaConsola.h"
#include "shell/Programa.h"
#include "shell/ReglasAjustes.h"

namespace travesa {
namespace {

struct Asignacion {
  const Ajustes::Campo* campo;
  std::string valor;
  std::optional<std::string> nota;  // when the value is stored other than typed
};

bool EsIlegible(Programa& p, const Ajustes::Campo& c) {
  const auto& ilegibles = p.ajustes().ilegibles;
  return std::find(ilegibles.begin(), ilegibles.end(), c.nombre) != ilegibles.end();
}

std::string Muestra(Programa& p, const Ajustes::Campo& c, const std::string& valor) {
  if (EsIlegible(p, c)) return std::string(c.nombre) + "=(no se puede descifrar)";
  return std::string(c.nombre) + "=" + (c.secreto && !valor.empty() ? "****" : valor);
}

std::string ValorActual(Programa& p, const Ajustes::Campo& c) {
  if (c.miembro == &Ajustes::UltimaSubida) return p.configuracion().UltimaSubida();
  return p.ajustes().*c.miembro;
}

// "campo=-" takes a secret from standard input (asked without echo at a terminal).
std::optional<std::string> ValorDado(Programa& p, const Ajustes::Campo& c, const std::string& escrito) {
  if (escrito != "-" || !c.secreto) return escrito;
  auto valor = EntradaConsola::PideSecreto("Valor de «" + std::string(c.nombre) + "»");
  if (!valor)
    p.operador().Mensaje("No llegó el valor de «" + std::string(c.nombre) + "» por la entrada estándar.",
                         Botones::kCritico, "Ajustes");
  return valor;
}

// Every argument checked before anything is written.
std::optional<std::vector<Asignacion>> Interpreta(Programa& p, const std::vector<std::string>& args) {
  std::vector<Asignacion> lista;
  for (const std::string& arg : args) {
    const std::size_t igual = arg.find('=');
    const Ajustes::Campo* c = igual == std::string::npos ? nullptr : Ajustes::BuscaCampo(arg.substr(0, igual));
    if (c == nullptr) {
      p.operador().Mensaje("Campo desconocido o sin valor: «" + arg +
                               "». Escriba campo=valor; "
                               "«travesa ajustes --help» muestra los campos.",
                           Botones::kCritico, "Ajustes");
      return std::nullopt;
    }
    const auto valor = ValorDado(p, *c, arg.substr(igual + 1));
    if (!valor) return std::nullopt;
    if (const auto motivo = ReglasAjustes::Rechazo(*c, *valor)) {
      p.operador().Mensaje(*motivo, Botones::kCritico, "Ajustes");
      return std::nullopt;
    }
    lista.push_back({c, ReglasAjustes::ComoQueda(*c, *valor), ReglasAjustes::Nota(*c, *valor)});
  }
  return lista;
}

void AvisaIlegibles(Programa& p) {
  if (p.ajustes().ilegibles.empty()) return;
  p.operador().Mensaje(
      p.AvisoSecretos(p.ini(), p.ajustes().ilegibles, "«travesa ajustes campo=valor» (campo=- para los secretos)"),
      Botones::kExclamacion, "Ajustes");
}

}  // namespace

int ComandoAjustes::Ejecuta(Programa& programa, const Orden& orden) {
  if (orden.argumentos.empty()) {
    for (const Ajustes::Campo& c : Ajustes::Campos())
      std::cout << Muestra(programa, c, ValorActual(programa, c)) << "\n";
    AvisaIlegibles(programa);
    return programa.ajustes().ilegibles.empty() ? Salida::kExito : Salida::kFallo;
  }
  const auto asignaciones = Interpreta(programa, orden.argumentos);
  if (!asignaciones) return Salida::kUso;
  std::vector<Configuracion::Asignacion> guardar;
  for (const Asignacion& a : *asignaciones) guardar.emplace_back(a.campo, a.valor);
  programa.configuracion().GuardaCampos(guardar);
  for (const Asignacion& a : *asignaciones)
    if (a.nota) programa.operador().Mensaje(*a.nota, Botones::kExclamacion, "Ajustes");
  programa.configuracion().LeeConfiguracionFTP(programa.ajustes());
  for (const Asignacion& a : *asignaciones)
    std::cout << Muestra(programa, *a.campo, ValorActual(programa, *a.campo)) << "\n";
  AvisaIlegibles(programa);
  return Salida::kExito;
}

}  // namespace travesa
