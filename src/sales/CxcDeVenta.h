#pragma once
// The customer account entries of a posted ticket or remission: the charge in
// the account statement; then an open receivable for a credit sale ("C"), or,
// for a sale with an amount in the configured payment form, the payment and
// its annex row. The customer's statement is recalculated once, after the
// sale's last movement.
//
// A sale paid with the sale leaves no open receivable: its payment settles it
// whole, and a receivable with nothing left to pay is not kept.
namespace travesa {

struct ContextoDePosteo;
class Lote;
class VentaPreparada;

class CxcDeVenta {
 public:
  struct Documento {
    const char* tipo;          // cxc.Tipo: "C" ticket, "R" remission
    long long id = 0;          // the document's Id
    long long folio = 0;       // the document's folio, for the concepts
    const char* columnaAnexo;  // "Cargo" (ticket) or "Remision"
    bool numeroEsMovimiento;   // cxc.Numero: the movement folio (tickets) or the document's Id
  };

  // Folios are drawn now; the rows join the sale's other writes in `lote`.
  static void Graba(const ContextoDePosteo& c, const VentaPreparada& v, const Documento& d, Lote& lote);

 private:
  // The payment made with the sale, under the folios already drawn.
  static void GrabaPago(const ContextoDePosteo& c, const VentaPreparada& v, const Documento& d, long long movimiento,
                        long long pago, Lote& lote);
};

}  // namespace travesa
