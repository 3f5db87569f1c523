#include "publish/Publicacion.h"

#include "publish/clsXMLs.h"
#include "shell/Formatos.h"
#include "shell/Programa.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {

std::string Publicacion::TextoUltimaSubida(std::string_view sello) {
  return "Última vez que se subieron archivos: " + std::string(sello);
}

Publicacion::Resultado Publicacion::GenerarArchivos(Programa& programa, Operador& operador, const Ajustes& ajustes,
                                                    std::string_view vendedor, bool mostrarMensaje) {
  Ajustes a = ajustes;
  // With every product in the price lists the "only listed products" option is off.
  if (programa.SalenTodosEnLista()) a.SoloListas = "N";
  Resultado r;
  {
    operador.Aviso("");
    clsXMLs xmls(programa, operador, a);
    xmls.Vendedor = texto::Recorta(vendedor);
    xmls.ftpSitio = a.ftpSitio;
    xmls.ftpUsuario = a.ftpUsuario;
    xmls.FTPcontraseña = a.FTPcontraseña;
    xmls.FTPcarpeta = a.FTPcarpeta;
    r.ok = xmls.Procesar();
    r.motivo = xmls.MotivoDeFalla();
    operador.Aviso("");
  }
  if (!r.ok) return r;
  const auto ahora = formatos::Reloj::now();
  r.sello = formatos::SelloSubida(ahora);
  if (mostrarMensaje)
    operador.Mensaje("Archivos generados y grabados en el sitio web", Botones::kInformacion, "Atención");
  programa.configuracion().EscribeUltimaSubida(r.sello);
  if (Ajustes::Si(a.Automatico)) {
    const auto minutos = static_cast<long long>(libNalda::prVal(a.Minutos));
    r.proxima = "Próxima actualización estimada: " + formatos::FechaHoraGeneral(ahora + std::chrono::minutes(minutos));
  }
  return r;
}

}  // namespace travesa
