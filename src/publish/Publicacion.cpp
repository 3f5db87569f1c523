#include "publish/Publicacion.h"

#include <cstdlib>
#include <optional>

#include "publish/clsXMLs.h"
#include "shell/Formatos.h"
#include "shell/Historial.h"
#include "shell/Interrupcion.h"
#include "shell/Programa.h"
#include "shell/host/Bitacora.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

// How long a run waits for another one publishing to the same site and folder;
// TRAVESA_ESPERA_PUBLICACION (seconds) changes it.
int SegundosDeEspera() {
  constexpr int kPorOmision = 120;
  const char* v = std::getenv("TRAVESA_ESPERA_PUBLICACION");
  if (v == nullptr || *v == '\0') return kPorOmision;
  char* fin = nullptr;
  const long s = std::strtol(v, &fin, 10);
  return *fin == '\0' && s >= 0 && s <= 86400 ? static_cast<int>(s) : kPorOmision;
}

std::string TextoEnCurso(const Ajustes& a) {
  return "Hay otra publicación en curso hacia el sitio «" + a.ftpSitio + "», carpeta «" + a.FTPcarpeta +
         "». Inténtelo de nuevo cuando termine.";
}

}  // namespace

std::string Publicacion::TextoUltimaSubida(std::string_view sello) {
  return "Última vez que se subieron archivos: " + std::string(sello);
}

void Publicacion::MuestraExito(Operador& operador) {
  operador.Mensaje("Archivos generados y grabados en el sitio web", Botones::kInformacion, "Atención");
}

void Publicacion::MuestraGuardados(Operador& operador, const Resultado& r, std::string_view titulo) {
  if (r.guardados.empty()) return;
  std::string lista;
  for (const auto& archivo : r.guardados) lista += "\n" + archivo.string();
  operador.Mensaje(
      "En el sitio había archivos que un teléfono dejó y que aún no se leían; se guardaron antes de "
      "publicar el catálogo y la siguiente lectura («Leer archivos») los tomará:" +
          lista,
      Botones::kExclamacion, titulo);
}

void Publicacion::MuestraFalla(Operador& operador, const Resultado& r, std::string_view titulo) {
  if (r.Completo() || r.motivo.empty()) return;
  operador.Mensaje("Los archivos no se subieron completos al sitio: " + r.motivo, Botones::kCritico, titulo);
}

bool Publicacion::VendedorValido(Programa& programa, Operador& operador, std::string_view vendedor,
                                 std::string_view titulo) {
  const std::string clave = texto::Recorta(vendedor);
  if (clave.empty()) return true;
  for (const Vendedor& v : programa.Vendedores())
    if (v.clave == clave) return true;
  operador.Mensaje("No existe el vendedor «" + clave + "».", Botones::kCritico, titulo);
  return false;
}

Publicacion::Resultado Publicacion::GenerarArchivos(Programa& programa, Operador& operador, const Ajustes& ajustes,
                                                    std::string_view vendedor, bool mostrarMensaje) {
  Ajustes a = ajustes;
  // With every product in the price lists the "only listed products" option is off.
  if (programa.SalenTodosEnLista()) a.SoloListas = "N";
  Resultado r;
  Historial& historial = programa.historial();
  historial.Comienza("generar", programa.usuario(), texto::Recorta(vendedor));
  {
    // Held until the last file is on the site: two runs to one folder (the
    // service and a desk, two desks) would otherwise replace each other's files.
    const BloqueoNombrado unaALaVez(programa.principal(), clsXMLs::NombreDeBloqueo(a.ftpSitio, a.FTPcarpeta),
                                    SegundosDeEspera(), TextoEnCurso(a), &Interrupcion::Bandera());
    operador.Aviso("");
    clsXMLs xmls(programa, operador, a);
    xmls.Vendedor = texto::Recorta(vendedor);
    xmls.ftpSitio = a.ftpSitio;
    xmls.ftpUsuario = a.ftpUsuario;
    xmls.FTPcontraseña = a.FTPcontraseña;
    xmls.FTPcarpeta = a.FTPcarpeta;
    r.subido = xmls.Procesar();
    r.conectado = xmls.Conectado();
    r.motivo = xmls.MotivoDeFalla();
    r.guardados = xmls.Guardados();
    operador.Aviso("");
  }
  historial.Termina(r.Completo() ? "completa" : "incompleta");
  if (!r.Completo()) {
    Bitacora::Advierte("La publicación no se completó" + (r.motivo.empty() ? std::string(".") : ": " + r.motivo));
    return r;
  }
  const auto ahora = formatos::Reloj::now();
  r.sello = formatos::SelloSubida(ahora);
  if (mostrarMensaje) MuestraExito(operador);
  programa.configuracion().EscribeUltimaSubida(r.sello);
  if (Ajustes::Si(a.Automatico)) {
    const auto minutos = static_cast<long long>(libNalda::prVal(a.Minutos));
    // In the form of the last upload's stamp, shown just above it.
    r.proxima = "Próxima actualización estimada: " + formatos::SelloSubida(ahora + std::chrono::minutes(minutos));
  }
  return r;
}

}  // namespace travesa
