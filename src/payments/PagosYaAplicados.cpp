#include "payments/PagosYaAplicados.h"

#include <cmath>
#include <map>

#include "payments/AplicacionDePagos.h"
#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

// Payments are matched by their whole units, taken from the amount to the
// cent on both sides: a column of two decimals or a FLOAT holds 80.999 as
// 81.00, and 50 may come back as 49.99999.
long long Unidades(double monto) { return static_cast<long long>(std::floor(std::round(monto * 100.0) / 100.0)); }
constexpr const char* kUnidadesDelAnexo = "TRUNCATE(ROUND(a.Cantidad, 2), 0)";

std::map<long, PagosYaAplicados::Documento> LeeCxcs(Conexion& cn, const std::vector<PagoAAplicar>& pagos) {
  std::set<long long> ids;
  for (const PagoAAplicar& p : pagos) ids.insert(p.idCxc);
  std::map<long, PagosYaAplicados::Documento> cxcs;
  if (ids.empty()) return cxcs;
  RecordSet rs;
  rs.Abre(cn, "SELECT Id, Tipo, Numero FROM cxc WHERE Id IN (" + texto::ListaDeNumeros(ids) + ")", "cxc");
  for (; !rs.Eof(); rs.MoveNext())
    cxcs.emplace(
        static_cast<long>(rs.Fields("Id").Entero()),
        PagosYaAplicados::Documento{DocumentoDePago::DeTipo(rs.Fields("Tipo").Texto()), rs.Fields("Numero").Entero()});
  return cxcs;
}

bool AplicadoSinCxc(Conexion& cn, const PagoAAplicar& p, double cantidad) {
  return !cn.Escalar(
                cn.Prepara("SELECT 1 FROM anexopagosctes a JOIN edoctacli e ON e.Folio = a.FolioDelPago "
                           "WHERE e.Clave = ? AND a.FechaReal = ? AND a.Hora = ? AND " +
                               std::string(kUnidadesDelAnexo) + " = ? LIMIT 1",
                           {Valor(p.cliente), Valor(p.fecha), Valor(p.hora.substr(0, 5)), Valor(Unidades(cantidad))}))
              .EsNulo();
}

}  // namespace

PagosYaAplicados::PagosYaAplicados(Conexion& cn, const std::vector<Documento>& documentos) {
  std::map<std::string, std::set<long long>> porColumna;
  for (const auto& [doc, numero] : documentos) porColumna[std::string(doc.columna)].insert(numero);
  if (porColumna.empty()) return;
  std::string donde;
  for (const auto& [columna, numeros] : porColumna)
    donde += (donde.empty() ? "" : " OR ") + columna + " IN (" + texto::ListaDeNumeros(numeros) + ")";
  RecordSet rs;
  rs.Abre(cn,
          "SELECT Factura, Remision, Apartado, Cargo, FechaReal, Hora, " + std::string(kUnidadesDelAnexo) +
              " AS Entero FROM anexopagosctes a WHERE " + donde,
          "anexopagosctes");
  for (; !rs.Eof(); rs.MoveNext()) {
    for (const auto& [columna, numeros] : porColumna) {
      const long long numero = rs.Fields(columna).Entero();
      if (numeros.count(numero))
        huellas_.emplace(columna, numero, rs.Fields("FechaReal").Texto(), rs.Fields("Hora").Texto(),
                         rs.Fields("Entero").Entero());
    }
  }
}

bool PagosYaAplicados::Aplicado(const Documento& documento, const std::string& fecha, const std::string& hora,
                                double monto) const {
  return huellas_.count(
             {std::string(documento.first.columna), documento.second, fecha, hora.substr(0, 5), Unidades(monto)}) > 0;
}

std::vector<bool> PagosYaAplicados::Busca(Conexion& cn, const std::vector<PagoAAplicar>& pagos,
                                          const std::vector<double>& cantidades) {
  const std::map<long, Documento> cxcs = LeeCxcs(cn, pagos);
  std::vector<Documento> documentos;
  for (const auto& [id, d] : cxcs) documentos.push_back(d);
  const PagosYaAplicados anexos(cn, documentos);
  std::vector<bool> aplicado(pagos.size(), false);
  for (std::size_t i = 0; i < pagos.size(); ++i) {
    const PagoAAplicar& p = pagos[i];
    const auto c = cxcs.find(p.idCxc);
    aplicado[i] = c == cxcs.end() ? AplicadoSinCxc(cn, p, cantidades[i])
                                  : anexos.Aplicado(c->second, p.fecha, p.hora, cantidades[i]);
  }
  return aplicado;
}

}  // namespace travesa
