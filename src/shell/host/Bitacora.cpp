#include "shell/host/Bitacora.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>

#include "shell/host/libNalda.h"

namespace travesa {
namespace {

std::mutex gCerrojo;
std::filesystem::path gArchivo;

std::string Ahora() { return libNalda::Ahora("%Y-%m-%d %H:%M:%S"); }

}  // namespace

void Bitacora::Configura(const std::filesystem::path& archivo) {
  std::lock_guard bloqueo(gCerrojo);
  gArchivo = archivo;
}

void Bitacora::Advierte(std::string_view texto) {
  std::lock_guard bloqueo(gCerrojo);
  const std::string linea = Ahora() + " AVISO " + std::string(texto);
  if (!gArchivo.empty()) {
    std::ofstream f(gArchivo, std::ios::app);
    if (f) {
      f << linea << '\n';
      return;
    }
  }
  std::cerr << linea << '\n';
}

}  // namespace travesa
