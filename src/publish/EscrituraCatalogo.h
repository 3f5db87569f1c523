#pragma once
// The catalogue files written straight from the rows as the server sends them,
// each record to the file as soon as it is read: the generic file (a record a
// row, an element a column, named as the query names it) and the receivables
// file (its eight elements, with the document behind each receivable). The
// label shows a row's first values a few times a second.
#include <filesystem>
#include <string_view>

namespace travesa {

class DocumentosDeCxc;
class EscritorXML;
class Operador;
class RecordSetSecuencial;

class EscrituraCatalogo {
 public:
  // Write the rows left in rs to `archivo`; rs ends at its end.
  static void Registros(const std::filesystem::path& archivo, RecordSetSecuencial& rs, std::string_view raiz,
                        std::string_view registro, Operador& operador);
  static void CuentasPorCobrar(const std::filesystem::path& archivo, RecordSetSecuencial& rs, std::string_view raiz,
                               std::string_view registro, const DocumentosDeCxc& documentos, Operador& operador);

 private:
  static void AvisaRenglon(Operador& operador, const RecordSetSecuencial& rs, bool primeroYSegundo);
};

}  // namespace travesa
