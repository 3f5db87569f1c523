#include "cli/ComandoPagos.h"

#include <iostream>
#include <optional>

#include "payments/DescargaDePagos.h"
#include "payments/RevisionDePagos.h"
#include "publish/Publicacion.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Programa.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

using Revision = RevisionDePagos;

struct Monto {
  std::string id;
  std::string valor;
};

constexpr std::string_view kTitulo = "Aplicar pagos";

// The columns printed: the visible ones of the review, with the receivable's
// Id first (it is what --monto names), then the payment's date and time and
// the seller of its file.
constexpr int kImpresas[] = {Revision::kIdCxc,  Revision::kClave,     Revision::kNombre,   Revision::kFecha,
                             Revision::kVence,  Revision::kNumero,    Revision::kDocto,    Revision::kSaldo,
                             Revision::kAPagar, Revision::kFechaPago, Revision::kHoraPago, Revision::kVendedor};

std::optional<std::vector<Monto>> Montos(Operador& op, const std::vector<std::string>& args) {
  std::vector<Monto> montos;
  for (const std::string& a : args) {
    const std::size_t igual = a.find('=');
    if (igual == std::string::npos || igual == 0) {
      op.Mensaje("Escriba --monto IDCXC=VALOR (por ejemplo --monto 1234=150.50), no «" + a + "».", Botones::kCritico,
                 kTitulo);
      return std::nullopt;
    }
    montos.push_back({texto::Recorta(a.substr(0, igual)), a.substr(igual + 1)});
  }
  return montos;
}

// The n-th --monto of an Id sets the n-th row of that receivable. Every value
// is checked before the review is used; one refused leaves the whole run
// unapplied.
bool Asigna(Revision& revision, Operador& op, const std::vector<Monto>& montos) {
  std::vector<bool> usados(revision.Renglones().size(), false);
  for (const Monto& m : montos) {
    std::size_t i = 0;
    while (i < usados.size() && (usados[i] || revision.Renglones()[i][Revision::kIdCxc] != m.id)) ++i;
    if (i == usados.size()) {
      op.Mensaje("No hay (otro) pago por aplicar a la cuenta con Id-CxC " + m.id + ".", Botones::kCritico, kTitulo);
      return false;
    }
    usados[i] = true;
    if (!revision.CambiaAPagar(i, m.valor)) return false;
  }
  return true;
}

std::string Celda(const std::string& texto, std::size_t ancho, bool derecha) {
  const std::string relleno(ancho - std::min(ancho, texto::Largo(texto)), ' ');
  return derecha ? relleno + texto : texto + relleno;
}

void Imprime(const Revision& revision) {
  const auto& defs = Revision::Columnas();
  std::vector<std::size_t> anchos;
  for (const int c : kImpresas) {
    std::size_t ancho = texto::Largo(defs[c].titulo);
    for (const auto& r : revision.Renglones()) ancho = std::max(ancho, texto::Largo(r[c]));
    if (c == Revision::kSaldo) ancho = std::max(ancho, texto::Largo(revision.TotalSaldo()));
    if (c == Revision::kAPagar) ancho = std::max(ancho, texto::Largo(revision.TotalAPagar()));
    anchos.push_back(ancho);
  }
  auto linea = [&](auto celda) {
    std::string l;
    for (std::size_t k = 0; k < anchos.size(); ++k) {
      const int c = kImpresas[k];
      l += (k ? "  " : "") + Celda(celda(c), anchos[k], defs[c].derecha);
    }
    l.erase(l.find_last_not_of(' ') + 1);
    std::cout << l << "\n";
  };
  linea([&](int c) { return std::string(defs[c].titulo); });
  for (const auto& r : revision.Renglones()) linea([&](int c) { return r[c]; });
  linea([&](int c) {
    if (c == Revision::kDocto) return std::string("Total");
    if (c == Revision::kSaldo) return revision.TotalSaldo();
    if (c == Revision::kAPagar) return revision.TotalAPagar();
    return std::string();
  });
  std::cout << std::flush;
}

void AvisaPendientes(Operador& op) {
  op.Mensaje(
      "Los pagos no se aplicaron: quedan en la carpeta «respaldo» y el próximo «travesa pagos» los "
      "mostrará de nuevo (con --aplicar se aplican).",
      Botones::kInformacion, kTitulo);
}

// The review of the seller's waiting files (every seller's without one),
// printed, then applied when asked.
int Revisa(Programa& programa, const Orden& orden, const std::vector<Monto>& montos, BitacoraDeArchivos& bitacora) {
  Operador& op = programa.operador();
  Revision revision(programa, op);
  revision.Carga(bitacora, orden.vendedor);
  if (!Asigna(revision, op, montos)) {
    AvisaPendientes(op);
    return Salida::kUso;
  }
  if (revision.Renglones().empty()) {
    op.Mensaje("No hay pagos por aplicar.", Botones::kInformacion, kTitulo);
    return Salida::kExito;
  }
  Imprime(revision);
  if (!orden.aplicar) {
    AvisaPendientes(op);
    return Salida::kExito;
  }
  if (!revision.PreguntaAplicar()) {
    AvisaPendientes(op);
    return Salida::kFallo;
  }
  const ResultadoAplicacion r = revision.Aplicar();
  revision.AvisaAplicados(r);
  return r.Completo() ? Salida::kExito : Salida::kFallo;
}

}  // namespace

int ComandoPagos::Ejecuta(Programa& programa, const Orden& orden) {
  Operador& op = programa.operador();
  if (!Publicacion::VendedorValido(programa, op, orden.vendedor, kTitulo)) return Salida::kUso;
  const auto montos = Montos(op, orden.montos);
  if (!montos) return Salida::kUso;
  auto descarga = DescargaDePagos::Descargar(programa, op, programa.ajustes(), orden.vendedor);
  if (!descarga.conectado) {
    DescargaDePagos::AvisaFalla(programa, op);
    return Salida::kFallo;
  }
  const int salida = Revisa(programa, orden, *montos, *descarga.bitacora);
  if (descarga.Completo()) return salida;
  // What came down was shown (and applied); the rest waits on the site.
  DescargaDePagos::AvisaNoDescargados(op, descarga);
  return salida == Salida::kExito ? Salida::kFallo : salida;
}

}  // namespace travesa
