#include "publish/DocumentosDeCxc.h"

#include "shell/host/BasesDD.h"

namespace travesa {
namespace {

constexpr const char* kTablas[] = {"facturas", "apartados", "remisiones"};

}  // namespace

void DocumentosDeCxc::Carga(BasesDD& bd, Conexion& cn) {
  RecordSetSecuencial rs;
  // In the table's own order, so the first row of a folio is the one a lookup
  // by folio alone would meet first.
  bd.AbrirTabla(rs, cn, "edoctacli where CantidadCargo<>0 and Folio IN (SELECT Numero FROM cxc) ORDER BY AutoInc",
                "Folio,Fecha");
  for (; !rs.Eof(); rs.MoveNext()) cargos_.try_emplace(rs.Fields(0).Entero(), rs.Texto(1));
  for (std::size_t t = 0; t < std::size(kTablas); ++t) {
    bd.AbrirTabla(rs, cn, std::string(kTablas[t]) + " where Id IN (SELECT Numero FROM cxc)", "Id,Serie,Factura,Fecha");
    for (; !rs.Eof(); rs.MoveNext()) {
      tablas_[t].try_emplace(rs.Fields(0).Entero(),
                             Documento{std::string(rs.Texto(1)), std::string(rs.Texto(2)), std::string(rs.Texto(3))});
    }
  }
  bd.CierraTabla(rs);
}

const std::string* DocumentosDeCxc::FechaDeCargo(long long folio) const {
  const auto it = cargos_.find(folio);
  return it == cargos_.end() ? nullptr : &it->second;
}

const DocumentosDeCxc::Documento* DocumentosDeCxc::Busca(Tabla tabla, long long id) const {
  const auto& documentos = tablas_[static_cast<int>(tabla)];
  const auto it = documentos.find(id);
  return it == documentos.end() ? nullptr : &it->second;
}

}  // namespace travesa
