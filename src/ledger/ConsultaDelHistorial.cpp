#include "ledger/ConsultaDelHistorial.h"

#include <ctime>

#include "ledger/BaseSqlite.h"
#include "ledger/TextoJson.h"
#include "shell/Formatos.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

// "yyyy-mm-dd hh:nn:ss" of `horas` ago, local time.
std::string Hace(int horas) {
  const std::time_t t = std::time(nullptr) - static_cast<std::time_t>(horas) * 3600;
  std::tm local{};
  localtime_r(&t, &local);
  char texto[32];
  std::strftime(texto, sizeof texto, "%Y-%m-%d %H:%M:%S", &local);
  return texto;
}

std::string Uno(BaseSqlite& h, const std::string& sql, const std::vector<BaseSqlite::Dato>& v) {
  const auto f = h.Consulta(sql, v);
  return f.empty() ? "" : f.front()[0];
}

double Numero(const std::string& t) { return t.empty() ? 0 : std::stod(t); }

using Archivo = ConsultaDelHistorial::ArchivoDeCorrida;

// The documents and failed sales of one file of a run that hold `buscar`.
void Contenido(BaseSqlite& h, long long corrida, const std::string& buscar, Archivo& a) {
  const std::string patron = "%" + buscar + "%";
  for (const auto& d : h.Consulta("SELECT tipo, serie, folio, cliente, total, confirmado FROM documentos WHERE "
                                  "corrida = ? AND archivo = ? AND (? = '' OR archivo LIKE ? OR folio LIKE ? OR "
                                  "cliente LIKE ?) ORDER BY id",
                                  {corrida, a.nombre, buscar, patron, patron, patron}))
    a.documentos.push_back({d[0], d[1], d[2], d[3], Numero(d[4]), d[5] == "1"});
  for (const auto& f : h.Consulta("SELECT hora, cliente, motivo FROM fallas WHERE corrida = ? AND archivo = ? AND "
                                  "(? = '' OR archivo LIKE ? OR cliente LIKE ?) ORDER BY id",
                                  {corrida, a.nombre, buscar, patron, patron}))
    a.fallas.push_back({f[0], f[1], f[2]});
}

std::vector<ConsultaDelHistorial::PagoDeCorrida> Pagos(BaseSqlite& h, long long corrida, const std::string& vendedor,
                                                       const std::string& buscar) {
  const std::string patron = "%" + buscar + "%";
  std::vector<ConsultaDelHistorial::PagoDeCorrida> pagos;
  for (const auto& p :
       h.Consulta("SELECT archivo, cliente, cxc, monto, decision FROM pagos WHERE corrida = ? AND "
                  "(? = '' OR vendedor = ?) AND (? = '' OR archivo LIKE ? OR cliente LIKE ?) ORDER BY id",
                  {corrida, vendedor, vendedor, buscar, patron, patron}))
    pagos.push_back({p[0], p[1], p[2], Numero(p[3]), p[4]});
  return pagos;
}

}  // namespace

std::vector<ConsultaDelHistorial::Corrida> ConsultaDelHistorial::Corridas(BaseSqlite& h, const std::string& dia,
                                                                          const std::string& vendedor,
                                                                          const std::string& buscar) {
  std::vector<Corrida> corridas;
  const bool filtrado = !vendedor.empty() || !buscar.empty();
  for (const auto& c : h.Consulta("SELECT id, tipo, usuario, equipo, inicio, COALESCE(fin, ''), COALESCE(resultado, "
                                  "'sin terminar'), vendedor FROM corridas WHERE substr(inicio, 1, 10) = ? ORDER BY id",
                                  {dia})) {
    const long long id = std::stoll(c[0]);
    Corrida corrida{c[1], c[2], c[3], c[4], c[5], c[6], c[7], {}, {}};
    for (const auto& f : h.Consulta("SELECT nombre, tamano, vendedor, destino FROM archivos WHERE corrida = ? "
                                    "AND (? = '' OR vendedor = ?) ORDER BY id",
                                    {id, vendedor, vendedor})) {
      Archivo a{f[0], static_cast<long long>(Numero(f[1])), f[2], f[3], {}, {}};
      Contenido(h, id, buscar, a);
      const bool coincide =
          buscar.empty() || a.nombre.find(buscar) != std::string::npos || !a.documentos.empty() || !a.fallas.empty();
      if (coincide) corrida.archivos.push_back(std::move(a));
    }
    if (corrida.tipo == "pagos") corrida.pagos = Pagos(h, id, vendedor, buscar);
    if (filtrado && corrida.archivos.empty() && corrida.pagos.empty()) continue;
    corridas.push_back(std::move(corrida));
  }
  return corridas;
}

std::string ConsultaDelHistorial::TextoDeCorridas(const std::vector<Corrida>& corridas, const std::string& dia) {
  std::string t;
  for (const Corrida& c : corridas) {
    t += c.inicio + "  " + c.tipo + (c.vendedor.empty() ? "" : " (vendedor " + c.vendedor + ")") + ", " + c.resultado +
         (c.usuario.empty() ? "" : ", usuario " + c.usuario) + (c.equipo.empty() ? "" : ", equipo " + c.equipo) + "\n";
    for (const Archivo& a : c.archivos) {
      t += "    " + a.nombre + " (" + std::to_string(a.tamano) + " bytes, vendedor " +
           (a.vendedor.empty() ? "?" : a.vendedor) + "): " + a.destino + "\n";
      for (const DocumentoDeArchivo& d : a.documentos)
        t += "      " + d.tipo + " " + (d.serie.empty() ? "" : d.serie + "-") + d.folio + ", cliente " + d.cliente +
             ", " + formatos::Moneda(d.total) + (d.confirmado ? "" : " (sin confirmar)") + "\n";
      for (const FallaDeArchivo& f : a.fallas)
        t += "      No se grabó la venta de las " + f.hora + ", cliente " + f.cliente + ": " + f.motivo + "\n";
    }
    for (const PagoDeCorrida& p : c.pagos)
      t += "    Pago de " + p.cliente + " (cuenta " + p.cxc + ", " + p.archivo + "): " + formatos::Moneda(p.monto) +
           ", " + p.decision + "\n";
  }
  return t.empty() ? "No hay corridas registradas el " + dia + ".\n" : t;
}

std::string ConsultaDelHistorial::Dia(BaseSqlite& h, const std::string& dia, const std::string& vendedor,
                                      const std::string& buscar) {
  return TextoDeCorridas(Corridas(h, dia, vendedor, buscar), dia);
}

int ConsultaDelHistorial::HorasSinEnviar(const Programa& programa) {
  const long horas = libNalda::prVal(libNalda::LeeIni("Configuración", "Horas sin enviar", programa.ini()));
  return horas > 0 ? static_cast<int>(horas) : 24;
}

std::vector<ConsultaDelHistorial::EstadoDeVendedor> ConsultaDelHistorial::Estado(
    BaseSqlite& h, const std::vector<Vendedor>& vendedores, int horas) {
  std::vector<EstadoDeVendedor> todos;
  const std::string limite = Hace(horas);
  for (const Vendedor& v : vendedores) {
    EstadoDeVendedor e;
    e.clave = v.clave;
    e.nombre = v.nombre;
    e.publicado = Uno(h,
                      "SELECT MAX(inicio) FROM corridas WHERE tipo = 'generar' AND resultado = 'completa' AND "
                      "(vendedor = ? OR vendedor = '')",
                      {v.clave});
    for (const auto& f : h.Consulta("SELECT dispositivo, MAX(momento), nombre FROM archivos WHERE vendedor = ? "
                                    "GROUP BY dispositivo ORDER BY dispositivo",
                                    {v.clave}))
      e.dispositivos.push_back((f[0].empty() ? "?" : f[0]) + ": " + f[1] + ", " + f[2]);
    e.ultimoArchivo = Uno(h, "SELECT MAX(momento) FROM archivos WHERE vendedor = ?", {v.clave});
    e.enSitio = std::stoi(Uno(h,
                              "SELECT COUNT(*) FROM archivos a WHERE a.vendedor = ? AND a.destino NOT LIKE "
                              "'grabado%' AND a.id = (SELECT MAX(x.id) FROM archivos x WHERE x.nombre = a.nombre)",
                              {v.clave}));
    e.pagosEnEspera = std::stoi(Uno(h,
                                    "SELECT COUNT(*) FROM pagos p WHERE p.vendedor = ? AND p.decision = 'en espera' "
                                    "AND p.id = (SELECT MAX(x.id) FROM pagos x WHERE x.cxc = p.cxc AND "
                                    "x.cliente = p.cliente AND x.archivo = p.archivo)",
                                    {v.clave}));
    e.ultimaLectura = Uno(h, "SELECT MAX(inicio) FROM corridas WHERE tipo = 'leer'", {});
    e.senalado = e.ultimoArchivo.empty() || e.ultimoArchivo < limite;
    todos.push_back(std::move(e));
  }
  return todos;
}

std::string ConsultaDelHistorial::LineaDeEstado(const EstadoDeVendedor& e) {
  std::string t = e.clave + (e.nombre.empty() ? "" : " " + e.nombre) + ": último archivo " +
                  (e.ultimoArchivo.empty() ? "ninguno" : e.ultimoArchivo) + ", catálogo publicado " +
                  (e.publicado.empty() ? "nunca" : e.publicado) + ", en el sitio " + std::to_string(e.enSitio) +
                  ", pagos en espera " + std::to_string(e.pagosEnEspera);
  return e.senalado ? t + " (SIN ENVIAR)" : t;
}

std::string ConsultaDelHistorial::TextoDeEstado(const std::vector<EstadoDeVendedor>& todos) {
  std::string t;
  for (const EstadoDeVendedor& e : todos) {
    t += LineaDeEstado(e) + "\n";
    for (const std::string& d : e.dispositivos) t += "    " + d + "\n";
  }
  if (!todos.empty())
    t += "Última lectura: " + (todos.front().ultimaLectura.empty() ? "ninguna" : todos.front().ultimaLectura) + "\n";
  return t;
}

std::string ConsultaDelHistorial::JsonDeEstado(const std::vector<EstadoDeVendedor>& todos) {
  std::string t = "[";
  for (std::size_t i = 0; i < todos.size(); ++i) {
    const EstadoDeVendedor& e = todos[i];
    std::string dispositivos;
    for (const std::string& d : e.dispositivos) dispositivos += (dispositivos.empty() ? "" : ",") + TextoJson(d);
    t += std::string(i ? "," : "") + "\n  {\"vendedor\": " + TextoJson(e.clave) +
         ", \"nombre\": " + TextoJson(e.nombre) + ", \"publicado\": " + TextoJson(e.publicado) +
         ", \"ultimo_archivo\": " + TextoJson(e.ultimoArchivo) + ", \"dispositivos\": [" + dispositivos +
         "], \"en_sitio\": " + std::to_string(e.enSitio) + ", \"pagos_en_espera\": " + std::to_string(e.pagosEnEspera) +
         ", \"ultima_lectura\": " + TextoJson(e.ultimaLectura) + ", \"senalado\": " + (e.senalado ? "true" : "false") +
         "}";
  }
  return t + "\n]\n";
}

}  // namespace travesa
