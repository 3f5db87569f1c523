#include "cli/ComandoRegistro.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "shell/Programa.h"
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
  std::ofstream(std::filesystem::path(ruta) / DelRegistro::kArchivo, std::ios::app);
  return !p.BuscaInstalacion(ruta).empty();
}

}  // namespace

int ComandoRegistro::Ejecuta(Programa& programa, const Orden& orden) {
  Operador& op = programa.operador();
  try {
    const std::string ruta = RutaNorvento(programa);
    if (orden.argumentos.empty()) {
      if (programa.BuscaInstalacion(ruta).empty()) {
        op.Mensaje("No hay una instalación de Norvento registrada en «" + ruta + "» (falta " +
                       DelRegistro::kArchivo + "). Corrija la clave «Ruta de Norvento» de " + programa.ini().string() + ".",
                   Botones::kCritico, "Atención");
        return Salida::kArranque;
      }
      Imprime(programa);
      return Salida::kExito;
    }
    std::vector<std::pair<const ValorRegistro*, std::string>> cambios;
    for (const std::string& arg : orden.argumentos) {
      const std::size_t igual = arg.find('=');
      const ValorRegistro* v = igual == std::string::npos ? nullptr : Busca(arg.substr(0, igual));
      if (v == nullptr) {
        op.Mensaje("Valor desconocido o sin «=»: «" + arg + "». Se admiten servidor, MySQLServer, "
                   "MySQLPuerto, MySQLUsuario y MySQLPassword.", Botones::kCritico, "Registro");
        return Salida::kUso;
      }
      cambios.emplace_back(v, arg.substr(igual + 1));
    }
    if (!PreparaRegistro(programa, ruta)) {
      op.Mensaje("La carpeta de Norvento «" + ruta + "» no existe.", Botones::kCritico, "Atención");
      return Salida::kArranque;
    }
    for (const auto& [v, valor] : cambios)
      programa.registro().GuardaDatosNVW(v->nombre, v->cifrado ? programa.utilerias().Encripta(valor) : valor);
    Imprime(programa);
    return Salida::kExito;
  } catch (const ErrorTravesa& e) {
    op.Mensaje(e.what(), Botones::kCritico, "Error");
    return Salida::kFallo;
  }
}

}  // namespace travesa
