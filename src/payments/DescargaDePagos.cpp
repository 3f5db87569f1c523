#include "payments/DescargaDePagos.h"

#include "payments/clsPagos.h"
#include "shell/Dialogos.h"
#include "shell/Programa.h"
#include "shell/host/Texto.h"

namespace travesa {

bool DescargaDePagos::Pregunta(Operador& operador) {
  return Confirmar(operador, "¿Desea leer los archivos de pagos, para su aplicación?", "Descargar archivos de pagos");
}

DescargaDePagos::Resultado DescargaDePagos::Descargar(Programa& programa, Operador& operador, const Ajustes& ajustes,
                                                      std::string_view vendedor) {
  operador.Aviso("");
  clsPagos pagos(programa, operador, ajustes.VerificarCertificado != "N");
  pagos.ftpSitio = ajustes.ftpSitio;
  pagos.ftpUsuario = ajustes.ftpUsuario;
  pagos.FTPcontraseña = ajustes.FTPcontraseña;
  pagos.FTPcarpeta = ajustes.FTPcarpeta;
  pagos.stVendedor = texto::Recorta(vendedor);
  Resultado r;
  r.conectado = pagos.Procesar();
  r.motivo = pagos.MotivoDeFalla();
  r.noDescargados = pagos.NoDescargados();
  r.bitacora = pagos.TomaBitacora();
  operador.Aviso("");
  return r;
}

void DescargaDePagos::AvisaFalla(Programa& programa, Operador& operador) {
  BitacoraDeArchivos::AvisaInconcluso(operador, programa.carpeta());
}

void DescargaDePagos::AvisaNoDescargados(Operador& operador, const Resultado& r) {
  if (r.noDescargados.empty()) return;
  std::string texto = "Estos archivos de pagos no se pudieron descargar; quedan en el sitio para la próxima vez:";
  for (const std::string& n : r.noDescargados) texto += "\r\n" + n;
  operador.Mensaje(texto, Botones::kExclamacion, "Alerta");
}

}  // namespace travesa
