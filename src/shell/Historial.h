#pragma once
// The ledger of every run: what each read, payments, publish or clean-up run
// did with each file, document, payment, customer, transfer and catalogue
// file, so that the office can look back on a day and settle each seller.
// The database stays the truth: the ledger only tells what happened, and a
// ledger that cannot be written is told once and never stops, delays or
// repeats a sale or a payment. The front ends give the program its ledger;
// without one, nothing is recorded.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

// A document posted from a phone's sale.
struct DocumentoDelHistorial {
  std::string tipo;  // "Ticket", "Pedido" or "Remisión"
  std::string serie;
  long folio = 0;
  std::string cliente;
  std::string vendedor;
  std::string dia;   // the sale's day, "yyyy-mm-dd"
  std::string hora;  // "hh:nn:ss"
  double total = 0;
  std::string formaPago;           // "CO" cash or "C" credit, as the phone sent it
  std::array<double, 8> formas{};  // the eight payment amounts the phone sent
  std::string archivo;
  bool clienteDesconocido = false;
  // Products and quantities of its lines.
  std::vector<std::pair<std::string, double>> productos;
};

// What became of a phone's file in a run.
struct ArchivoDelHistorial {
  std::string nombre;
  long long tamano = 0;
  std::string huella;    // SHA-256, lower-case hexadecimal
  std::string vendedor;  // of its sales; empty when none could be read
  std::string dispositivo;
  std::string enSitio;  // the site's time of the file, when known
  std::string destino;  // "grabado", "parcial", "ya grabado", "renglones rechazados", "en respaldo", ...
};

struct FallaDelHistorial {
  std::string archivo, vendedor, dia, hora, cliente, motivo;
};

struct PagoDelHistorial {
  std::string archivo;
  long long cxc = 0;
  std::string cliente;
  std::string vendedor;
  std::string dia;  // the payment's day
  double monto = 0;
  std::string decision;  // "aplicado", "no aplicado", "borrado", "ya aplicado", "en espera"
};

struct TraspasoDelHistorial {
  long folio = 0;
  int renglones = 0;
  double piezas = 0;
  std::string vendedor;
  std::string dia;
  std::vector<std::pair<std::string, double>> productos;
};

class Historial {
 public:
  virtual ~Historial() = default;

  // A run starts ("leer", "pagos", "generar", "borrar") and ends with its
  // result ("completa", "incompleta", "sin conexión"...); what is recorded in
  // between belongs to it. `vendedor`: the seller a publish was made for.
  virtual void Comienza(std::string_view tipo, std::string_view usuario, std::string_view vendedor = {}) = 0;
  virtual void Termina(std::string_view resultado) = 0;

  // A document is written before its transaction commits and confirmed after:
  // a run killed in between leaves it pending, and Reconcilia keeps it only
  // if the database holds it.
  virtual long long DocumentoPendiente(const DocumentoDelHistorial& d) = 0;
  virtual void DocumentoConfirmado(long long id) = 0;
  virtual void DocumentoDescartado(long long id) = 0;

  virtual void Archivo(const ArchivoDelHistorial& a) = 0;
  virtual void Falla(const FallaDelHistorial& f) = 0;
  virtual void Rechazo(std::string_view archivo, std::string_view linea) = 0;
  virtual void Pago(const PagoDelHistorial& p) = 0;
  virtual void Cliente(std::string_view clave, std::string_view nombre) = 0;
  virtual void Traspaso(const TraspasoDelHistorial& t) = 0;
  virtual void Publicado(std::string_view archivo, long long tamano, std::string_view huella) = 0;
};

// The ledger of a program without one.
class HistorialNulo : public Historial {
 public:
  void Comienza(std::string_view, std::string_view, std::string_view) override {}
  void Termina(std::string_view) override {}
  long long DocumentoPendiente(const DocumentoDelHistorial&) override { return 0; }
  void DocumentoConfirmado(long long) override {}
  void DocumentoDescartado(long long) override {}
  void Archivo(const ArchivoDelHistorial&) override {}
  void Falla(const FallaDelHistorial&) override {}
  void Rechazo(std::string_view, std::string_view) override {}
  void Pago(const PagoDelHistorial&) override {}
  void Cliente(std::string_view, std::string_view) override {}
  void Traspaso(const TraspasoDelHistorial&) override {}
  void Publicado(std::string_view, long long, std::string_view) override {}
};

}  // namespace travesa
