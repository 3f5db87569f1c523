#include "cli/ComandoRegistro.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/EntradaConsola.h"
#include "shell/Programa.h"
#include "shell/host/ArchivoIni.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

struct ValorRegistro {
  const char* nombre;
  bool cifrado;
};

constexpr std::array<ValorRegistro, 5> kValores = {{
    {"servidor", false},
    {"MySQLServer", false},
    {"MySQLPuerto", false},
    {"MySQLUsuario", true},
    {"MySQLPassword", true},
}};

using Cambios = std::vector<std::pair<const ValorRegistro*, std::string>>;

const ValorRegistro* Busca(std::string_view nombre) {
  for (const ValorRegistro& v : kValores)
    if (texto::IgualesSinMayusculas(v.nombre, nombre)) return &v;
  return nullptr;
}

void Imprime(Programa& p) {
  for (const ValorRegistro& v : kValores) {
    const std::string valor = p.registro().DatosNVW(v.nombre);
    std::cout << v.nombre << "=" << (v.cifrado && !valor.empty() ? "****" : valor) << "\n";
  }
}

std::string RutaNorvento(Programa& p) {
  const Ajustes::Campo& c = *Ajustes::BuscaCampo("RutaNorvento");
  return p.configuracion().LeeIniConDefecto(c.seccion, c.clave, c.porOmision);
}

// Writing into a folder that has no record yet makes one there.
bool PreparaRegistro(Programa& p, const std::string& ruta) {
  if (!p.BuscaInstalacion(ruta).empty()) return true;
  std::error_code ec;
  if (!std::filesystem::is_directory(ruta, ec)) return false;
  // Empty and its owner's alone: it is going to hold the database's user and password.
  const int f = ::open((std::filesystem::path(ruta) / DelRegistro::kArchivo).c_str(),
                       O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (f >= 0) ::close(f);
  return !p.BuscaInstalacion(ruta).empty();
}

bool EsPuerto(const std::string& valor) {
  const std::string v = texto::Recorta(valor);
  if (v.empty() || v.size() > 5 || v.find_first_not_of("0123456789") != std::string::npos) return false;
  const long n = std::stol(v);
  return n >= 1 && n <= 65535;
}

// Why a value cannot be stored (empty when it can).
std::string Rechazo(const ValorRegistro& v, const std::string& valor) {
  const std::string motivo = ArchivoIni::Rechazo(valor);
  if (!motivo.empty()) return "El valor de «" + std::string(v.nombre) + "» " + motivo + ".";
  if (std::string_view(v.nombre) == "MySQLPuerto" && !EsPuerto(valor))
    return "«MySQLPuerto» admite un número de 1 a 65535, no «" + valor + "».";
  return {};
}

std::optional<Cambios> Interpreta(Operador& op, const std::vector<std::string>& args) {
  Cambios cambios;
  for (const std::string& arg : args) {
    const std::size_t igual = arg.find('=');
    const ValorRegistro* v = igual == std::string::npos ? nullptr : Busca(arg.substr(0, igual));
    if (v == nullptr) {
      op.Mensaje("Valor desconocido o sin «=»: «" + arg +
                     "». Se admiten servidor, MySQLServer, "
                     "MySQLPuerto, MySQLUsuario y MySQLPassword.",
                 Botones::kCritico, "Registro");
      return std::nullopt;
    }
    std::optional<std::string> valor = arg.substr(igual + 1);
    if (*valor == "-" && v->cifrado) valor = EntradaConsola::PideSecreto("Valor de «" + std::string(v->nombre) + "»");
    if (!valor) {
      op.Mensaje("No llegó el valor de «" + std::string(v->nombre) + "» por la entrada estándar.", Botones::kCritico,
                 "Registro");
      return std::nullopt;
    }
    if (const std::string motivo = Rechazo(*v, *valor); !motivo.empty()) {
      op.Mensaje(motivo, Botones::kCritico, "Registro");
      return std::nullopt;
    }
    cambios.emplace_back(v, *valor);
  }
  return cambios;
}

bool Cambia(const Cambios& cambios, std::string_view nombre) {
  for (const auto& [v, valor] : cambios)
    if (nombre == v->nombre) return true;
  return false;
}

// The database host is "MySQLServer" once it exists; "servidor" only fills it
// when empty. Whoever writes "servidor" alone means the database host, so both
// are written, and the operator is told.
void ServidorQueDecide(Programa& p, Cambios& cambios) {
  if (!Cambia(cambios, "servidor") || Cambia(cambios, "MySQLServer")) return;
  const std::string actual = texto::Recorta(p.registro().DatosNVW("MySQLServer"));
  std::string nuevo;
  for (const auto& [v, valor] : cambios)
    if (std::string_view(v->nombre) == "servidor") nuevo = valor;
  if (actual.empty() || actual == texto::Recorta(nuevo)) return;
  cambios.emplace_back(Busca("MySQLServer"), nuevo);
  p.operador().Mensaje("El servidor de la base de datos lo decide «MySQLServer» (era «" + actual +
                           "»); se guardó también MySQLServer=" + nuevo + ".",
                       Botones::kInformacion, "Registro");
}

}  // namespace

int ComandoRegistro::Ejecuta(Programa& programa, const Orden& orden) {
  Operador& op = programa.operador();
  try {
    const std::string ruta = RutaNorvento(programa);
    if (orden.argumentos.empty()) {
      if (programa.BuscaInstalacion(ruta).empty()) {
        op.Mensaje("No hay una instalación de Norvento registrada en «" + ruta + "» (falta " + DelRegistro::kArchivo +
                       "). Corrija la clave «Ruta de Norvento» de " + programa.ini().string() + ".",
                   Botones::kCritico, "Atención");
        return Salida::kArranque;
      }
      Imprime(programa);
      return Salida::kExito;
    }
    auto cambios = Interpreta(op, orden.argumentos);
    if (!cambios) return Salida::kUso;
    if (!PreparaRegistro(programa, ruta)) {
      op.Mensaje("La carpeta de Norvento «" + ruta + "» no existe.", Botones::kCritico, "Atención");
      return Salida::kArranque;
    }
    ServidorQueDecide(programa, *cambios);
    for (const auto& [v, valor] : *cambios)
      programa.registro().GuardaDatosNVW(v->nombre, v->cifrado ? programa.utilerias().Encripta(valor) : valor);
    Imprime(programa);
    return Salida::kExito;
  } catch (const ErrorTravesa& e) {
    op.Mensaje(e.what(), Botones::kCritico, "Error");
    return Salida::kFallo;
  }
}

}  // namespace travesa
