#include "payments/DecisionesDePago.h"

#include "payments/Centavos.h"
#include "shell/Respaldo.h"
#include "shell/host/Conexion.h"
#include "shell/host/Huella.h"
#include "shell/host/Lote.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

// The key (huella, place) fits the 767 bytes an index had in MySQL 5.5.
constexpr std::string_view kCreaTabla =
    "CREATE TABLE IF NOT EXISTS travesadecisionespago ("
    "Huella CHAR(64) CHARACTER SET ascii NOT NULL,"
    "Orden INT UNSIGNED NOT NULL,"
    "Archivo VARCHAR(255) NOT NULL DEFAULT '',"
    "Decision VARCHAR(10) NOT NULL,"
    "Cantidad DECIMAL(14,2) NOT NULL DEFAULT 0,"
    "Cliente VARCHAR(100) NOT NULL DEFAULT '',"
    "CxC INT NOT NULL DEFAULT 0,"
    "Fecha DATETIME NOT NULL,"
    "Usuario VARCHAR(100) NOT NULL DEFAULT '',"
    "PRIMARY KEY (Huella, Orden)"
    ") ENGINE=InnoDB DEFAULT CHARSET=utf8mb4";
constexpr std::size_t kLargoDelNombre = 255;
constexpr std::size_t kFilasPorInsercion = 500;

// One INSERT for every `kFilasPorInsercion` decisions.
std::vector<std::string> Inserciones(Conexion& cn, const std::vector<DecisionesDePago::Decision>& decisiones,
                                     const std::string& usuario) {
  static const std::vector<std::string> columnas = {"Huella",  "Orden", "Archivo", "Decision", "Cantidad",
                                                    "Cliente", "CxC",   "Fecha",   "Usuario"};
  const std::string fecha = libNalda::Ahora("%Y-%m-%d %H:%M:%S");
  std::vector<std::string> inserciones;
  std::vector<std::vector<Valor>> filas;
  for (const auto& d : decisiones) {
    if (d.pago.Vacia()) continue;
    filas.push_back({Valor(d.pago.huella), Valor(d.pago.orden),
                     Valor(texto::Izquierda(d.pago.archivo, kLargoDelNombre)), Valor(d.decision),
                     Valor(centavos::Redondea(d.cantidad)), Valor(d.cliente), Valor(d.idCxc), Valor(fecha),
                     Valor(usuario)});
    if (filas.size() < kFilasPorInsercion) continue;
    inserciones.push_back(cn.TextoDeInsercion(DecisionesDePago::kTabla, columnas, filas));
    filas.clear();
  }
  if (!filas.empty()) inserciones.push_back(cn.TextoDeInsercion(DecisionesDePago::kTabla, columnas, filas));
  return inserciones;
}

}  // namespace

void DecisionesDePago::AseguraTabla(Conexion& cn) { cn.Execute(kCreaTabla); }

IdentidadDePago DecisionesDePago::DelArchivo(const std::filesystem::path& archivo, std::string_view contenido) {
  const std::string nombre = Respaldo::NombreOriginal(archivo);
  return {nombre, Huella::Sha256(nombre + "\n" + std::string(contenido)), 0};
}

DecisionesDePago::DecisionesDePago(Conexion& cn, const std::set<std::string>& huellas) {
  if (huellas.empty()) return;
  std::string marcas;
  std::vector<Valor> valores;
  for (const std::string& h : huellas) {
    marcas += marcas.empty() ? "?" : ",?";
    valores.emplace_back(h);
  }
  RecordSet rs;
  rs.Abre(cn, cn.Prepara("SELECT Huella, Orden FROM travesadecisionespago WHERE Huella IN (" + marcas + ")", valores),
          std::string(kTabla));
  for (; !rs.Eof(); rs.MoveNext())
    decididos_.emplace(rs.Fields("Huella").Texto(), static_cast<long>(rs.Fields("Orden").Entero()));
}

bool DecisionesDePago::Decidido(const IdentidadDePago& pago) const {
  return !pago.Vacia() && decididos_.count({pago.huella, pago.orden}) > 0;
}

void DecisionesDePago::AnotaAplicados(Lote& lote, const std::vector<Decision>& decisiones, const std::string& usuario) {
  for (std::string& insercion : Inserciones(lote.cn(), decisiones, usuario)) lote.Execute(std::move(insercion));
}

void DecisionesDePago::AnotaDescartados(Conexion& cn, const std::vector<Decision>& decisiones,
                                        const std::string& usuario) {
  for (const std::string& insercion : Inserciones(cn, decisiones, usuario))
    cn.Execute(insercion + " ON DUPLICATE KEY UPDATE Huella = Huella");
}

}  // namespace travesa
