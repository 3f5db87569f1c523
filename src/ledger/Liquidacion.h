#pragma once
// The settlement of one seller's day: what the seller sold, how it was paid
// (per payment form, with the names of `configura`), what was collected on
// the road, the cash to hand in, the products sold and left over, and what
// went wrong. Taken from the ledger, whose documents are the committed ones;
// the names of the payment forms from the point-of-sale database.
#include <array>
#include <map>
#include <string>
#include <vector>

namespace travesa {

class BaseSqlite;
class Conexion;

struct Liquidacion {
  struct PorTipo {
    std::string tipo;
    int cuantas = 0;
    double total = 0;
  };
  struct Producto {
    std::string descripcion;  // from the point-of-sale database
    double vendido = 0;
    double sobrante = 0;  // what the phone reported left over, booked as transfer
  };

  std::string vendedor;
  std::string nombre;  // the seller's name in the point-of-sale database
  std::string dia;     // "yyyy-mm-dd"
  std::vector<PorTipo> ventas;
  std::array<std::string, 8> formas;  // FPAGO1..FPAGO8 of configura
  std::array<double, 8> pagado{};     // paid with the sales, per form
  double aCredito = 0;
  double cobrosAplicados = 0;  // payments collected on the road, as applied
  double cobrosEnEspera = 0;   // and still waiting for review
  std::map<std::string, Producto> productos;
  std::vector<long> traspasos;           // folios of the day's transfers
  std::vector<std::string> excepciones;  // one line each
  std::string cerrada;                   // when it was closed; empty when open
  std::string cerradaPor;                // the user who closed it
  int tardias = 0;                       // documents posted after the close

  double Total() const;
  // The cash form of the sales plus the payments collected.
  double EfectivoPorEntregar() const { return pagado[0] + cobrosAplicados + cobrosEnEspera; }
};

class CalculoDeLiquidacion {
 public:
  static Liquidacion Calcula(BaseSqlite& historial, Conexion* cn, const std::string& vendedor, const std::string& dia);
  // The settlement as text, for the command and for printing.
  static std::string Texto(const Liquidacion& l);
  // The same figures in JSON (amounts to the cent), for other programs.
  static std::string Json(const Liquidacion& l);
  // The question before the close; `vendedor` as the operator knows the seller.
  static std::string PreguntaDeCierre(const std::string& vendedor, const std::string& dia);
  // Marks the day as settled; documents posted later are told as late.
  static void Cierra(BaseSqlite& historial, const std::string& vendedor, const std::string& dia,
                     const std::string& usuario);
};

}  // namespace travesa
