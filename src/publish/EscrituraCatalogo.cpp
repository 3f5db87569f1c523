#include "publish/EscrituraCatalogo.h"

#include <string>

#include "publish/DocumentosDeCxc.h"
#include "publish/EscritorXML.h"
#include "shell/Interrupcion.h"
#include "shell/Operador.h"
#include "shell/RitmoDeAvisos.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/RecordSetSecuencial.h"

namespace travesa {
namespace {

// A stop requested (SIGTERM to the service) ends the build between two rows.
void SigueSiNoSeInterrumpe() {
  if (Interrupcion::Pedida()) throw ErrorTravesa("La publicación se interrumpió.");
}

}  // namespace

// The first value of the row, or the first two joined by ", ".
void EscrituraCatalogo::AvisaRenglon(Operador& operador, const RecordSetSecuencial& rs, bool primeroYSegundo) {
  std::string aviso(rs.Texto(0));
  if (primeroYSegundo) {
    aviso += ", ";
    aviso += rs.Texto(1);
  }
  operador.Aviso(aviso);
  operador.Ceder();
}

void EscrituraCatalogo::Registros(const std::filesystem::path& archivo, RecordSetSecuencial& rs, std::string_view raiz,
                                  std::string_view registro, Operador& operador) {
  EscritorXML xml(archivo, raiz);
  RitmoDeAvisos ritmo;
  const std::size_t columnas = rs.FieldCount();
  for (; !rs.Eof(); rs.MoveNext()) {
    SigueSiNoSeInterrumpe();
    if (ritmo.Toca()) AvisaRenglon(operador, rs, columnas != 1);
    xml.Abre(registro);
    for (std::size_t i = 0; i < columnas; ++i) xml.Elemento(rs.FieldName(i), rs.Texto(i));
    xml.Cierra();
  }
  xml.Termina();
}

void EscrituraCatalogo::CuentasPorCobrar(const std::filesystem::path& archivo, RecordSetSecuencial& rs,
                                         std::string_view raiz, std::string_view registro,
                                         const DocumentosDeCxc& documentos, Operador& operador) {
  const std::size_t id = rs.Columna("Id"), clave = rs.Columna("Clave"), tipo = rs.Columna("Tipo"),
                    numero = rs.Columna("Numero"), vencimiento = rs.Columna("Vencimiento"), saldo = rs.Columna("Saldo");
  EscritorXML xml(archivo, raiz);
  RitmoDeAvisos ritmo;
  std::string documento;
  std::string fecha;
  for (; !rs.Eof(); rs.MoveNext()) {
    SigueSiNoSeInterrumpe();
    if (ritmo.Toca()) AvisaRenglon(operador, rs, true);
    const std::string_view t = rs.Texto(tipo), n = rs.Texto(numero);
    const long long folio = rs.Fields(numero).Entero();
    fecha = "FECHA";
    if (t == "C") {
      documento.assign("CARGO ").append(n);
      if (const std::string* f = documentos.FechaDeCargo(folio)) {
        documento.append(" del ").append(*f);
        fecha = *f;
      }
    } else {
      using Tabla = DocumentosDeCxc::Tabla;
      const Tabla tabla = t == "F" ? Tabla::Facturas : t == "A" ? Tabla::Apartados : Tabla::Remisiones;
      documento = tabla == Tabla::Facturas ? "FACTURA " : tabla == Tabla::Apartados ? "APARTADO " : "REMISION ";
      if (const DocumentosDeCxc::Documento* d = documentos.Busca(tabla, folio)) {
        documento.append(d->serie).append(" ").append(d->factura);
        fecha = d->fecha;
      } else {
        documento.append("Id ").append(n);
      }
    }
    xml.Abre(registro);
    xml.Elemento("id", rs.Texto(id));
    xml.Elemento("cliente", rs.Texto(clave));
    xml.Elemento("documento", documento);
    xml.Elemento("fecha", fecha);
    xml.Elemento("vencimiento", rs.Texto(vencimiento));
    xml.Elemento("saldo", rs.Texto(saldo));
    xml.Elemento("tipo", t);
    xml.Elemento("numero", n);
    xml.Cierra();
  }
  xml.Termina();
}

}  // namespace travesa
