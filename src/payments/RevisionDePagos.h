#pragma once
// The review of the downloaded payments, free of any widget: one row of texts
// per payment (the columns of the review window), built from the payment
// files of the chosen seller and the receivables they pay; the operator may
// change "A pagar" (0 leaves a payment out) or delete rows, then apply them.
// What is decided on each payment of a file is recorded when applying
// (DecisionesDePago), so a file read again shows only the payments nobody
// decided on. The desktop window shows these rows in its grid; the headless
// command prints them.
#include <array>
#include <cstddef>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "payments/AplicacionDePagos.h"
#include "payments/LectorDePagos.h"

namespace travesa {

class BitacoraDeArchivos;
class Programa;
struct DocumentoDePago;

class RevisionDePagos {
 public:
  enum Columna : int {
    kSelector = 0,
    kClave = 1,
    kNombre = 2,
    kFecha = 3,
    kVence = 4,
    kNumero = 5,
    kDocto = 6,
    kSaldo = 7,
    kAPagar = 8,
    kFechaPago = 9,
    kHoraPago = 10,
    kIdCxc = 11,
    kVendedor = 12,  // the seller field of the file's name
    kPago = 13,      // hidden: which payment read from a file the row shows; empty for none
    kColumnas = 14
  };
  using Renglon = std::array<std::string, kColumnas>;

  struct DefColumna {
    const char* titulo;
    int ancho;     // twips; 0 is hidden
    bool derecha;  // right aligned; otherwise left
  };
  static const std::array<DefColumna, kColumnas>& Columnas();

  static constexpr std::string_view kAvisoCero = "Escriba 0 en la cantidad 'A pagar', para no aplicar un pago";
  static constexpr std::string_view kAvisoAplicando = "Aplicando pagos, espere un momento...";

  RevisionDePagos(Programa& programa, Operador& operador);

  // Reads the payment files waiting (those just downloaded and those read
  // before but never applied) of the seller, or of every seller when it is
  // empty (the seller field of the name, compared as the download accepts
  // it), builds the rows and closes the log. A file that yields no row is
  // finished at once.
  void Carga(BitacoraDeArchivos& bitacora, std::string_view vendedor = {});
  // The row builder: false when the receivable no longer exists or the
  // payment was already applied (no row then).
  bool AgregaPago(const RegistroDePago& pago, std::size_t archivo = kSinArchivo);
  // The same for a block of payments, with a few queries for all of them;
  // returns how many rows were added.
  std::size_t AgregaPagos(const std::vector<RegistroDePago>& pagos, std::size_t archivo = kSinArchivo);

  const std::vector<Renglon>& Renglones() const { return renglones_; }

  // True when stTexto is a number from 0 to the row's "Saldo"; otherwise the
  // operator is told and the result is false.
  bool Validar(std::string_view stTexto, std::size_t renglon, int columna);
  // The same against a "Saldo" text (the desktop grid's cell).
  bool Validar(std::string_view stTexto, std::string_view saldo);
  // Validar, then the cell takes the amount in "#,0.00".
  bool CambiaAPagar(std::size_t renglon, std::string_view stTexto);
  void Borra(std::size_t renglon);

  // The totals of "Saldo" and "A pagar", in "#,0.00", added in cents.
  std::string TotalSaldo() const { return Total(renglones_, kSaldo); }
  std::string TotalAPagar() const { return Total(renglones_, kAPagar); }
  static std::string Total(const std::vector<Renglon>& renglones, int columna);

  // Applied, or nothing to apply when the files were read.
  bool aplicados() const { return aplicados_; }
  // The close request: true when the review may close (asks when the payments
  // were not applied).
  bool PuedeCerrar();
  // "Confirme si se aplican los pagos indicados:"
  bool PreguntaAplicar();
  // Applies the rows; the files whose payments all posted are finished. The
  // review is marked applied even when a customer failed: that customer's
  // file stays waiting and the next review shows what did not post.
  ResultadoAplicacion Aplicar(int segundosDeEspera = 60) { return Aplicar(renglones_, segundosDeEspera); }
  // The same with the rows as the desktop grid holds them after editing.
  ResultadoAplicacion Aplicar(const std::vector<Renglon>& renglones, int segundosDeEspera = 60);
  // "Pagos aplicados", and a line for each customer that failed.
  void AvisaAplicados(const ResultadoAplicacion& r);

  // The rows as the application takes them, and the payments of the files
  // whose rows are no longer among them (deleted in the review).
  std::vector<PagoAAplicar> Pagos(const std::vector<Renglon>& renglones) const;
  void AlHistorial(const std::vector<Renglon>& renglones, const ResultadoAplicacion& r,
                   const std::set<std::string>& fallidos);

  static constexpr std::size_t kSinArchivo = static_cast<std::size_t>(-1);

 private:
  struct Archivo {
    std::filesystem::path ruta;
    std::string vendedor;
    IdentidadDePago pago;  // the file's, without the payment's place
  };

  void LeeArchivo(const std::filesystem::path& archivo, BitacoraDeArchivos& bitacora, std::vector<std::string>& leidos);
  IdentidadDePago Identidad(std::size_t archivo, const RegistroDePago& pago) const;

  Programa& programa_;
  Operador& operador_;
  std::vector<Renglon> renglones_;
  std::vector<std::size_t> origen_;  // the file of each row
  std::vector<Archivo> archivos_;
  std::vector<PagoAAplicar> mostrados_;  // each row read from a file, as read (kPago)
  bool aplicados_ = false;
};

}  // namespace travesa
