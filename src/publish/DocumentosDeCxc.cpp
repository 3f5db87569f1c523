#include "publish/DocumentosDeCxc.h"

#include "shell/host/BasesDD.h"

namespace travesa {
namespace {

constexpr const char* kTablas[] = {"facturas", "apartados", "remisiones"};

// Numbers as the receivable's Numero reads them, so "0012" and "12" meet.
std::string Llave(const Valor& v) { return std::to_string(v.Entero()); }

}  // namespace

void DocumentosDeCxc::Carga(BasesDD& bd, Conexion& cn) {
  RecordSet rs;
  // In the table's own order, so the first row of a folio is the one a lookup
  // by folio alone would meet first.
  bd.AbrirTabla(rs, cn, "edoctacli where CantidadCargo<>0 and Folio IN (SELECT Numero FROM cxc) ORDER BY AutoInc",
                "Folio,Fecha");
  for (; !rs.Eof(); rs.MoveNext()) cargos_.try_emplace(Llave(rs.Fields("Folio")), rs.Fields("Fecha").Texto());
  for (const char* tabla : kTablas) {
    auto& documentos = tablas_[tabla];
    bd.AbrirTabla(rs, cn, std::string(tabla) + " where Id IN (SELECT Numero FROM cxc)", "Id,Serie,Factura,Fecha");
    for (; !rs.Eof(); rs.MoveNext()) {
      documentos.try_emplace(Llave(rs.Fields("Id")), Documento{rs.Fields("Serie").Texto(), rs.Fields("Factura").Texto(),
                                                              rs.Fields("Fecha").Texto()});
    }
  }
  bd.CierraTabla(rs);
}

std::optional<std::string> DocumentosDeCxc::FechaDeCargo(const std::string& folio) const {
  const auto it = cargos_.find(folio);
  if (it == cargos_.end()) return std::nullopt;
  return it->second;
}

std::optional<DocumentosDeCxc::Documento> DocumentosDeCxc::Busca(const std::string& tabla, const std::string& id) const {
  const auto t = tablas_.find(tabla);
  if (t == tablas_.end()) return std::nullopt;
  const auto it = t->second.find(id);
  if (it == t->second.end()) return std::nullopt;
  return it->second;
}

}  // namespace travesa
