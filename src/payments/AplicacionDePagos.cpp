#include "payments/AplicacionDePagos.h"

#include <cmath>

#include "payments/DocumentoDePago.h"
#include "shell/host/BasesDD.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Movimientos.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Transaccion.h"
#include "shell/host/Utilerias.h"

namespace travesa {
namespace {

constexpr std::string_view kBorraTabla = "DROP TABLE IF EXISTS tmpcxcs";
// The customer key is as wide as cxc.Clave, so no key is ever cut short.
constexpr std::string_view kCreaTabla =
    "CREATE TABLE IF NOT EXISTS tmpcxcs (Cliente varchar(20) default '',"
    "CxC integer unsigned default 0,"
    "Cantidad double default 0,"
    "Fecha date default '0000-00-00',"
    "Hora char(5) default '00:00',"
    "Key( Cliente ))";

// Amounts are kept in cents from here on, so a sum of doubles such as
// 0.1 + 0.2 compares equal to the 0.30 the statement holds.
double Centavos(double monto) { return std::round(monto * 100) / 100; }

// "hh:mm" of a time text.
std::string HoraCorta(std::string_view hora) { return std::string(hora.substr(0, 5)); }

// A customer's payments left out of the run, added to what the result shows.
void Repetido(ResultadoAplicacion& r, const std::string& cliente, double cantidad) {
  for (auto& c : r.repetidos) {
    if (c.clave != cliente) continue;
    c.total = Centavos(c.total + cantidad);
    return;
  }
  r.repetidos.push_back({cliente, cantidad, {}});
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

AplicacionDePagos::AplicacionDePagos(Conexion& cn, const BasesDD& bd, Operador& op) : cn_(cn), bd_(bd), op_(op) {}

long long AplicacionDePagos::ObtenerFolio(Conexion& cn, std::string_view columna, std::string_view tabla,
                                          std::string_view llave) {
  return Movimientos::Foliar(cn, columna, tabla, llave);
}

ResultadoAplicacion AplicacionDePagos::AplicarPagos(const std::vector<PagoAAplicar>& pagos) {
  BloqueoNombrado bloqueo(cn_, kBloqueo, segundosDeEspera);
  TablaDeTrabajo tabla(cn_);
  ResultadoAplicacion r;
  Aparta(pagos, r);
  RecordSet grupos;
  bd_.AbrirTabla(grupos, cn_, "tmpcxcs group by Cliente order by MIN(CxC)", "Cliente");
  for (; !grupos.Eof(); grupos.MoveNext()) {
    op_.Ceder();
    const std::string cliente = grupos.Fields("Cliente").Texto();
    const double total =
        Centavos(bd_.Sum(cn_, Utilerias::CambXXX("tmpcxcs where Cliente='XXX'", cliente), "Cantidad"));
    op_.Aviso("Aplicando los pagos del cliente " + cliente);
    try {
      Transaccion t(cn_);
      if (!AplicaCliente(cliente, total)) {
        Repetido(r, cliente, total);
        continue;
      }
      t.Confirma();
      r.aplicados.push_back({cliente, total, {}});
    } catch (const ErrorTravesa& e) {
      r.fallidos.push_back({cliente, total, e.what()});
    }
  }
  op_.Aviso("");
  return r;
}

// Rows left empty and payments of 0 are never staged, nor a payment applied
// since the review: another desk that held the same file may have applied it
// while this one waited for the lock, beside other payments of the customer
// than this desk holds, so the customer's statement entry alone cannot tell.
void AplicacionDePagos::Aparta(const std::vector<PagoAAplicar>& pagos, ResultadoAplicacion& r) {
  for (const PagoAAplicar& p : pagos) {
    const double cantidad = Centavos(p.monto);
    if (cantidad <= 0 || p.cliente.empty() || p.idCxc <= 0) continue;
    if (YaAplicado(p, cantidad)) {
      Repetido(r, p.cliente, cantidad);
      continue;
    }
    cn_.Inserta("tmpcxcs", {"Cliente", "CxC", "Cantidad", "Fecha", "Hora"},
                {Valor(p.cliente), Valor(p.idCxc), Valor(cantidad), Valor(p.fecha), Valor(HoraCorta(p.hora))});
  }
}

// The review's check, made again under the lock. A receivable gone since the
// review (settled, perhaps by this very payment) is matched by customer.
bool AplicacionDePagos::YaAplicado(const PagoAAplicar& p, double cantidad) {
  RecordSet cxc;
  if (bd_.AbrirTabla(cxc, cn_, "cxc where Id=" + std::to_string(p.idCxc), "Tipo, Numero")) {
    return DocumentoDePago::DeTipo(cxc.Fields("Tipo").Texto())
        .PagoAplicado(bd_, cn_, cxc.Fields("Numero").Entero(), p.fecha, p.hora, cantidad);
  }
  return !cn_.Escalar(cn_.Prepara("SELECT 1 FROM anexopagosctes a JOIN edoctacli e ON e.Folio = a.FolioDelPago "
                                  "WHERE e.Clave = ? AND a.FechaReal = ? AND a.Hora = ? AND "
                                  "TRUNCATE(a.Cantidad, 0) = ? LIMIT 1",
                                  {Valor(p.cliente), Valor(p.fecha), Valor(HoraCorta(p.hora)),
                                   Valor(static_cast<long long>(std::floor(cantidad)))}))
              .EsNulo();
}

bool AplicacionDePagos::AplicaCliente(const std::string& cliente, double total) {
  // The entry takes the date and time of the customer's earliest payment, so
  // the same payments applied again meet the same entry.
  RecordSet primero;
  bd_.AbrirTabla(primero, cn_,
                 cn_.Prepara("tmpcxcs where Cliente=? order by Fecha, Hora, CxC limit 1", {Valor(cliente)}),
                 "Fecha, Hora");
  const std::string fecha = primero.Fields("Fecha").Texto();
  const std::string hora = HoraCorta(primero.Fields("Hora").Texto());
  RecordSet repetido;
  if (bd_.AbrirTabla(repetido, cn_,
                     cn_.Prepara("edoctacli where Clave=? and Fecha=? and Hora=? and CantidadPago=? and Concepto=? limit 1",
                                 {Valor(cliente), Valor(fecha), Valor(hora), Valor(total), Valor(kConcepto)}),
                     "AutoInc")) {
    return false;
  }
  const long long entrada = ObtenerFolio(cn_, "Foliote", "edoctacli", "Id");
  const long long folio = ObtenerFolio(cn_, "Movimiento", "edoctacli", "Folio");
  RecordSet pagos;
  bd_.AbrirTabla(pagos, cn_, cn_.Prepara("tmpcxcs where Cliente=? order by CxC", {Valor(cliente)}),
                 "CxC, Cantidad, Fecha, Hora");
  for (; !pagos.Eof(); pagos.MoveNext()) {
    op_.Ceder();
    AplicaPago(folio, static_cast<long>(pagos.Fields("CxC").Entero()), pagos.Fields("Cantidad").Numero(),
               pagos.Fields("Fecha").Texto(), pagos.Fields("Hora").Texto());
  }
  cn_.Inserta("edoctacli",
              {"Id", "Folio", "Fecha", "Hora", "Clave", "CantidadPago", "Concepto", "MontoTotal", "FechaDePago"},
              {Valor(entrada), Valor(folio), Valor(fecha), Valor(hora), Valor(cliente), Valor(total),
               Valor(kConcepto), Valor(total), Valor(fecha)});
  Movimientos::CalculaEdoCta(entrada, cn_, "edoctacli", "saldoscli");
  return true;
}

// A receivable removed meanwhile still gets its annex row (without document)
// and counts in the customer's total, but no balance changes.
void AplicacionDePagos::AplicaPago(long long folio, long idCxc, double cantidad, const std::string& fecha,
                                   const std::string& hora) {
  std::vector<std::string> columnas = {"FolioDelPago", "Cantidad", "CantidadReal", "FechaReal", "Hora",
                                       "FechaAplicacion"};
  std::vector<Valor> valores = {Valor(folio), Valor(cantidad), Valor(cantidad),
                                Valor(fecha), Valor(HoraCorta(hora)), Valor(fecha)};
  RecordSet cxc;
  if (bd_.AbrirTabla(cxc, cn_, "cxc where Id=" + std::to_string(idCxc), "Id, Tipo, Numero")) {
    const DocumentoDePago doc = DocumentoDePago::DeTipo(cxc.Fields("Tipo").Texto());
    const long long numero = cxc.Fields("Numero").Entero();
    columnas.emplace_back(doc.columna);
    valores.emplace_back(numero);
    RecordSet documento;
    if (doc.Abre(bd_, cn_, documento, numero)) {
      if (!doc.EsCargo()) {
        cn_.Execute(cn_.Prepara("Update " + std::string(doc.tabla) + " set Saldo=Saldo-? where Id=?",
                                {Valor(cantidad), documento.Fields("Id")}));
      }
      cn_.Execute(cn_.Prepara("Update cxc set Saldo=Saldo-? where Id=?", {Valor(cantidad), Valor(idCxc)}));
      const double saldo = cn_.Escalar("SELECT Saldo FROM cxc WHERE Id=" + std::to_string(idCxc)).Numero();
      if (std::floor(saldo) <= 0) cn_.Execute("Delete from cxc where Id=" + std::to_string(idCxc));
    }
  }
  cn_.Inserta("anexopagosctes", columnas, valores);
}

}  // namespace travesa
