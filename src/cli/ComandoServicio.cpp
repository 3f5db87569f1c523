#include "cli/ComandoServicio.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include "ledger/ConsultaDelHistorial.h"
#include "ledger/HistorialSqlite.h"
#include "publish/Publicacion.h"
#include "shell/ContadorMinutos.h"
#include "shell/Formatos.h"
#include "shell/Interrupcion.h"
#include "shell/Programa.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

// The flag the run in progress watches: its transfer ends at once.
extern "C" void PideTerminar(int) { Interrupcion::Pide(); }

// One tick of the timer; TRAVESA_TIC_MS shortens it for tests.
std::chrono::milliseconds Tic() {
  if (const char* v = std::getenv("TRAVESA_TIC_MS")) {
    const long ms = std::strtol(v, nullptr, 10);
    if (ms > 0) return std::chrono::milliseconds(ms);
  }
  return std::chrono::seconds(1);
}

}  // namespace

void ComandoServicio::Publica(Programa& programa, const Orden& orden) {
  Operador& op = programa.operador();
  try {
    programa.AseguraConexiones();
    const auto r = Publicacion::GenerarArchivos(programa, op, programa.ajustes(), orden.vendedor, false);
    for (const auto& archivo : r.guardados)
      op.Mensaje(formatos::SelloSubida(formatos::Reloj::now()) +
                     " Se guardó para la siguiente lectura un archivo que un "
                     "teléfono dejó en el sitio sin leerse: " +
                     archivo.string(),
                 Botones::kExclamacion, "Servicio");
    if (r.Completo()) {
      op.Mensaje(r.sello + " Archivos generados y grabados en el sitio web. " + r.proxima, Botones::kInformacion,
                 "Servicio");
      Estado(programa);
      return;
    }
    op.Mensaje(formatos::SelloSubida(formatos::Reloj::now()) + " La publicación no se completó" +
                   (r.motivo.empty() ? "." : ": " + r.motivo),
               Botones::kExclamacion, "Servicio");
  } catch (const ErrorTravesa& e) {
    op.Mensaje(formatos::SelloSubida(formatos::Reloj::now()) + " La publicación falló: " + e.what(),
               Botones::kExclamacion, "Servicio");
  }
}

// Each seller's last word, a line each, so that the service's log shows a
// phone that went quiet.
void ComandoServicio::Estado(Programa& programa) {
  try {
    const std::string sello = formatos::SelloSubida(formatos::Reloj::now());
    for (const auto& e : ConsultaDelHistorial::Estado(BaseDelHistorial(programa), programa.Vendedores(),
                                                      ConsultaDelHistorial::HorasSinEnviar(programa)))
      // On the standard output with the rest of the service's log: a seller
      // gone quiet is news for the office, not a failure of the service.
      programa.operador().Mensaje(sello + " " + ConsultaDelHistorial::LineaDeEstado(e), Botones::kInformacion,
                                  "Servicio");
  } catch (const ErrorTravesa& e) {
    programa.operador().Mensaje(e.what(), Botones::kExclamacion, "Servicio");
  }
}

int ComandoServicio::Ejecuta(Programa& programa, const Orden& orden) {
  Operador& op = programa.operador();
  if (!Ajustes::Si(programa.ajustes().Automatico)) {
    op.Mensaje("La generación automática de archivos está desactivada; actívela con «travesa ajustes Automatico=S».",
               Botones::kCritico, "Servicio");
    return Salida::kUso;
  }
  if (!Publicacion::VendedorValido(programa, op, orden.vendedor, "Servicio")) return Salida::kUso;
  Interrupcion::Olvida();
  std::signal(SIGTERM, PideTerminar);
  std::signal(SIGINT, PideTerminar);
  ContadorMinutos contador;
  Publica(programa, orden);
  const auto tic = Tic();
  auto siguiente = std::chrono::steady_clock::now() + tic;
  while (!Interrupcion::Pedida()) {
    std::this_thread::sleep_until(siguiente);
    if (Interrupcion::Pedida()) break;
    siguiente += tic;
    if (!contador.Tic(programa.ajustes().Minutos)) continue;
    // Settings changed meanwhile (with `ajustes` or the desktop) take effect now.
    programa.configuracion().LeeConfiguracionFTP(programa.ajustes());
    if (!Ajustes::Si(programa.ajustes().Automatico)) {
      op.Mensaje("La generación automática se desactivó; el servicio termina.", Botones::kInformacion, "Servicio");
      break;
    }
    Publica(programa, orden);
    // The timer does not run during a publish run.
    siguiente = std::chrono::steady_clock::now() + tic;
  }
  return Salida::kExito;
}

}  // namespace travesa
