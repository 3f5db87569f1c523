#include "payments/GrupoDePagos.h"

#include <map>
#include <tuple>

#include "payments/Centavos.h"
#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"

namespace travesa {
namespace {

void Cierra(GrupoDePagos& g) {
  long long suma = 0;
  const GrupoDePagos::Pago* primero = nullptr;
  for (const GrupoDePagos::Pago& p : g.pagos) {
    suma += centavos::De(p.cantidad);
    if (primero == nullptr ||
        std::tie(p.fecha, p.hora, p.idCxc) < std::tie(primero->fecha, primero->hora, primero->idCxc))
      primero = &p;
  }
  g.total = centavos::Monto(suma);
  if (primero != nullptr) {
    g.fecha = primero->fecha;
    g.hora = primero->hora;
  }
}

}  // namespace

std::vector<GrupoDePagos> GrupoDePagos::Lee(Conexion& cn) {
  RecordSet rs;
  rs.Abre(cn,
          "SELECT g.Cliente AS Grupo, t.CxC, t.Cantidad, t.Fecha, t.Hora, t.Archivo, t.Huella, t.Orden "
          "FROM tmpcxcs t JOIN "
          "(SELECT Cliente, MIN(CxC) AS Primera FROM tmpcxcs GROUP BY Cliente) g ON t.Cliente = g.Cliente "
          "ORDER BY g.Primera, g.Cliente, t.CxC, t.Renglon",
          "tmpcxcs");
  std::vector<GrupoDePagos> grupos;
  for (; !rs.Eof(); rs.MoveNext()) {
    const std::string cliente = rs.Fields("Grupo").Texto();
    if (grupos.empty() || grupos.back().cliente != cliente) grupos.push_back({cliente, {}, 0, {}, {}});
    grupos.back().pagos.push_back(
        {static_cast<long>(rs.Fields("CxC").Entero()),
         rs.Fields("Cantidad").Numero(),
         rs.Fields("Fecha").Texto(),
         rs.Fields("Hora").Texto().substr(0, 5),
         {rs.Fields("Archivo").Texto(), rs.Fields("Huella").Texto(), static_cast<long>(rs.Fields("Orden").Entero())}});
  }
  for (GrupoDePagos& g : grupos) Cierra(g);
  return grupos;
}

std::vector<std::vector<GrupoDePagos::Pago>> GrupoDePagos::Rondas() const {
  std::vector<std::vector<Pago>> rondas;
  std::map<long, std::size_t> vecesPagada;
  for (const Pago& p : pagos) {
    const std::size_t ronda = vecesPagada[p.idCxc]++;
    if (ronda == rondas.size()) rondas.emplace_back();
    rondas[ronda].push_back(p);
  }
  return rondas;
}

}  // namespace travesa
