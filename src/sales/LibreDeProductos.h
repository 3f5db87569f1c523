#pragma once
// The free stock (Existencia - PorVender) of the products an order takes,
// kept for one block of sales: read with the block's products, then lowered
// by what each order of the run reserves, so an order of the block needs no
// read of its own. The sums are kept exactly, in ten-thousandths (the
// columns' scale); a product whose free stock or quantity does not fit that
// scale, or whose reservation may or may not have been stored, is no longer
// known here and its orders ask the server as they post. A sale's
// reservations count once it commits (Confirma); after a sale fails, its
// products are asked of the server for the rest of the block (Desconoce).
//
// The block's free stock is read before its sales post: what other desks
// reserve meanwhile is not seen, as a read of each order's own would not see
// what they reserve between that read and its writes.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace travesa {

class LibreDeProductos {
 public:
  // A decimal text ("12.5000", "-3", "7.5") in ten-thousandths; nothing for
  // any other form, when it has more decimals than four, or from a billion
  // units up.
  static std::optional<long long> Diezmilesimos(std::string_view texto);

  // A new block: its products' free stock was read again.
  void Nuevo();
  // Whether the free stock read for the product (`libre`, as the server
  // gave it) can say if `cantidad` (as the statement sends it) is covered.
  bool Sabe(const std::string& clave, std::string_view libre, std::string_view cantidad) const;
  // Whether it covers `cantidad` after the reservations so far; when it
  // does, the quantity is reserved for the sale being posted. Only after Sabe.
  bool Aparta(const std::string& clave, std::string_view libre, std::string_view cantidad);
  // A reservation the server checked for the sale being posted.
  void Anota(const std::string& clave, std::string_view cantidad);

  // The sale committed: its reservations stay.
  void Confirma();
  // The sale failed, or nobody knows whether it committed: its products are
  // no longer known.
  void Desconoce();

 private:
  std::map<std::string, long long> apartado_;   // committed this block
  std::map<std::string, long long> pendiente_;  // the sale being posted
  std::map<std::string, bool> desconocidos_;
};

}  // namespace travesa
