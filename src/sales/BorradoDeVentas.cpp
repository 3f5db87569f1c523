#include "sales/BorradoDeVentas.h"

#include "sales/clsBorrarSQLs.h"
#include "shell/Ajustes.h"
#include "shell/Dialogos.h"
#include "shell/Programa.h"

namespace travesa {

bool BorradoDeVentas::Confirma(Operador& operador) {
  return Confirmar(operador, "¿Está seguro de borrar los archivos de ventas?", "Eliminar archivos");
}

BorradoDeVentas::Resultado BorradoDeVentas::EjecutaBorrado(Programa& programa, Operador& operador,
                                                           const Ajustes& ajustes) {
  operador.Aviso("");
  clsBorrarSQLs borrado(programa.carpeta(), operador, ajustes.VerificarCertificado != "N");
  borrado.ftpSitio = ajustes.ftpSitio;
  borrado.ftpUsuario = ajustes.ftpUsuario;
  borrado.FTPcontraseña = ajustes.FTPcontraseña;
  borrado.FTPcarpeta = ajustes.FTPcarpeta;
  Resultado r;
  r.conectado = borrado.Procesar();
  r.borrados = borrado.Borrados();
  r.conservados = borrado.Conservados();
  operador.Aviso("");
  return r;
}

void BorradoDeVentas::MensajeFinal(Operador& operador, const Resultado& r) {
  if (!r.conectado) return;
  if (r.borrados.empty() && r.conservados.empty()) {
    operador.Mensaje("No había archivos de ventas en el sitio; no se eliminó nada.", Botones::kInformacion, "Atención");
    return;
  }
  operador.Mensaje("Archivos eliminados", Botones::kInformacion, "Atención");
  if (r.conservados.empty()) return;
  std::string lista;
  for (const std::string& nombre : r.conservados) lista += "\n" + nombre;
  operador.Mensaje("Estos archivos se dejaron en el sitio porque no se pudieron respaldar antes de borrarlos:" + lista,
                   Botones::kExclamacion, "Eliminar archivos");
}

}  // namespace travesa
