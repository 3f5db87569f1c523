#include "sales/PosteoDeVentas.h"

#include <algorithm>
#include <map>

#include "sales/TipoDeDocumento.h"
#include "sales/VentaPreparada.h"
#include "sales/VentasEnEspera.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Historial.h"
#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Transaccion.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr std::size_t kVentasPorBloque = 200;

std::string SerieElegida(std::string_view serie) { return serie == "N/A" ? std::string() : std::string(serie); }

}  // namespace

PosteoDeVentas::PosteoDeVentas(Conexion& cn, const BasesDD& bd, const TipoDeDocumento& tipo, bool blSinExist,
                               std::string_view serie)
    : contexto_{cn, SerieElegida(serie), std::string(tipo.textoDocumento), blSinExist,
                static_cast<int>(libNalda::prVal(bd.LeeDato("FDPEVACDPDV", cn, "configura")))},
      tipo_(tipo) {}

std::string PosteoDeVentas::Motivo(const std::exception& e) {
  const std::string texto = e.what();
  return texto.substr(0, texto.find('\n'));
}

std::string PosteoDeVentas::TextoDeFalla(const VentaFallida& f) {
  return "     Venta no grabada: archivo " + f.archivo + ", fecha " + f.fecha + ", hora " + f.hora + ", cliente " +
         f.cliente + ". Motivo: " + f.motivo;
}

std::string PosteoDeVentas::TextoDeDesconocido(const VentaPosteada& p) {
  return "     Venta grabada a un cliente que no existe en Norvento: " + p.tipo + " " +
         (p.serie.empty() ? std::string() : p.serie + "-") + std::to_string(p.folio) + ", cliente «" + p.cliente +
         "», archivo " + p.archivo;
}

DocumentoDelHistorial PosteoDeVentas::AlHistorial(const VentaPreparada& v, const VentaPosteada& p) {
  const LineaDeVenta& venta = v.venta();
  DocumentoDelHistorial d{p.tipo,        p.serie,          p.folio, venta.cliente,   venta.vendedor,
                          venta.fecha,   venta.hora,       v.total, venta.formaPago, venta.formasDePago,
                          venta.archivo, !v.clienteExiste, {}};
  for (const LineaDeVenta& l : v.lineas) d.productos.emplace_back(l.producto, l.cantidad);
  return d;
}

void PosteoDeVentas::Graba(VentasEnEspera& espera, ResultadoVentas& resultado, BitacoraDeArchivos& bitacora,
                           std::set<unsigned>& fallidas) {
  // Each sale's writes go to the server together, inside its transaction.
  const Conexion::VariasALaVez juntas(contexto_.cn);
  const std::vector<unsigned> ids = espera.Ids();
  std::map<unsigned, std::vector<LineaDeVenta>> bloque;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    // The staged lines are read a block of sales at a time.
    if (i % kVentasPorBloque == 0) bloque = espera.Lineas(ids[i], ids[std::min(i + kVentasPorBloque, ids.size()) - 1]);
    const unsigned id = ids[i];
    std::vector<LineaDeVenta> lineas = std::move(bloque[id]);
    if (lineas.empty()) continue;
    const LineaDeVenta primera = lineas.front();
    long long pendiente = 0;
    bool confirmando = false;
    try {
      Transaccion transaccion(contexto_.cn);
      const VentaPreparada venta = VentaPreparada::Lee(contexto_.cn, id, std::move(lineas));
      if (tipo_.yaExiste(contexto_.cn, venta)) {
        ++resultado.yaPosteadas;
        continue;
      }
      VentaPosteada posteada = tipo_.graba(contexto_, venta);
      // In the ledger before the commit, confirmed after it: a run killed in
      // between leaves it pending, to be checked against the database.
      pendiente = historial_ ? historial_->DocumentoPendiente(AlHistorial(venta, posteada)) : 0;
      // A commit whose answer was lost may have been made: its document stays
      // pending, for the next start to check.
      confirmando = true;
      transaccion.Confirma();
      if (historial_) historial_->DocumentoConfirmado(pendiente);
      for (const std::string& aviso : contexto_.cn.TomaAvisosDeTexto())
        bitacora.Escribe("Venta de " + primera.cliente + " (" + primera.archivo + "): " + aviso);
      posteada.fecha = primera.fecha;
      // Posted as the rules say, but the office must see it.
      posteada.clienteDesconocido = !venta.clienteExiste;
      if (posteada.clienteDesconocido) bitacora.Escribe(TextoDeDesconocido(posteada));
      resultado.posteadas.push_back(std::move(posteada));
    } catch (const ErrorTravesa& e) {
      contexto_.cn.TomaAvisosDeTexto();  // nothing of the sale was stored
      const VentaFallida falla{primera.archivo, primera.fecha, primera.hora, primera.cliente, Motivo(e)};
      if (historial_) {
        if (!confirmando) historial_->DocumentoDescartado(pendiente);
        historial_->Falla({falla.archivo, primera.vendedor, falla.fecha, falla.hora, falla.cliente, falla.motivo});
      }
      bitacora.Escribe(TextoDeFalla(falla));
      resultado.fallidas.push_back(falla);
      fallidas.insert(id);
    }
  }
}

}  // namespace travesa
