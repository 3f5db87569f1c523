#include "sales/PosteoDeVentas.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "sales/TipoDeDocumento.h"
#include "sales/VentaPreparada.h"
#include "sales/VentasEnEspera.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Historial.h"
#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/FilasPorClave.h"
#include "shell/host/ListaDeClaves.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Subconsultas.h"
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
      tipo_(tipo) {
  contexto_.libre = &libre_;
}

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
  try {
    contexto_.columnasDeProductos = ColumnasDeProductos();
  } catch (const ErrorTravesa&) {
    contexto_.cn.TomaAvisosDeTexto();
  }
  for (std::size_t inicio = 0; inicio < ids.size(); inicio += kVentasPorBloque) {
    const std::size_t fin = std::min(inicio + kVentasPorBloque, ids.size());
    // The staged lines, the clients and which sales were posted before are
    // read a block of sales at a time.
    std::map<unsigned, std::vector<LineaDeVenta>> bloque = espera.Lineas(ids[inicio], ids[fin - 1]);
    std::vector<VentaPreparada> ventas;
    for (std::size_t i = inicio; i < fin; ++i)
      if (!bloque[ids[i]].empty()) ventas.push_back(VentaPreparada::SinCliente(ids[i], std::move(bloque[ids[i]])));
    std::optional<std::vector<bool>> yaPosteadas;
    std::unique_ptr<FilasPorClave> productos;
    try {
      VentaPreparada::LeeClientes(contexto_.cn, ventas);
      yaPosteadas = YaPosteadas(ventas);
      productos = LeeProductos(ventas);
    } catch (const ErrorTravesa&) {
      // Read again sale by sale, where each one fails alone.
      contexto_.cn.TomaAvisosDeTexto();
      yaPosteadas.reset();
    }
    for (std::size_t k = 0; k < ventas.size(); ++k) {
      const std::optional<bool> ya = yaPosteadas ? std::optional<bool>((*yaPosteadas)[k]) : std::nullopt;
      GrabaVenta(std::move(ventas[k]), ya, resultado, bitacora, fallidas);
    }
  }
}

// Of the product's columns a ticket or a remission copies or computes with,
// those the table has (asked once a run): a missing one fails where it is
// used. When the server cannot say, all of them.
std::vector<std::string> PosteoDeVentas::ColumnasDeProductos() {
  const ListaDeClaves usadas("COLUMN_NAME",
                             {"Clave", "Descrip", "IVA", "ImpuestoAd", "PesoProm", "CostoProm", "Precio1"});
  RecordSet rs;
  rs.Abre(contexto_.cn,
          contexto_.cn.Prepara("SELECT COLUMN_NAME FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() AND "
                               "TABLE_NAME = 'productos' AND " +
                                   usadas.Filtro(),
                               usadas.Valores()),
          "");
  std::vector<std::string> hay;
  for (; !rs.Eof(); rs.MoveNext()) hay.push_back(rs.Fields(0).Texto());
  return hay;
}

std::unique_ptr<FilasPorClave> PosteoDeVentas::LeeProductos(std::vector<VentaPreparada>& ventas) {
  std::vector<std::string> codigos;
  for (VentaPreparada& v : ventas) {
    v.primeraLinea = codigos.size();
    for (const LineaDeVenta& l : v.lineas) codigos.push_back(l.producto);
  }
  // Orders that need stock also read its free part, computed by the server.
  FilasPorClave::Columnas libre;
  if (tipo_.existenciaAlGrabar && !contexto_.blSinExist)
    libre = [](const ListaDeClaves&) {
      return std::make_pair(std::string("(Existencia - PorVender) AS TravesaLibre"), std::vector<Valor>());
    };
  auto productos = std::make_unique<FilasPorClave>(contexto_.cn, "productos", "Clave", codigos, libre,
                                                   contexto_.columnasDeProductos);
  libre_.Nuevo();
  for (VentaPreparada& v : ventas) v.productos = productos.get();
  return productos;
}

std::vector<bool> PosteoDeVentas::YaPosteadas(const std::vector<VentaPreparada>& ventas) {
  std::vector<std::string> consultas;
  for (const VentaPreparada& v : ventas) consultas.push_back(tipo_.consultaYaExiste(contexto_.cn, v));
  std::vector<bool> ya;
  for (const Valor& v : Subconsultas::Valores(contexto_.cn, consultas)) ya.push_back(!v.EsNulo());
  return ya;
}

// `yaPosteada` empty: the client and whether it was posted are not read yet.
void PosteoDeVentas::GrabaVenta(VentaPreparada venta, std::optional<bool> yaPosteada, ResultadoVentas& resultado,
                                BitacoraDeArchivos& bitacora, std::set<unsigned>& fallidas) {
  const LineaDeVenta primera = venta.venta();
  long long pendiente = 0;
  bool confirmando = false;
  try {
    Transaccion transaccion(contexto_.cn);
    if (!yaPosteada) {
      venta = VentaPreparada::Lee(contexto_.cn, venta.id, std::move(venta.lineas));
      yaPosteada = YaPosteadas({venta}).front();
    }
    if (*yaPosteada) {
      ++resultado.yaPosteadas;
      return;
    }
    VentaPosteada posteada = tipo_.graba(contexto_, venta);
    // In the ledger before the commit, confirmed after it: a run killed in
    // between leaves it pending, to be checked against the database.
    pendiente = historial_ ? historial_->DocumentoPendiente(AlHistorial(venta, posteada)) : 0;
    // A commit whose answer was lost may have been made: its document stays
    // pending, for the next start to check.
    confirmando = true;
    transaccion.Confirma();
    libre_.Confirma();
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
    // Tables without transactions keep what a failed sale wrote.
    libre_.Desconoce();
    const VentaFallida falla{primera.archivo, primera.fecha, primera.hora, primera.cliente, Motivo(e)};
    if (historial_) {
      if (!confirmando) historial_->DocumentoDescartado(pendiente);
      historial_->Falla({falla.archivo, primera.vendedor, falla.fecha, falla.hora, falla.cliente, falla.motivo});
    }
    bitacora.Escribe(TextoDeFalla(falla));
    resultado.fallidas.push_back(falla);
    fallidas.insert(venta.id);
  }
}

}  // namespace travesa
