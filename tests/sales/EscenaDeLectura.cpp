#include "EscenaDeLectura.h"

namespace travesa::prueba {

EscenaDeLectura::EscenaDeLectura() : inst_(true), programa_(inst_.programa(), op_) {}

void EscenaDeLectura::SetUp() {
  ASSERT_TRUE(programa_.Inicia());
  Ajustes& a = programa_.ajustes();
  a.ftpSitio = sitio_.sitio();
  a.ftpUsuario = sitio_.servidor().usuario;
  a.FTPcontraseña = sitio_.servidor().password;
  a.FTPcarpeta = sitio_.carpeta().substr(1);  // no slashes: the run adds them
}

std::vector<std::string> EscenaDeLectura::Textos() const {
  std::vector<std::string> t;
  for (const auto& c : op_.cajas) t.push_back(c.texto);
  return t;
}

}  // namespace travesa::prueba
