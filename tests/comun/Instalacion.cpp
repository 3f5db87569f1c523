#include "comun/Instalacion.h"

#include <gtest/gtest.h>

#include "comun/Entorno.h"
#include "shell/host/DeAcceso.h"
#include "shell/host/Utilerias.h"

namespace travesa::prueba {

Instalacion::Instalacion(bool demo) : Instalacion(BD(), demo) {}

Instalacion::Instalacion(const ServidorBD& s, bool demo)
    : propia_(std::make_unique<BaseDePrueba>(s, demo)), base_(propia_.get()), servidor_(s) {
  Escribe();
}

Instalacion::Instalacion(Instalacion& primera) : base_(primera.base_), servidor_(primera.servidor_) { Escribe(); }

void Instalacion::Escribe() {
  const ServidorBD& s = servidor_;
  const Utilerias u(dir_.ruta());
  EscribeArchivo(norvento() / "registro.ini",
                 "[Norvento]\nservidor=" + s.host + "\nMySQLPuerto=" + std::to_string(s.puerto) +
                     "\nMySQLUsuario=" + u.Encripta(s.usuario) + "\nMySQLPassword=" + u.Encripta(s.password) + "\n");
  EscribeArchivo(ini(), "[Configuración]\nRuta de Norvento=" + norvento().string() +
                            "\nBase de datos principal=" + base_->nombre() + "\n");
}

Resultado Instalacion::Travesa(const std::vector<std::string>& args, const std::string& entrada) {
  std::vector<std::string> todos = {"--carpeta", dir_.ruta().string()};
  todos.insert(todos.end(), args.begin(), args.end());
  return Ejecuta(todos, {{"TRAVESA_USUARIO", ""}, {"TRAVESA_CODIGO", ""}}, entrada);
}

Resultado Instalacion::ComoAdmin(const std::vector<std::string>& args, const std::string& entrada) {
  std::vector<std::string> todos = {"--usuario", "admin", "--codigo", "admin"};
  todos.insert(todos.end(), args.begin(), args.end());
  return Travesa(todos, entrada);
}

void Instalacion::Ajusta(const std::vector<std::string>& orden) {
  const Resultado r = ComoAdmin(orden);
  ASSERT_EQ(r.estado, 0) << r.Todo();
}

void Instalacion::AgregaUsuario(int id, const std::string& usuario, const std::string& codigo,
                                const std::string& modulos) {
  const std::string alE = "k" + std::to_string(id) + "#x";
  const std::size_t tercio = (modulos.size() + 2) / 3;
  auto parte = [&](std::size_t i) {
    return DeAcceso::Encripta(modulos.substr(std::min(i * tercio, modulos.size()), tercio), alE);
  };
  base_->Ejecuta("INSERT INTO usuarios (Id, Usuario, Codigo, AlE, Modulos1, Modulos2, Modulos3, Nombre) VALUES (" +
                 std::to_string(id) + ",'" + DeAcceso::Encripta(usuario, alE) + "','" +
                 DeAcceso::Encripta(codigo, alE) + "','" + alE + "','" + parte(0) + "','" + parte(1) + "','" +
                 parte(2) + "','Usuario " + usuario + "')");
}

}  // namespace travesa::prueba
