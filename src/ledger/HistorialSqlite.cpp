#include "ledger/HistorialSqlite.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "shell/Operador.h"
#include "shell/Programa.h"
#include "shell/host/Bitacora.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr const char* kTablas = R"(
CREATE TABLE IF NOT EXISTS corridas (
  id INTEGER PRIMARY KEY, tipo TEXT NOT NULL, usuario TEXT NOT NULL DEFAULT '', equipo TEXT NOT NULL DEFAULT '',
  inicio TEXT NOT NULL, fin TEXT, resultado TEXT, pid INTEGER, vendedor TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS archivos (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  nombre TEXT NOT NULL, tamano INTEGER, huella TEXT, vendedor TEXT, dispositivo TEXT, ensitio TEXT,
  destino TEXT NOT NULL, momento TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS documentos (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  tipo TEXT NOT NULL, serie TEXT, folio INTEGER, cliente TEXT, vendedor TEXT, dia TEXT, hora TEXT,
  total REAL, formapago TEXT, fp1 REAL, fp2 REAL, fp3 REAL, fp4 REAL, fp5 REAL, fp6 REAL, fp7 REAL, fp8 REAL,
  archivo TEXT, desconocido INTEGER NOT NULL DEFAULT 0, confirmado INTEGER NOT NULL DEFAULT 0,
  tarde INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS renglones (
  documento INTEGER NOT NULL REFERENCES documentos(id) ON DELETE CASCADE, producto TEXT, cantidad REAL);
CREATE TABLE IF NOT EXISTS fallas (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  archivo TEXT, vendedor TEXT, dia TEXT, hora TEXT, cliente TEXT, motivo TEXT);
CREATE TABLE IF NOT EXISTS rechazos (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  archivo TEXT, linea TEXT);
CREATE TABLE IF NOT EXISTS pagos (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  archivo TEXT, cxc INTEGER, cliente TEXT, vendedor TEXT, dia TEXT, monto REAL, decision TEXT);
CREATE TABLE IF NOT EXISTS clientes (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  clave TEXT, nombre TEXT);
CREATE TABLE IF NOT EXISTS traspasos (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  folio INTEGER, renglones INTEGER, piezas REAL, vendedor TEXT, dia TEXT);
CREATE TABLE IF NOT EXISTS sobrantes (
  traspaso INTEGER NOT NULL REFERENCES traspasos(id) ON DELETE CASCADE, producto TEXT, cantidad REAL);
CREATE TABLE IF NOT EXISTS publicaciones (
  id INTEGER PRIMARY KEY, corrida INTEGER NOT NULL REFERENCES corridas(id) ON DELETE CASCADE,
  archivo TEXT, tamano INTEGER, huella TEXT);
CREATE TABLE IF NOT EXISTS cierres (
  vendedor TEXT NOT NULL, dia TEXT NOT NULL, momento TEXT NOT NULL, usuario TEXT,
  PRIMARY KEY (vendedor, dia));
CREATE INDEX IF NOT EXISTS documentos_dia ON documentos (vendedor, dia);
CREATE INDEX IF NOT EXISTS documentos_corrida ON documentos (corrida);
CREATE INDEX IF NOT EXISTS archivos_corrida ON archivos (corrida);
CREATE INDEX IF NOT EXISTS pagos_dia ON pagos (vendedor, dia);
CREATE INDEX IF NOT EXISTS corridas_inicio ON corridas (inicio);
)";

constexpr const char* kSeccion = "Configuración";
constexpr std::size_t kConfirmadosPorBloque = 200;

std::string Equipo() {
  char nombre[256] = {0};
  if (gethostname(nombre, sizeof nombre - 1) != 0) return "";
  return nombre;
}

}  // namespace

std::string AhoraLocal() { return libNalda::Ahora("%Y-%m-%d %H:%M:%S"); }

HistorialSqlite::HistorialSqlite(const std::filesystem::path& archivo, std::function<void(const std::string&)> aviso,
                                 int dias)
    : aviso_(std::move(aviso)) {
  try {
    base_ = std::make_unique<BaseSqlite>(archivo);
    CreaTablas();
    base_->Ejecuta("DELETE FROM corridas WHERE inicio < datetime('now', 'localtime', ?)",
                   {"-" + std::to_string(dias) + " days"});
    base_->Ejecuta("DELETE FROM cierres WHERE dia < date('now', 'localtime', ?)",
                   {"-" + std::to_string(dias) + " days"});
  } catch (const std::exception& e) {
    base_.reset();
    averiado_ = true;
    if (aviso_) aviso_(std::string(e.what()) + ". Los trabajos siguen sin historial.");
  }
}

HistorialSqlite::~HistorialSqlite() { EscribeConfirmados(); }

void HistorialSqlite::CreaTablas() { base_->Guion(kTablas); }

void HistorialSqlite::EscribeConfirmados() {
  if (confirmados_.empty()) return;
  Guarda([&](BaseSqlite& b) {
    b.EnTransaccion([&] {
      for (const long long id : confirmados_) b.Ejecuta("UPDATE documentos SET confirmado = 1 WHERE id = ?", {id});
    });
  });
  confirmados_.clear();
}

void HistorialSqlite::Guarda(const std::function<void(BaseSqlite&)>& escribe) {
  if (averiado_ || !base_) return;
  try {
    escribe(*base_);
  } catch (const std::exception& e) {
    averiado_ = true;
    if (aviso_)
      aviso_(std::string(e.what()) + ". El trabajo sigue; lo que falta en el historial está en la base de datos.");
  }
}

void HistorialSqlite::Comienza(std::string_view tipo, std::string_view usuario, std::string_view vendedor) {
  Guarda([&](BaseSqlite& b) {
    corrida_ =
        b.Ejecuta("INSERT INTO corridas (tipo, usuario, equipo, inicio, pid, vendedor) VALUES (?, ?, ?, ?, ?, ?)",
                  {std::string(tipo), std::string(usuario), Equipo(), AhoraLocal(), static_cast<long long>(getpid()),
                   std::string(vendedor)});
  });
}

void HistorialSqlite::Termina(std::string_view resultado) {
  EscribeConfirmados();
  cerrados_.clear();
  Guarda([&](BaseSqlite& b) {
    b.Ejecuta("UPDATE corridas SET fin = ?, resultado = ? WHERE id = ?",
              {AhoraLocal(), std::string(resultado), corrida_});
  });
}

long long HistorialSqlite::DocumentoPendiente(const DocumentoDelHistorial& d) {
  long long id = 0;
  Guarda([&](BaseSqlite& b) {
    const auto clave = std::make_pair(d.vendedor, d.dia);
    auto cerrado = cerrados_.find(clave);
    if (cerrado == cerrados_.end())
      cerrado =
          cerrados_
              .emplace(clave,
                       !b.Consulta("SELECT 1 FROM cierres WHERE vendedor = ? AND dia = ?", {d.vendedor, d.dia}).empty())
              .first;
    const long long tarde = cerrado->second ? 1 : 0;
    std::vector<BaseSqlite::Dato> v = {corrida_,  d.tipo,     d.serie, static_cast<long long>(d.folio),
                                       d.cliente, d.vendedor, d.dia,   d.hora,
                                       d.total,   d.formaPago};
    for (double f : d.formas) v.emplace_back(f);
    v.insert(v.end(), {d.archivo, static_cast<long long>(d.clienteDesconocido), tarde});
    b.EnTransaccion([&] {
      id = b.Ejecuta(
          "INSERT INTO documentos (corrida, tipo, serie, folio, cliente, vendedor, dia, hora, total, formapago, fp1, "
          "fp2, "
          "fp3, fp4, fp5, fp6, fp7, fp8, archivo, desconocido, tarde) "
          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
          v);
      for (const auto& [producto, cantidad] : d.productos)
        b.Ejecuta("INSERT INTO renglones (documento, producto, cantidad) VALUES (?, ?, ?)", {id, producto, cantidad});
    });
  });
  return averiado_ ? 0 : id;
}

void HistorialSqlite::DocumentoConfirmado(long long id) {
  if (id == 0 || averiado_) return;
  confirmados_.push_back(id);
  if (confirmados_.size() >= kConfirmadosPorBloque) EscribeConfirmados();
}

void HistorialSqlite::DocumentoDescartado(long long id) {
  if (id == 0) return;
  Guarda([&](BaseSqlite& b) { b.Ejecuta("DELETE FROM documentos WHERE id = ?", {id}); });
}

void HistorialSqlite::Archivo(const ArchivoDelHistorial& a) {
  Guarda([&](BaseSqlite& b) {
    b.Ejecuta(
        "INSERT INTO archivos (corrida, nombre, tamano, huella, vendedor, dispositivo, ensitio, destino, momento) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {corrida_, a.nombre, a.tamano, a.huella, a.vendedor, a.dispositivo, a.enSitio, a.destino, AhoraLocal()});
  });
}

void HistorialSqlite::Falla(const FallaDelHistorial& f) {
  Guarda([&](BaseSqlite& b) {
    b.Ejecuta(
        "INSERT INTO fallas (corrida, archivo, vendedor, dia, hora, cliente, motivo) VALUES (?, ?, ?, ?, ?, ?, ?)",
        {corrida_, f.archivo, f.vendedor, f.dia, f.hora, f.cliente, f.motivo});
  });
}

void HistorialSqlite::Rechazo(std::string_view archivo, std::string_view linea) {
  Guarda([&](BaseSqlite& b) {
    b.Ejecuta("INSERT INTO rechazos (corrida, archivo, linea) VALUES (?, ?, ?)",
              {corrida_, std::string(archivo), std::string(linea)});
  });
}

void HistorialSqlite::Pago(const PagoDelHistorial& p) {
  Guarda([&](BaseSqlite& b) {
    b.Ejecuta(
        "INSERT INTO pagos (corrida, archivo, cxc, cliente, vendedor, dia, monto, decision) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
        {corrida_, p.archivo, p.cxc, p.cliente, p.vendedor, p.dia, p.monto, p.decision});
  });
}

void HistorialSqlite::Cliente(std::string_view clave, std::string_view nombre) {
  Guarda([&](BaseSqlite& b) {
    b.Ejecuta("INSERT INTO clientes (corrida, clave, nombre) VALUES (?, ?, ?)",
              {corrida_, std::string(clave), std::string(nombre)});
  });
}

void HistorialSqlite::Traspaso(const TraspasoDelHistorial& t) {
  Guarda([&](BaseSqlite& b) {
    const long long id = b.Ejecuta(
        "INSERT INTO traspasos (corrida, folio, renglones, piezas, vendedor, dia) VALUES (?, ?, ?, ?, ?, ?)",
        {corrida_, static_cast<long long>(t.folio), static_cast<long long>(t.renglones), t.piezas, t.vendedor, t.dia});
    for (const auto& [producto, cantidad] : t.productos)
      b.Ejecuta("INSERT INTO sobrantes (traspaso, producto, cantidad) VALUES (?, ?, ?)", {id, producto, cantidad});
  });
}

void HistorialSqlite::Publicado(std::string_view archivo, long long tamano, std::string_view huella) {
  Guarda([&](BaseSqlite& b) {
    b.Ejecuta("INSERT INTO publicaciones (corrida, archivo, tamano, huella) VALUES (?, ?, ?, ?)",
              {corrida_, std::string(archivo), tamano, std::string(huella)});
  });
}

void HistorialSqlite::Reconcilia(Conexion& cn) {
  Guarda([&](BaseSqlite& b) {
    // Only what a run that is over left pending: a run still going (here or
    // on another desk) confirms its own documents.
    const std::string equipo = Equipo();
    for (const BaseSqlite::Fila& f :
         b.Consulta("SELECT d.id, d.tipo, d.serie, d.folio, d.vendedor, d.dia, c.fin IS NOT NULL, c.equipo, c.pid "
                    "FROM documentos d JOIN corridas c ON c.id = d.corrida WHERE d.confirmado = 0 AND c.id <> ?",
                    {corrida_})) {
      const bool terminada = f[6] == "1" || (f[7] == equipo && !f[8].empty() &&
                                             kill(static_cast<pid_t>(std::stoll(f[8])), 0) != 0 && errno == ESRCH);
      if (!terminada) continue;
      const std::string& tipo = f[1];
      std::string sql;
      if (tipo == "Ticket")
        sql = "SELECT 1 FROM tickets WHERE Venta = ? AND Vendedor = ? AND Fecha = ? LIMIT 1";
      else
        sql = std::string("SELECT 1 FROM ") + (tipo == "Pedido" ? "pedidos" : "remisiones") +
              " WHERE Factura = ? AND Vendedor = ? AND Fecha = ? AND Serie = ? LIMIT 1";
      std::vector<Valor> valores = {Valor(std::stoll(f[3])), Valor(f[4]), Valor(f[5])};
      if (tipo != "Ticket") valores.emplace_back(f[2]);
      const bool existe = !cn.Escalar(cn.Prepara(sql, valores)).EsNulo();
      b.Ejecuta(existe ? "UPDATE documentos SET confirmado = 1 WHERE id = ?" : "DELETE FROM documentos WHERE id = ?",
                {std::stoll(f[0])});
    }
  });
}

void InstalaHistorial(Programa& programa) {
  Operador& operador = programa.operador();
  auto aviso = [&operador](const std::string& texto) {
    Bitacora::Advierte(texto);
    operador.Mensaje(texto, Botones::kSoloAceptar | Botones::kExclamacion, "Historial");
  };
  const long dias = libNalda::prVal(libNalda::LeeIni(kSeccion, "Días del historial", programa.ini()));
  auto historial =
      std::make_unique<HistorialSqlite>(programa.Archivo(HistorialSqlite::kNombre), aviso,
                                        dias > 0 ? static_cast<int>(dias) : HistorialSqlite::kDiasPorOmision);
  if (programa.principal().Abierta()) historial->Reconcilia(programa.principal());
  programa.FijaHistorial(std::move(historial));
}

BaseSqlite& BaseDelHistorial(Programa& programa) {
  auto* h = dynamic_cast<HistorialSqlite*>(&programa.historial());
  if (h == nullptr || h->base() == nullptr)
    throw ErrorTravesa("No se pudo abrir el historial «" + programa.Archivo(HistorialSqlite::kNombre).string() + "».");
  return *h->base();
}

}  // namespace travesa
