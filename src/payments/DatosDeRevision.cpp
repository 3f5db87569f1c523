#include "payments/DatosDeRevision.h"

#include <chrono>
#include <cstdlib>

#include "shell/Formatos.h"
#include "shell/host/Conexion.h"
#include "shell/host/ListaDeClaves.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

using R = RevisionDePagos;

// "dd/mmm/yyyy" of a date the database gave as "yyyy-mm-dd"; empty for none.
std::string FechaDeBD(const Valor& v) {
  const std::string& t = v.Texto();
  if (t.size() < 10) return "";
  const int anio = std::atoi(t.substr(0, 4).c_str());
  const unsigned mes = static_cast<unsigned>(std::atoi(t.substr(5, 2).c_str()));
  const unsigned dia = static_cast<unsigned>(std::atoi(t.substr(8, 2).c_str()));
  const std::chrono::year_month_day fecha{std::chrono::year(anio), std::chrono::month(mes), std::chrono::day(dia)};
  return fecha.ok() ? formatos::FechaCorta(fecha) : "";
}

}  // namespace

DatosDeRevision::DatosDeRevision(Conexion& cn, const std::vector<RegistroDePago>& pagos) : pagos_(pagos) {
  std::set<long long> ids;
  for (const RegistroDePago& p : pagos) ids.insert(p.idCxc);
  if (ids.empty()) return;
  cxcs_.Abre(cn, "SELECT * FROM cxc WHERE Id IN (" + texto::ListaDeNumeros(ids) + ")", "cxc");
  std::vector<PagosYaAplicados::Documento> documentos;
  for (std::size_t f = 0; !cxcs_.Eof(); cxcs_.MoveNext(), ++f) {
    filaDeCxc_.emplace(static_cast<long>(cxcs_.Fields("Id").Entero()), f);
    documentos.push_back(DocumentoDe(f));
  }
  aplicados_.emplace(cn, documentos);
  LeeDocumentos(cn);
  LeeNombres(cn);
}

PagosYaAplicados::Documento DatosDeRevision::DocumentoDe(std::size_t fila) {
  cxcs_.IrA(fila);
  return {DocumentoDePago::DeTipo(cxcs_.Fields("Tipo").Texto()), cxcs_.Fields("Numero").Entero()};
}

// A cargo shows its number only when its statement entry exists.
void DatosDeRevision::LeeDocumentos(Conexion& cn) {
  std::map<std::string, std::set<long long>> porTabla;
  std::set<long long> cargos;
  for (const auto& [id, fila] : filaDeCxc_) {
    const auto [doc, numero] = DocumentoDe(fila);
    if (doc.EsCargo()) {
      cargos.insert(numero);
    } else {
      porTabla[std::string(doc.tabla)].insert(numero);
    }
  }
  for (const auto& [tabla, numeros] : porTabla) {
    RecordSet rs;
    rs.Abre(cn,
            "SELECT Id, Serie, Factura, Fecha FROM " + tabla + " WHERE Id IN (" + texto::ListaDeNumeros(numeros) + ")",
            tabla);
    for (; !rs.Eof(); rs.MoveNext())
      documentos_.emplace(
          std::make_pair(tabla, rs.Fields("Id").Entero()),
          std::make_pair(FechaDeBD(rs.Fields("Fecha")), rs.Fields("Serie").Texto() + rs.Fields("Factura").Texto()));
  }
  if (cargos.empty()) return;
  RecordSet rs;
  rs.Abre(cn, "SELECT DISTINCT Folio FROM edoctacli WHERE Folio IN (" + texto::ListaDeNumeros(cargos) + ")",
          "edoctacli");
  for (; !rs.Eof(); rs.MoveNext()) cargos_.insert(rs.Fields("Folio").Entero());
}

// One query for every customer's name (see ListaDeClaves); a key the answer
// leaves out is asked alone.
void DatosDeRevision::LeeNombres(Conexion& cn) {
  std::vector<std::string> leidas;
  for (const auto& [id, fila] : filaDeCxc_) {
    cxcs_.IrA(fila);
    leidas.push_back(cxcs_.Fields("Clave").Texto());
  }
  const ListaDeClaves claves("Clave", leidas);
  if (claves.Vacia()) return;
  RecordSet rs;
  rs.Abre(cn,
          cn.Prepara("SELECT " + claves.Posicion() + " AS k, Nombre FROM clientes WHERE " + claves.Filtro(),
                     claves.Valores(2)),
          "clientes");
  for (; !rs.Eof(); rs.MoveNext())
    if (const std::string* clave = claves.Clave(rs.Fields("k").Entero()))
      nombres_.emplace(*clave, rs.Fields("Nombre").Texto());
  for (const Valor& clave : claves.Valores()) {
    if (nombres_.count(clave.Texto())) continue;
    RecordSet uno;
    uno.Abre(cn, cn.Prepara("SELECT Nombre FROM clientes WHERE Clave=? LIMIT 1", {clave}), "clientes");
    if (!uno.Eof()) nombres_.emplace(clave.Texto(), uno.Fields("Nombre").Texto());
  }
}

std::optional<RevisionDePagos::Renglon> DatosDeRevision::Renglon(std::size_t i) {
  const RegistroDePago& pago = pagos_[i];
  const auto cxc = filaDeCxc_.find(pago.idCxc);
  if (cxc == filaDeCxc_.end()) return std::nullopt;
  const PagosYaAplicados::Documento documento = DocumentoDe(cxc->second);
  if (aplicados_->Aplicado(documento, pago.fecha, pago.hora, pago.monto)) return std::nullopt;
  const auto& [doc, numero] = documento;
  R::Renglon r{};
  r[R::kIdCxc] = std::to_string(pago.idCxc);
  r[R::kClave] = cxcs_.Fields("Clave").Texto();
  r[R::kVence] = FechaDeBD(cxcs_.Fields("Vencimiento"));
  r[R::kSaldo] = formatos::Moneda(cxcs_.Fields("Saldo").Numero());
  r[R::kDocto] = doc.nombre;
  if (doc.EsCargo()) {
    if (cargos_.count(numero)) r[R::kNumero] = std::to_string(numero);
  } else if (const auto d = documentos_.find({std::string(doc.tabla), numero}); d != documentos_.end()) {
    r[R::kFecha] = d->second.first;
    r[R::kNumero] = d->second.second;
  }
  if (const auto n = nombres_.find(r[R::kClave]); n != nombres_.end()) r[R::kNombre] = n->second;
  return r;
}

}  // namespace travesa
