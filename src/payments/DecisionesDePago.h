#pragma once
// What was decided on each payment of a payment file: applied with its
// amount, left out with 0, or deleted from the review. It is kept in the
// Norvento database (the program's own table travesadecisionespago, made on
// first need), so every desk on that database sees it; a file read again, on
// this desk or on another that holds a copy, shows and applies only the
// payments nobody decided on. A payment is known by its file (the name the
// phone gave it and its content) and its place in it, the same on every desk.
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace travesa {

class Conexion;
class Lote;

// A payment as its file names it.
struct IdentidadDePago {
  std::string archivo;  // the file's name as the phone sent it
  std::string huella;   // SHA-256 (hex) of that name and the file's content
  long orden = 0;       // its "values (" group in the file, from 1
  bool Vacia() const { return huella.empty(); }
};

class DecisionesDePago {
 public:
  static constexpr std::string_view kTabla = "travesadecisionespago";
  static constexpr std::string_view kAplicado = "aplicado";
  static constexpr std::string_view kOmitido = "omitido";  // "A pagar" 0
  static constexpr std::string_view kBorrado = "borrado";  // row deleted in the review

  struct Decision {
    IdentidadDePago pago;
    std::string_view decision;
    double cantidad = 0;  // the amount applied; 0 for the others
    std::string cliente;
    long idCxc = 0;
  };

  // Makes the table when it is missing. Defining a table ends the
  // transaction in course, so this is never called inside one.
  static void AseguraTabla(Conexion& cn);
  // The identity of a file's payments, without their place (orden 0). A copy
  // the backup folder numbered ("name.1.sql") counts by the name it came with.
  static IdentidadDePago DelArchivo(const std::filesystem::path& archivo, std::string_view contenido);

  // The decisions already taken on the payments of these files (by huella).
  DecisionesDePago(Conexion& cn, const std::set<std::string>& huellas);
  bool Decidido(const IdentidadDePago& pago) const;

  // The applied payments of a customer, among the writes of its transaction:
  // a payment recorded already (that is, applied twice) fails them all.
  static void AnotaAplicados(Lote& lote, const std::vector<Decision>& decisiones, const std::string& usuario);
  // Left out and deleted ones; a decision already there (another desk
  // applied the payment) stays as it is.
  static void AnotaDescartados(Conexion& cn, const std::vector<Decision>& decisiones, const std::string& usuario);

 private:
  std::set<std::pair<std::string, long>> decididos_;
};

}  // namespace travesa
