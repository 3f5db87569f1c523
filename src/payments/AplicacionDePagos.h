#pragma once
// The application of reviewed payments to the Norvento receivables: for every
// customer one payment entry in the account statement, one annex row per paid
// document, the balances of the documents and receivables lowered, receivables
// paid off removed, and the customer's balances recomputed. The payments pass
// through the staging table tmpcxcs, under a named lock for the whole run;
// each customer's group is one transaction, and the decision on each of its
// payments is recorded inside it (DecisionesDePago). A payment applied or
// decided on already (by another desk that held the same file) is left out
// and shown as repeated.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "payments/DecisionesDePago.h"
#include "payments/DocumentoDePago.h"
#include "payments/GrupoDePagos.h"
#include "shell/Operador.h"

namespace travesa {

class BasesDD;
class Conexion;
class Lote;
// A receivable a payment lowers, and whether the document it stands for is
// still there.
struct CxcPagada {
  DocumentoDePago doc;
  long long numero = 0;
  bool documentoExiste = false;
};

// One row of the review, as it is applied.
struct PagoAAplicar {
  std::string cliente;  // cxc.Clave
  long idCxc = 0;
  double monto = 0;        // "A pagar"; 0 or less is not applied
  std::string fecha;       // "yyyy-mm-dd"
  std::string hora;        // "hh:mm"
  IdentidadDePago pago{};  // its file and place; empty for a payment of no file
  bool borrado = false;    // deleted in the review: only that decision is recorded
};

struct ResultadoAplicacion {
  struct Cliente {
    std::string clave;
    double total = 0;
    std::string motivo;  // why it failed, for `fallidos`
  };
  std::vector<Cliente> aplicados;
  std::vector<Cliente> repetidos;  // already posted: skipped
  std::vector<Cliente> fallidos;   // nothing of theirs was written
  bool Completo() const { return fallidos.empty(); }
};

class AplicacionDePagos {
 public:
  static constexpr std::string_view kConcepto = "PAGO REGISTRADO EN PROGRAMA «TRAVESA»";
  // The payments run's named lock, one per database: the lock is the
  // server's, and two databases on one server do not wait for each other.
  static std::string NombreDelBloqueo(const Conexion& cn);

  // op gets the progress text and the yields.
  AplicacionDePagos(Conexion& cn, const BasesDD& bd, Operador& op);

  // How long to wait for another desk's run before giving up.
  int segundosDeEspera = 60;
  // Who applies, for the record of the decisions.
  std::string usuario;

  // Posts the payments. Throws ErrorTravesa when the lock or the staging
  // table cannot be had (nothing is posted then); a customer whose group
  // fails is rolled back, reported in `fallidos`, and the others still post.
  ResultadoAplicacion AplicarPagos(const std::vector<PagoAAplicar>& pagos);

 private:
  // What a block read says of one customer: whether its entry is already
  // there, and the receivables of its first payments (when no earlier
  // customer of the run paid one of them); empty, read in its transaction.
  struct Previo {
    std::optional<bool> repetido;
    const std::map<long, CxcPagada>* cxcs = nullptr;
  };
  struct LeidoDelBloque {
    std::vector<bool> repetidos;
    std::map<long, CxcPagada> cxcs;
  };
  std::optional<LeidoDelBloque> LeeBloque(const std::vector<GrupoDePagos>& grupos, std::size_t inicio, std::size_t fin);
  void Aparta(const std::vector<PagoAAplicar>& pagos, ResultadoAplicacion& r);
  // Posts one customer's group inside the open transaction; false when the
  // statement already holds it.
  bool AplicaCliente(const GrupoDePagos& grupo, const Previo& previo);
  // `cxc` is null when the receivable is no longer there.
  void AplicaPago(Lote& lote, long long folio, const GrupoDePagos::Pago& p, const CxcPagada* cxc);

  Conexion& cn_;
  const BasesDD& bd_;
  Operador& op_;
};

}  // namespace travesa
