#include "payments/AplicacionDePagos.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>

#include "payments/Centavos.h"
#include "payments/DocumentoDePago.h"
#include "payments/PagosYaAplicados.h"
#include "shell/TablasSinTransacciones.h"
#include "shell/host/BasesDD.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Lote.h"
#include "shell/host/Movimientos.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Subconsultas.h"
#include "shell/host/Texto.h"
#include "shell/host/Transaccion.h"
#include "shell/host/Utilerias.h"

namespace travesa {

namespace {

constexpr std::string_view kBorraTabla = "DROP TABLE IF EXISTS tmpcxcs";
// The customer key is as wide as cxc.Clave, so no key is ever cut short.
// Renglon keeps the order the payments were reviewed in; Archivo, Huella and
// Orden say which payment of which file each one is (DecisionesDePago).
constexpr std::string_view kCreaTabla =
    "CREATE TABLE IF NOT EXISTS tmpcxcs (Cliente varchar(20) default '',"
    "CxC integer unsigned default 0,"
    "Cantidad double default 0,"
    "Fecha date default '0000-00-00',"
    "Hora char(5) default '00:00',"
    "Archivo varchar(255) default '',"
    "Huella char(64) default '',"
    "Orden integer unsigned default 0,"
    "Renglon integer unsigned not null auto_increment,"
    "Key( Cliente ), Primary Key (Renglon))";

// "hh:mm" of a time text.
std::string HoraCorta(std::string_view hora) { return std::string(hora.substr(0, 5)); }

constexpr std::size_t kFilasPorInsercion = 500;
// Customers whose duplicate test and receivables are read with one query each.
constexpr std::size_t kClientesPorBloque = 200;

// A customer's payments left out of the run, added to what the result shows.
void Repetido(ResultadoAplicacion& r, const std::string& cliente, double cantidad) {
  for (auto& c : r.repetidos) {
    if (c.clave != cliente) continue;
    c.total = centavos::Monto(centavos::De(c.total) + centavos::De(cantidad));
    return;
  }
  r.repetidos.push_back({cliente, cantidad, {}});
}

std::set<std::string> Huellas(const std::vector<PagoAAplicar>& pagos) {
  std::set<std::string> huellas;
  for (const PagoAAplicar& p : pagos)
    if (!p.pago.Vacia()) huellas.insert(p.pago.huella);
  return huellas;
}

// The receivables of a round of payments (each at most once) with their
// documents, in one query.
std::map<long, CxcPagada> LeeCxcs(Conexion& cn, const std::vector<GrupoDePagos::Pago>& ronda) {
  std::set<long long> ids;
  for (const GrupoDePagos::Pago& p : ronda) ids.insert(p.idCxc);
  RecordSet rs;
  rs.Abre(cn,
          "SELECT c.Id, c.Tipo, c.Numero, f.Id IS NOT NULL AS Factura, r.Id IS NOT NULL AS Remision, "
          "a.Id IS NOT NULL AS Apartado, EXISTS (SELECT 1 FROM edoctacli e WHERE e.Folio = c.Numero) AS Cargo "
          "FROM cxc c LEFT JOIN facturas f ON f.Id = c.Numero LEFT JOIN remisiones r ON r.Id = c.Numero "
          "LEFT JOIN apartados a ON a.Id = c.Numero WHERE c.Id IN (" +
              texto::ListaDeNumeros(ids) + ")",
          "cxc");
  std::map<long, CxcPagada> cxcs;
  for (; !rs.Eof(); rs.MoveNext()) {
    CxcPagada c{DocumentoDePago::DeTipo(rs.Fields("Tipo").Texto()), rs.Fields("Numero").Entero(), false};
    c.documentoExiste = rs.Fields(std::string(c.doc.columna)).Entero() != 0;
    cxcs.emplace(static_cast<long>(rs.Fields("Id").Entero()), c);
  }
  return cxcs;
}

// The query that finds the customer's payment entry already in the statement:
// the entry takes the date and time of the customer's earliest payment, so
// the same payments applied again meet the same entry.
std::string ConsultaRepetido(Conexion& cn, const GrupoDePagos& g) {
  return cn.Prepara(
      "SELECT AutoInc FROM edoctacli where Clave=? and Fecha=? and Hora=? and ROUND(CantidadPago*100)=? "
      "and Concepto=? limit 1",
      {Valor(g.cliente), Valor(g.fecha), Valor(g.hora), Valor(centavos::De(g.total)),
       Valor(AplicacionDePagos::kConcepto)});
}

// The staging table lives only during the run, whatever ends it.
class TablaDeTrabajo {
 public:
  explicit TablaDeTrabajo(Conexion& cn) : cn_(cn) {
    cn_.Execute(kBorraTabla);
    cn_.Execute(kCreaTabla);
  }
  ~TablaDeTrabajo() {
    try {
      cn_.Execute(kBorraTabla);
    } catch (...) {
      // A dropped connection took the rows with it; the next run drops the table.
    }
  }
  TablaDeTrabajo(const TablaDeTrabajo&) = delete;
  TablaDeTrabajo& operator=(const TablaDeTrabajo&) = delete;

 private:
  Conexion& cn_;
};

}  // namespace

std::string AplicacionDePagos::NombreDelBloqueo(const Conexion& cn) {
  return texto::Izquierda("travesa.tmpcxcs." + cn.datos().base, 64);
}

AplicacionDePagos::AplicacionDePagos(Conexion& cn, const BasesDD& bd, Operador& op) : cn_(cn), bd_(bd), op_(op) {}

ResultadoAplicacion AplicacionDePagos::AplicarPagos(const std::vector<PagoAAplicar>& pagos) {
  BloqueoNombrado bloqueo(cn_, NombreDelBloqueo(cn_), segundosDeEspera);
  TablasSinTransacciones::Advierte(cn_, op_);
  TablaDeTrabajo tabla(cn_);
  DecisionesDePago::AseguraTabla(cn_);
  // Each customer's writes go to the server together, inside its transaction.
  const Conexion::VariasALaVez juntas(cn_);
  ResultadoAplicacion r;
  Aparta(pagos, r);
  const std::vector<GrupoDePagos> grupos = GrupoDePagos::Lee(cn_);
  std::set<long> pagadas;  // the receivables paid so far in the run
  for (std::size_t inicio = 0; inicio < grupos.size(); inicio += kClientesPorBloque) {
    const std::size_t fin = std::min(inicio + kClientesPorBloque, grupos.size());
    const std::optional<LeidoDelBloque> bloque = LeeBloque(grupos, inicio, fin);
    for (std::size_t i = inicio; i < fin; ++i) {
      const GrupoDePagos& grupo = grupos[i];
      op_.Ceder();
      op_.Aviso("Aplicando los pagos del cliente " + grupo.cliente);
      // What the block read stands unless an earlier customer of the run paid
      // one of the same receivables.
      Previo previo;
      if (bloque) {
        previo.repetido = bloque->repetidos[i - inicio];
        previo.cxcs = &bloque->cxcs;
        const bool pagadaAntes = std::any_of(grupo.pagos.begin(), grupo.pagos.end(),
                                             [&](const GrupoDePagos::Pago& p) { return pagadas.count(p.idCxc) != 0; });
        if (pagadaAntes) previo.cxcs = nullptr;
      }
      for (const GrupoDePagos::Pago& p : grupo.pagos) pagadas.insert(p.idCxc);
      try {
        Transaccion t(cn_);
        if (!AplicaCliente(grupo, previo)) {
          Repetido(r, grupo.cliente, grupo.total);
          continue;
        }
        t.Confirma();
        r.aplicados.push_back({grupo.cliente, grupo.total, {}});
      } catch (const ErrorTravesa& e) {
        r.fallidos.push_back({grupo.cliente, grupo.total, e.what()});
      }
    }
  }
  op_.Aviso("");
  return r;
}

// Whether each customer's payment entry is already there, and the receivables
// of their payments, for a block of customers; nothing when a read fails, and
// each customer then reads its own, failing alone.
std::optional<AplicacionDePagos::LeidoDelBloque> AplicacionDePagos::LeeBloque(const std::vector<GrupoDePagos>& grupos,
                                                                              std::size_t inicio, std::size_t fin) {
  LeidoDelBloque leido;
  try {
    std::vector<std::string> consultas;
    std::vector<GrupoDePagos::Pago> todos;
    for (std::size_t i = inicio; i < fin; ++i) {
      consultas.push_back(ConsultaRepetido(cn_, grupos[i]));
      todos.insert(todos.end(), grupos[i].pagos.begin(), grupos[i].pagos.end());
    }
    for (const Valor& v : Subconsultas::Valores(cn_, consultas)) leido.repetidos.push_back(!v.EsNulo());
    leido.cxcs = LeeCxcs(cn_, todos);
  } catch (const ErrorTravesa&) {
    return std::nullopt;
  }
  return leido;
}

// Rows left empty are never staged, nor payments of 0 and deleted rows (their
// decision is recorded at once), nor a payment applied or decided on since
// the review (PagosYaAplicados, DecisionesDePago); a block of payments is
// checked and staged at a time.
void AplicacionDePagos::Aparta(const std::vector<PagoAAplicar>& pagos, ResultadoAplicacion& r) {
  std::vector<PagoAAplicar> bloque;
  std::vector<double> cantidades;
  std::vector<DecisionesDePago::Decision> descartados;
  auto aparta = [&] {
    if (bloque.empty()) return;
    const std::vector<bool> aplicado = PagosYaAplicados::Busca(cn_, bloque, cantidades);
    const DecisionesDePago decididos(cn_, Huellas(bloque));
    std::vector<std::vector<Valor>> filas;
    for (std::size_t i = 0; i < bloque.size(); ++i) {
      const PagoAAplicar& p = bloque[i];
      if (aplicado[i] || decididos.Decidido(p.pago)) {
        Repetido(r, p.cliente, cantidades[i]);
        continue;
      }
      filas.push_back({Valor(p.cliente), Valor(p.idCxc), Valor(cantidades[i]), Valor(p.fecha), Valor(HoraCorta(p.hora)),
                       Valor(p.pago.archivo), Valor(p.pago.huella), Valor(p.pago.orden)});
    }
    if (!filas.empty())
      cn_.Execute(cn_.TextoDeInsercion(
          "tmpcxcs", {"Cliente", "CxC", "Cantidad", "Fecha", "Hora", "Archivo", "Huella", "Orden"}, filas));
    bloque.clear();
    cantidades.clear();
  };
  for (const PagoAAplicar& p : pagos) {
    const double cantidad = centavos::Redondea(p.monto);
    if (p.cliente.empty() || p.idCxc <= 0) continue;
    if (p.borrado || cantidad <= 0) {
      descartados.push_back(
          {p.pago, p.borrado ? DecisionesDePago::kBorrado : DecisionesDePago::kOmitido, 0, p.cliente, p.idCxc});
      continue;
    }
    bloque.push_back(p);
    cantidades.push_back(cantidad);
    if (bloque.size() == kFilasPorInsercion) aparta();
  }
  aparta();
  DecisionesDePago::AnotaDescartados(cn_, descartados, usuario);
}

bool AplicacionDePagos::AplicaCliente(const GrupoDePagos& g, const Previo& previo) {
  const bool repetido = previo.repetido ? *previo.repetido : !cn_.Escalar(ConsultaRepetido(cn_, g)).EsNulo();
  if (repetido) return false;
  const std::vector<long long> folios =
      Movimientos::Foliar(cn_, {{"Foliote", "edoctacli", "Id"}, {"Movimiento", "edoctacli", "Folio"}});
  const long long entrada = folios[0];
  const long long folio = folios[1];
  Lote lote(cn_);
  std::vector<DecisionesDePago::Decision> decisiones;
  for (const GrupoDePagos::Pago& p : g.pagos)
    decisiones.push_back({p.pago, DecisionesDePago::kAplicado, p.cantidad, g.cliente, p.idCxc});
  DecisionesDePago::AnotaAplicados(lote, decisiones, usuario);
  // The first round may come read with the block.
  const std::map<long, CxcPagada>* leidas = previo.cxcs;
  for (const std::vector<GrupoDePagos::Pago>& ronda : g.Rondas()) {
    // A receivable paid again is read after the earlier payment was written.
    std::map<long, CxcPagada> propias;
    if (leidas == nullptr) {
      lote.Envia();
      propias = LeeCxcs(cn_, ronda);
    }
    const std::map<long, CxcPagada>& cxcs = leidas != nullptr ? *leidas : propias;
    leidas = nullptr;
    for (const GrupoDePagos::Pago& p : ronda) {
      op_.Ceder();
      const auto c = cxcs.find(p.idCxc);
      AplicaPago(lote, folio, p, c == cxcs.end() ? nullptr : &c->second);
    }
  }
  lote.Inserta("edoctacli",
               {"Id", "Folio", "Fecha", "Hora", "Clave", "CantidadPago", "Concepto", "MontoTotal", "FechaDePago"},
               {Valor(entrada), Valor(folio), Valor(g.fecha), Valor(g.hora), Valor(g.cliente), Valor(g.total),
                Valor(kConcepto), Valor(g.total), Valor(g.fecha)});
  Movimientos::CalculaEdoCta(entrada, lote, "edoctacli", "saldoscli");
  lote.Envia();
  return true;
}

// A receivable removed meanwhile still gets its annex row (without document)
// and counts in the customer's total, but no balance changes. One paid off
// is removed.
void AplicacionDePagos::AplicaPago(Lote& lote, long long folio, const GrupoDePagos::Pago& p, const CxcPagada* cxc) {
  std::vector<std::string> columnas = {"FolioDelPago", "Cantidad", "CantidadReal",
                                       "FechaReal",    "Hora",     "FechaAplicacion"};
  std::vector<Valor> valores = {Valor(folio),   Valor(p.cantidad), Valor(p.cantidad),
                                Valor(p.fecha), Valor(p.hora),     Valor(p.fecha)};
  if (cxc != nullptr) {
    columnas.emplace_back(cxc->doc.columna);
    valores.emplace_back(cxc->numero);
    if (cxc->documentoExiste) {
      if (!cxc->doc.EsCargo()) {
        lote.Execute(cn_.Prepara("Update " + std::string(cxc->doc.tabla) + " set Saldo=Saldo-? where Id=?",
                                 {Valor(p.cantidad), Valor(cxc->numero)}));
      }
      const std::string id = std::to_string(p.idCxc);
      lote.Execute(cn_.Prepara("Update cxc set Saldo=Saldo-? where Id=" + id, {Valor(p.cantidad)}));
      lote.Execute("Delete from cxc where Id=" + id + " and FLOOR(Saldo) <= 0");
    }
  }
  lote.Inserta("anexopagosctes", columnas, valores);
}

}  // namespace travesa
