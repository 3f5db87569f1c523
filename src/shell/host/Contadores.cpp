#include "shell/host/Contadores.h"

#include <mutex>
#include <set>

#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/LlaveUnica.h"
#include "shell/host/Texto.h"
#include "shell/host/Valor.h"

namespace travesa {
namespace {

std::string Actualizacion(Conexion& cn, const Contadores::Avance& a) {
  return cn.Prepara("UPDATE sistema SET Contenido = LAST_INSERT_ID(" + a.siguiente + ") WHERE Dato = ?",
                    {Valor(a.dato)});
}

// The row is locked by the statement itself: a second connection waits and
// then reads the number this one stored.
std::string Insercion(Conexion& cn, const Contadores::Avance& a) {
  return cn.Prepara("INSERT INTO sistema (Dato, Contenido) VALUES (?, LAST_INSERT_ID(" + a.primero +
                        ")) ON DUPLICATE KEY UPDATE Contenido = LAST_INSERT_ID(" + a.siguiente + ")",
                    {Valor(a.dato)});
}

// Whether no two counters may name the same row (the key compares without
// case and trailing spaces).
bool Distintos(const std::vector<Contadores::Avance>& avances) {
  std::set<std::string> vistos;
  for (const Contadores::Avance& a : avances) {
    std::string d = texto::Mayusculas(a.dato);
    while (!d.empty() && d.back() == ' ') d.pop_back();
    if (!vistos.insert(d).second) return false;
  }
  return true;
}

std::string Variable(std::size_t i) { return "@travesa_contador" + std::to_string(i + 1); }

// Several counters in one statement: each row's new number is kept in its
// own variable, read back in the same round trip.
std::vector<std::string> InsercionJunta(Conexion& cn, const std::vector<Contadores::Avance>& avances) {
  std::string filas, casos;
  std::vector<Valor> datos;
  for (std::size_t i = 0; i < avances.size(); ++i) {
    filas += std::string(i ? ", " : "") + "(?, (" + Variable(i) + " := " + avances[i].primero + "))";
    casos += " WHEN ? THEN (" + Variable(i) + " := " + avances[i].siguiente + ")";
    datos.emplace_back(avances[i].dato);
  }
  std::vector<Valor> valores = datos;  // once for the rows, once for the cases
  valores.insert(valores.end(), datos.begin(), datos.end());
  std::vector<std::string> sentencias = {cn.Prepara("INSERT INTO sistema (Dato, Contenido) VALUES " + filas +
                                                        " ON DUPLICATE KEY UPDATE Contenido = CASE Dato" + casos +
                                                        " ELSE Contenido END",
                                                    valores)};
  for (std::size_t i = 0; i < avances.size(); ++i) sentencias.push_back("SELECT " + Variable(i));
  return sentencias;
}

}  // namespace

std::vector<long long> Contadores::Avanza(Conexion& cn, const std::vector<Avance>& avances) {
  if (!LlaveUnica::Tiene(cn, "sistema", "Dato")) return AvanzaSinLlave(cn, avances);
  if (avances.size() > 1 && Distintos(avances)) {
    const std::vector<unsigned long long> ids = cn.EjecutaJuntas(InsercionJunta(cn, avances));
    return {ids.begin() + 1, ids.end()};
  }
  std::vector<std::string> sentencias;
  for (const Avance& a : avances) sentencias.push_back(Insercion(cn, a));
  const std::vector<unsigned long long> ids = cn.EjecutaJuntas(sentencias);
  return {ids.begin(), ids.end()};
}

std::pair<long long, long long> Contadores::AvanzaYPregunta(
    Conexion& cn, const Avance& a, const std::function<std::string(const std::string&)>& pregunta) {
  if (LlaveUnica::Tiene(cn, "sistema", "Dato")) {
    // The draw leaves its number in LAST_INSERT_ID() for the question.
    const std::vector<unsigned long long> ids = cn.EjecutaJuntas({Insercion(cn, a), pregunta("LAST_INSERT_ID()")});
    return {static_cast<long long>(ids[0]), static_cast<long long>(ids[1])};
  }
  const long long n = AvanzaSinLlave(cn, {a}).front();
  return {n, cn.Escalar(pregunta(std::to_string(n))).Entero()};
}

// Without the key the UPDATE finds its row by reading the whole table, and
// locks every row it reads: two draws never run at once. A missing counter is
// created before its first draw, while this transaction holds no lock of the
// table from it: created after the UPDATE, its insert would wait for a second
// desk's draw, which waits for this one.
std::vector<long long> Contadores::AvanzaSinLlave(Conexion& cn, const std::vector<Avance>& avances) {
  static std::mutex candado;
  static std::set<std::string> conocidos;
  const std::string base = cn.datos().Identidad() + "/";
  for (const Avance& a : avances) {
    {
      const std::lock_guard<std::mutex> l(candado);
      if (conocidos.count(base + a.dato)) continue;
    }
    if (cn.Escalar(cn.Prepara("SELECT COUNT(*) FROM sistema WHERE Dato = ?", {Valor(a.dato)})).Entero() == 0)
      Asegura(cn, a.dato, "0");
    const std::lock_guard<std::mutex> l(candado);
    conocidos.insert(base + a.dato);
  }
  std::vector<std::string> sentencias;
  for (const Avance& a : avances) sentencias.push_back(Actualizacion(cn, a));
  const std::vector<unsigned long long> ids = cn.EjecutaJuntas(sentencias);
  std::vector<long long> numeros(ids.begin(), ids.end());
  // Every number drawn is 1 or more: 0 means the counter's row went away.
  for (std::size_t i = 0; i < avances.size(); ++i) {
    if (numeros[i] != 0) continue;
    Asegura(cn, avances[i].dato, "0");
    numeros[i] = static_cast<long long>(cn.EjecutaJuntas({Actualizacion(cn, avances[i])}).front());
    if (numeros[i] == 0)
      throw ErrorBD("El contador «" + avances[i].dato + "» de la tabla sistema no dio un número mayor que cero.");
  }
  return numeros;
}

void Contadores::Asegura(Conexion& cn, std::string_view dato, std::string_view inicial) {
  const std::string candado = cn.Prepara("LEFT(CONCAT('travesa-contador-', ?), 64)", {Valor(dato)});
  cn.Escalar("SELECT GET_LOCK(" + candado + ", 60)");
  try {
    // A locking read: it waits for a row another desk created and has not
    // committed yet, and then sees it.
    const long long hay =
        cn.Escalar(cn.Prepara("SELECT COUNT(*) FROM sistema WHERE Dato = ? FOR UPDATE", {Valor(dato)})).Entero();
    if (hay == 0)
      cn.Execute(cn.Prepara("INSERT INTO sistema (Dato, Contenido) VALUES (?, ?)", {Valor(dato), Valor(inicial)}));
  } catch (...) {
    cn.Escalar("SELECT RELEASE_LOCK(" + candado + ")");
    throw;
  }
  cn.Escalar("SELECT RELEASE_LOCK(" + candado + ")");
}

}  // namespace travesa
