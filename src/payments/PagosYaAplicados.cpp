#include "payments/PagosYaAplicados.h"

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "payments/AplicacionDePagos.h"
#include "payments/DocumentoDePago.h"
#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"

namespace travesa {
namespace {

struct Cuenta {
  DocumentoDePago doc;
  long long numero = 0;
};

// Document column, number, date, "hh:mm", whole amount.
using Huella = std::tuple<std::string, long long, std::string, std::string, long long>;

std::string Lista(const std::set<long long>& numeros) {
  std::string s;
  for (const long long n : numeros) s += (s.empty() ? "" : ",") + std::to_string(n);
  return s;
}

std::map<long, Cuenta> LeeCxcs(Conexion& cn, const std::vector<PagoAAplicar>& pagos) {
  std::set<long long> ids;
  for (const PagoAAplicar& p : pagos) ids.insert(p.idCxc);
  std::map<long, Cuenta> cxcs;
  if (ids.empty()) return cxcs;
  RecordSet rs;
  rs.Abre(cn, "SELECT Id, Tipo, Numero FROM cxc WHERE Id IN (" + Lista(ids) + ")", "cxc");
  for (; !rs.Eof(); rs.MoveNext())
    cxcs.emplace(static_cast<long>(rs.Fields("Id").Entero()),
                 Cuenta{DocumentoDePago::DeTipo(rs.Fields("Tipo").Texto()), rs.Fields("Numero").Entero()});
  return cxcs;
}

// The annex rows that name any of the documents, as fingerprints.
std::set<Huella> LeeAnexos(Conexion& cn, const std::map<long, Cuenta>& cxcs) {
  std::map<std::string, std::set<long long>> porColumna;
  for (const auto& [id, c] : cxcs) porColumna[std::string(c.doc.columna)].insert(c.numero);
  std::set<Huella> huellas;
  if (porColumna.empty()) return huellas;
  std::string donde;
  for (const auto& [columna, numeros] : porColumna)
    donde += (donde.empty() ? "" : " OR ") + columna + " IN (" + Lista(numeros) + ")";
  RecordSet rs;
  rs.Abre(cn,
          "SELECT Factura, Remision, Apartado, Cargo, FechaReal, Hora, TRUNCATE(Cantidad, 0) AS "
          "Entero FROM anexopagosctes WHERE " + donde,
          "anexopagosctes");
  for (; !rs.Eof(); rs.MoveNext()) {
    for (const auto& [columna, numeros] : porColumna) {
      const long long numero = rs.Fields(columna).Entero();
      if (numeros.count(numero))
        huellas.emplace(columna, numero, rs.Fields("FechaReal").Texto(), rs.Fields("Hora").Texto(),
                        rs.Fields("Entero").Entero());
    }
  }
  return huellas;
}

bool AplicadoSinCxc(Conexion& cn, const PagoAAplicar& p, double cantidad) {
  return !cn.Escalar(cn.Prepara("SELECT 1 FROM anexopagosctes a JOIN edoctacli e ON e.Folio = a.FolioDelPago "
                                "WHERE e.Clave = ? AND a.FechaReal = ? AND a.Hora = ? AND "
                                "TRUNCATE(a.Cantidad, 0) = ? LIMIT 1",
                                {Valor(p.cliente), Valor(p.fecha), Valor(p.hora.substr(0, 5)),
                                 Valor(static_cast<long long>(std::floor(cantidad)))}))
              .EsNulo();
}

}  // namespace

std::vector<bool> PagosYaAplicados::Busca(Conexion& cn, const std::vector<PagoAAplicar>& pagos,
                                          const std::vector<double>& cantidades) {
  const std::map<long, Cuenta> cxcs = LeeCxcs(cn, pagos);
  const std::set<Huella> anexos = LeeAnexos(cn, cxcs);
  std::vector<bool> aplicado(pagos.size(), false);
  for (std::size_t i = 0; i < pagos.size(); ++i) {
    const PagoAAplicar& p = pagos[i];
    const auto c = cxcs.find(p.idCxc);
    if (c == cxcs.end()) {
      aplicado[i] = AplicadoSinCxc(cn, p, cantidades[i]);
      continue;
    }
    aplicado[i] = anexos.count({std::string(c->second.doc.columna), c->second.numero, p.fecha, p.hora.substr(0, 5),
                                static_cast<long long>(std::floor(cantidades[i]))}) > 0;
  }
  return aplicado;
}

}  // namespace travesa
