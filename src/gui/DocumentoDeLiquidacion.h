#pragma once
// The settlement of a seller's day as a document: the one the page
// «Liquidación del día» shows, the printer prints and the PDF holds, also the
// one `travesa liquidacion --pdf` writes. Sales per document kind, what was
// paid with them per payment form, the credit, the payments collected, what
// the seller hands in, the products sold and left over, the exceptions, and
// lines to sign.
#include <QString>
#include <memory>
#include <string>

class QPagedPaintDevice;
class QTextDocument;

namespace travesa {

struct Liquidacion;

class DocumentoDeLiquidacion {
 public:
  static QString Html(const Liquidacion& l);
  static std::unique_ptr<QTextDocument> Crea(const Liquidacion& l);
  // On a printer or a PDF writer, paged as its page layout says.
  static void Imprime(const Liquidacion& l, QPagedPaintDevice& hojas);
  // Writes the PDF whole or not at all; throws ErrorTravesa, saying why,
  // when the file cannot be written.
  static void GuardaPdf(const Liquidacion& l, const QString& archivo);
  // The same for the headless command: with no Qt application running, one
  // of its own that draws off screen.
  static void GuardaPdfSinVentana(const Liquidacion& l, const std::string& archivo);
};

}  // namespace travesa
