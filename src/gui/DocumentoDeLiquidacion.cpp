#include "gui/DocumentoDeLiquidacion.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>
#include <cmath>

#include "gui/TextoQt.h"
#include "ledger/HistorialSqlite.h"
#include "ledger/Liquidacion.h"
#include "sales/ResumenEnTabla.h"
#include "shell/Formatos.h"
#include "shell/Programa.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

constexpr const char* kTabla =
    "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" border=\"1\" "
    "style=\"border-collapse: collapse; border-color: #a0a0a0; border-style: solid;\">";
constexpr const char* kFondoTitulos = "#e4e9f0";
constexpr const char* kFondoTotal = "#f2f2f2";
constexpr double kMilimetros = 15;
constexpr int kAnchoDeCifra = 20;
constexpr int kAnchoDeClave = 15;

QString E(const std::string& texto) { return textoqt::AQt(texto).toHtmlEscaped(); }
QString Monto(double m) { return textoqt::AQt(formatos::Moneda(m)); }
QString Cantidad(double c) { return textoqt::AQt(formatos::Numero(c, std::floor(c) == c ? 0 : 2, true)); }

// The width of a column, in hundredths of the page: each figure's column the
// same; a code before a description gets little.
int Ancho(int columna, int columnas, int aLaIzquierda) {
  if (columna >= aLaIzquierda) return kAnchoDeCifra;
  const int izquierda = 100 - kAnchoDeCifra * (columnas - aLaIzquierda);
  if (aLaIzquierda == 1) return izquierda;
  return columna == 0 ? kAnchoDeClave : izquierda - kAnchoDeClave;
}

// The titles' row, repeated at the top of each page the table goes on to.
QString Encabezados(const QStringList& titulos, int aLaIzquierda) {
  QString t = QStringLiteral("<thead><tr>");
  for (int i = 0; i < titulos.size(); ++i)
    t += QStringLiteral("<th bgcolor=\"%1\" width=\"%2%\" align=\"%3\">%4</th>")
             .arg(QLatin1String(kFondoTitulos))
             .arg(Ancho(i, static_cast<int>(titulos.size()), aLaIzquierda))
             .arg(i < aLaIzquierda ? QStringLiteral("left") : QStringLiteral("right"), titulos[i]);
  return t + QStringLiteral("</tr></thead>");
}

// A row: the concepts on the left, the figures on the right.
QString Renglon(const QStringList& conceptos, const QStringList& cifras, bool total = false) {
  const QString fondo = total ? QStringLiteral(" bgcolor=\"%1\"").arg(QLatin1String(kFondoTotal)) : QString();
  const QString negritas = total ? QStringLiteral("<b>%1</b>") : QStringLiteral("%1");
  QString t = QStringLiteral("<tr>");
  for (const QString& c : conceptos) t += QStringLiteral("<td%1>%2</td>").arg(fondo, negritas.arg(c));
  for (const QString& c : cifras) t += QStringLiteral("<td%1 align=\"right\">%2</td>").arg(fondo, negritas.arg(c));
  return t + QStringLiteral("</tr>");
}

QString Renglon(const QString& concepto, const QStringList& cifras, bool total = false) {
  return Renglon(QStringList{concepto}, cifras, total);
}

QString Tabla(const QStringList& titulos, const QString& renglones, int aLaIzquierda = 1) {
  return QLatin1String(kTabla) + Encabezados(titulos, aLaIzquierda) + renglones + QStringLiteral("</table>");
}

QString Seccion(const QString& titulo) { return QStringLiteral("<h3>%1</h3>").arg(titulo); }

QString Encabezado(const Liquidacion& l) {
  QString t = QStringLiteral("<h2>Liquidación del día %1</h2>").arg(E(ResumenEnTabla::Dia(l.dia)));
  t += QStringLiteral("<p><b>Vendedor:</b> %1%2<br>")
           .arg(E(l.vendedor), l.nombre.empty() ? QString() : QStringLiteral(" — ") + E(l.nombre));
  if (l.cerrada.empty())
    t += QStringLiteral("<span style=\"color: #8a5a00;\"><b>Abierta</b></span> (aún no se cierra)</p>");
  else
    t += QStringLiteral("<span style=\"color: #1a6b2f;\"><b>Cerrada</b></span> el %1%2</p>")
             .arg(E(l.cerrada), l.cerradaPor.empty() ? QString() : QStringLiteral(" por ") + E(l.cerradaPor));
  if (l.tardias > 0)
    t += QStringLiteral("<p style=\"color: #7a0000;\"><b>%1 llegaron después del cierre</b> (ver «Excepciones»).</p>")
             .arg(l.tardias == 1 ? QStringLiteral("1 documento") : QStringLiteral("%1 documentos").arg(l.tardias));
  return t;
}

QString Ventas(const Liquidacion& l) {
  QString r;
  int cuantas = 0;
  for (const Liquidacion::PorTipo& v : l.ventas) {
    r += Renglon(E(v.tipo), {QString::number(v.cuantas), Monto(v.total)});
    cuantas += v.cuantas;
  }
  r += Renglon(QStringLiteral("Total vendido"), {QString::number(cuantas), Monto(l.Total())}, true);
  return Seccion(QStringLiteral("Ventas")) +
         Tabla({QStringLiteral("Documento"), QStringLiteral("Cuántos"), QStringLiteral("Importe")}, r);
}

QString Pagado(const Liquidacion& l) {
  QString r;
  double suma = l.aCredito;
  for (std::size_t i = 0; i < l.formas.size(); ++i) {
    if (l.pagado[i] == 0) continue;
    r += Renglon(E(l.formas[i]), {Monto(l.pagado[i])});
    suma += l.pagado[i];
  }
  r += Renglon(QStringLiteral("A crédito"), {Monto(l.aCredito)});
  r += Renglon(QStringLiteral("Total"), {Monto(suma)}, true);
  return Seccion(QStringLiteral("Pagado con la venta")) +
         Tabla({QStringLiteral("Forma de pago"), QStringLiteral("Importe")}, r);
}

QString Cobros(const Liquidacion& l) {
  const QString r = Renglon(QStringLiteral("Aplicados"), {Monto(l.cobrosAplicados)}) +
                    Renglon(QStringLiteral("En espera de revisión"), {Monto(l.cobrosEnEspera)}) +
                    Renglon(QStringLiteral("Total cobrado"), {Monto(l.cobrosAplicados + l.cobrosEnEspera)}, true);
  return Seccion(QStringLiteral("Cobros en la ruta")) +
         Tabla({QStringLiteral("Pagos de cuentas por cobrar"), QStringLiteral("Importe")}, r);
}

QString PorEntregar(const Liquidacion& l) {
  QString r = Renglon(QStringLiteral("Efectivo por entregar"), {Monto(l.EfectivoPorEntregar())}, true);
  for (std::size_t i = 1; i < l.formas.size(); ++i)
    if (l.pagado[i] != 0) r += Renglon(E(l.formas[i]), {Monto(l.pagado[i])});
  return Seccion(QStringLiteral("Por entregar")) + Tabla({QStringLiteral("Concepto"), QStringLiteral("Importe")}, r) +
         QStringLiteral(
             "<p><small>El efectivo es el de las ventas más los cobros aplicados y en espera; cada "
             "otra forma de pago se entrega con sus comprobantes.</small></p>");
}

QString Productos(const Liquidacion& l) {
  QString t = Seccion(QStringLiteral("Productos"));
  if (l.productos.empty()) {
    t += QStringLiteral("<p>Ningún producto vendido ni sobrante.</p>");
  } else {
    QString r;
    for (const auto& [clave, p] : l.productos)
      r += Renglon({E(clave), E(p.descripcion)}, {Cantidad(p.vendido), Cantidad(p.sobrante)});
    t += Tabla({QStringLiteral("Producto"), QStringLiteral("Descripción"), QStringLiteral("Vendido"),
                QStringLiteral("Sobrante")},
               r, 2);
  }
  if (!l.traspasos.empty()) {
    QStringList folios;
    for (long f : l.traspasos) folios << QString::number(f);
    t += QStringLiteral("<p>Sobrante registrado en %1 %2.</p>")
             .arg(l.traspasos.size() == 1 ? QStringLiteral("el traspaso") : QStringLiteral("los traspasos"),
                  folios.join(QStringLiteral(", ")));
  }
  return t;
}

QString Excepciones(const Liquidacion& l) {
  QString t = Seccion(QStringLiteral("Excepciones"));
  if (l.excepciones.empty()) return t + QStringLiteral("<p>Ninguna.</p>");
  t += QStringLiteral("<ul style=\"color: #7a0000;\">");
  for (const std::string& e : l.excepciones) t += QStringLiteral("<li>%1</li>").arg(E(e));
  return t + QStringLiteral("</ul>");
}

QString Firmas() {
  return QStringLiteral(
      "<br><table width=\"100%\" cellpadding=\"12\"><tr>"
      "<td width=\"50%\" align=\"center\"><br><br>______________________________<br>Entregó (vendedor)</td>"
      "<td width=\"50%\" align=\"center\"><br><br>______________________________<br>Recibió</td>"
      "</tr></table>");
}

}  // namespace

QString DocumentoDeLiquidacion::Html(const Liquidacion& l) {
  return QStringLiteral("<html><body>") + Encabezado(l) + Ventas(l) + Pagado(l) + Cobros(l) + PorEntregar(l) +
         Productos(l) + Excepciones(l) + Firmas() +
         QStringLiteral("<p style=\"color: #707070;\"><small>Travesa%1 — calculada el %2</small></p></body></html>")
             .arg(textoqt::AQt(Programa::TextoVersion()).toHtmlEscaped(), E(AhoraLocal()));
}

std::unique_ptr<QTextDocument> DocumentoDeLiquidacion::Crea(const Liquidacion& l) {
  auto documento = std::make_unique<QTextDocument>();
  documento->setHtml(Html(l));
  return documento;
}

void DocumentoDeLiquidacion::Imprime(const Liquidacion& l, QPagedPaintDevice& hojas) { Crea(l)->print(&hojas); }

void DocumentoDeLiquidacion::GuardaPdf(const Liquidacion& l, const QString& archivo) {
  QSaveFile salida(archivo);
  const auto falla = [&archivo](const QString& motivo) {
    throw ErrorTravesa("No se pudo guardar la liquidación en «" + textoqt::DeQt(archivo) +
                       "»: " + textoqt::DeQt(motivo));
  };
  if (!salida.open(QIODevice::WriteOnly)) falla(salida.errorString());
  {
    QPdfWriter pdf(&salida);
    pdf.setCreator(QStringLiteral("Travesa"));
    pdf.setTitle(
        QStringLiteral("Liquidación del día %1, vendedor %2").arg(textoqt::AQt(l.dia), textoqt::AQt(l.vendedor)));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                  QMarginsF(kMilimetros, kMilimetros, kMilimetros, kMilimetros),
                                  QPageLayout::Millimeter));
    Imprime(l, pdf);
  }
  if (!salida.commit()) falla(salida.errorString());
}

void DocumentoDeLiquidacion::GuardaPdfSinVentana(const Liquidacion& l, const std::string& archivo) {
  std::unique_ptr<QGuiApplication> propia;
  if (QCoreApplication::instance() == nullptr) {
    // A command may run where there is no screen at all.
    static char nombre[] = "travesa", plataforma[] = "-platform", fuera[] = "offscreen";
    static char* argv[] = {nombre, plataforma, fuera, nullptr};
    static int argc = 3;
    propia = std::make_unique<QGuiApplication>(argc, argv);
  }
  GuardaPdf(l, textoqt::AQt(archivo));
}

}  // namespace travesa
