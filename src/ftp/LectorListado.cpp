#include "ftp/LectorListado.h"

#include <array>
#include <charconv>
#include <chrono>
#include <ctime>
#include <optional>

#include "ftp/cDirItem.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

using Entrada = LectorListado::Entrada;

std::vector<std::string_view> Lineas(std::string_view texto, bool completo) {
  std::vector<std::string_view> lineas;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    const auto fin = texto.find('\n', inicio);
    if (fin == std::string_view::npos) {
      if (completo) lineas.push_back(texto.substr(inicio));
      break;
    }
    auto linea = texto.substr(inicio, fin - inicio);
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    lineas.push_back(linea);
    inicio = fin + 1;
  }
  return lineas;
}

template <typename T>
std::optional<T> Numero(std::string_view s) {
  T valor{};
  const auto* fin = s.data() + s.size();
  const auto [resto, error] = std::from_chars(s.data(), fin, valor);
  if (s.empty() || error != std::errc() || resto != fin) return std::nullopt;
  return valor;
}

// ---- MLSD -------------------------------------------------------------------

// "YYYYMMDDHHMMSS[.sss]" in UTC, as MLSD gives it.
double FechaMlsd(std::string_view valor) {
  if (valor.size() < 14) return 0;
  const auto anio = Numero<int>(valor.substr(0, 4));
  const auto mes = Numero<int>(valor.substr(4, 2));
  const auto dia = Numero<int>(valor.substr(6, 2));
  const auto hora = Numero<int>(valor.substr(8, 2));
  const auto minuto = Numero<int>(valor.substr(10, 2));
  const auto segundo = Numero<int>(valor.substr(12, 2));
  if (!anio || !mes || !dia || !hora || !minuto || !segundo) return 0;
  std::tm utc{};
  utc.tm_year = *anio - 1900;
  utc.tm_mon = *mes - 1;
  utc.tm_mday = *dia;
  utc.tm_hour = *hora;
  utc.tm_min = *minuto;
  utc.tm_sec = *segundo;
  const std::time_t t = timegm(&utc);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return 0;
  return LectorListado::FechaOle(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                 static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min, local.tm_sec);
}

std::optional<Entrada> LineaMlsd(std::string_view linea) {
  const auto espacio = linea.find(' ');
  if (espacio == std::string_view::npos || espacio + 1 >= linea.size()) return std::nullopt;
  Entrada e;
  e.nombre = std::string(linea.substr(espacio + 1));
  std::string tipo = "file";
  bool escribible = true;
  std::string_view hechos = linea.substr(0, espacio);
  while (!hechos.empty()) {
    const auto pc = hechos.find(';');
    const auto hecho = hechos.substr(0, pc);
    hechos = pc == std::string_view::npos ? std::string_view() : hechos.substr(pc + 1);
    const auto igual = hecho.find('=');
    if (igual == std::string_view::npos) continue;
    const std::string clave = texto::Minusculas(hecho.substr(0, igual));
    const auto valor = hecho.substr(igual + 1);
    if (clave == "type") tipo = texto::Minusculas(valor);
    if (clave == "size") e.tamano = Numero<std::int64_t>(valor).value_or(0);
    if (clave == "modify") e.escritura = FechaMlsd(valor);
    if (clave == "create") e.creacion = FechaMlsd(valor);
    if (clave == "perm") escribible = valor.find_first_of("wW") != std::string_view::npos;
  }
  if (tipo == "cdir" || tipo == "pdir") return std::nullopt;
  if (e.creacion == 0) e.creacion = e.escritura;
  e.acceso = e.escritura;
  const bool carpeta = tipo == "dir";
  e.atributos = carpeta ? cDirItem::kCarpeta : escribible ? cDirItem::kNormal : cDirItem::kSoloLectura;
  return e;
}

// ---- LIST -------------------------------------------------------------------

struct Pieza {
  std::string_view texto;
  std::size_t fin;  // position just after it in the line
};

std::vector<Pieza> Piezas(std::string_view linea) {
  std::vector<Pieza> piezas;
  std::size_t i = 0;
  while (i < linea.size()) {
    while (i < linea.size() && linea[i] == ' ') ++i;
    const auto inicio = i;
    while (i < linea.size() && linea[i] != ' ') ++i;
    if (i > inicio) piezas.push_back({linea.substr(inicio, i - inicio), i});
  }
  return piezas;
}

// The name is everything after the given piece but the one blank that separates it.
std::string NombreTras(std::string_view linea, const Pieza& pieza) {
  auto resto = linea.substr(pieza.fin);
  if (!resto.empty() && resto.front() == ' ') resto.remove_prefix(1);
  while (!resto.empty() && resto.front() == ' ') resto.remove_prefix(1);
  return std::string(resto);
}

int Mes(std::string_view nombre) {
  static constexpr std::array<std::string_view, 12> kMeses = {"jan", "feb", "mar", "apr", "may", "jun",
                                                              "jul", "aug", "sep", "oct", "nov", "dec"};
  const std::string m = texto::Minusculas(nombre.substr(0, 3));
  for (std::size_t i = 0; i < kMeses.size(); ++i) {
    if (nombre.size() == 3 && m == kMeses[i]) return static_cast<int>(i) + 1;
  }
  return 0;
}

int AnioActual() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return local.tm_year + 1900;
}

// "Dec  8 14:41" (this year) or "Dec  8  2025".
double FechaUnix(int mes, std::string_view dia, std::string_view horaOAnio) {
  const auto d = Numero<unsigned>(dia).value_or(1);
  const auto dos = horaOAnio.find(':');
  if (dos == std::string_view::npos) {
    const auto anio = Numero<int>(horaOAnio).value_or(1899);
    return LectorListado::FechaOle(anio, static_cast<unsigned>(mes), d, 0, 0, 0);
  }
  const int h = Numero<int>(horaOAnio.substr(0, dos)).value_or(0);
  const int m = Numero<int>(horaOAnio.substr(dos + 1)).value_or(0);
  return LectorListado::FechaOle(AnioActual(), static_cast<unsigned>(mes), d, h, m, 0);
}

std::optional<Entrada> LineaUnix(std::string_view linea) {
  const auto piezas = Piezas(linea);
  if (piezas.size() < 6 || piezas[0].texto.size() < 10) return std::nullopt;
  const char tipo = piezas[0].texto[0];
  if (std::string_view("-dlbcps").find(tipo) == std::string_view::npos) return std::nullopt;
  // The month is the anchor: owner and group may be missing on some servers.
  for (std::size_t i = 2; i + 2 < piezas.size(); ++i) {
    const int mes = Mes(piezas[i].texto);
    if (mes == 0 || !Numero<std::int64_t>(piezas[i - 1].texto)) continue;
    Entrada e;
    e.tamano = *Numero<std::int64_t>(piezas[i - 1].texto);
    e.escritura = FechaUnix(mes, piezas[i + 1].texto, piezas[i + 2].texto);
    e.creacion = e.acceso = e.escritura;
    e.nombre = NombreTras(linea, piezas[i + 2]);
    if (tipo == 'l') e.nombre = e.nombre.substr(0, e.nombre.find(" -> "));
    e.atributos = tipo == 'd' ? cDirItem::kCarpeta : cDirItem::kNormal;
    if (e.nombre.empty() || e.nombre == "." || e.nombre == "..") return std::nullopt;
    return e;
  }
  return std::nullopt;
}

// "12-08-26  02:45PM       <DIR>          carpeta" or "...  600 ventas.sql".
std::optional<Entrada> LineaDos(std::string_view linea) {
  const auto piezas = Piezas(linea);
  if (piezas.size() < 4 || piezas[0].texto.size() < 8 || piezas[0].texto[2] != '-') return std::nullopt;
  const auto fecha = piezas[0].texto;
  const auto mes = Numero<unsigned>(fecha.substr(0, 2));
  const auto dia = Numero<unsigned>(fecha.substr(3, 2));
  auto anio = Numero<int>(fecha.substr(6));
  if (!mes || !dia || !anio) return std::nullopt;
  if (*anio < 100) *anio += *anio < 70 ? 2000 : 1900;
  const auto hora = piezas[1].texto;
  const auto dos = hora.find(':');
  if (dos == std::string_view::npos) return std::nullopt;
  int h = Numero<int>(hora.substr(0, dos)).value_or(0);
  const int m = Numero<int>(hora.substr(dos + 1, 2)).value_or(0);
  const std::string sufijo = texto::Minusculas(hora.substr(std::min(hora.size(), dos + 3)));
  if (sufijo == "pm" && h < 12) h += 12;
  if (sufijo == "am" && h == 12) h = 0;
  Entrada e;
  const bool carpeta = piezas[2].texto == "<DIR>";
  if (!carpeta && !Numero<std::int64_t>(piezas[2].texto)) return std::nullopt;
  e.tamano = carpeta ? 0 : *Numero<std::int64_t>(piezas[2].texto);
  e.escritura = LectorListado::FechaOle(*anio, *mes, *dia, h, m, 0);
  e.creacion = e.acceso = e.escritura;
  e.nombre = NombreTras(linea, piezas[2]);
  e.atributos = carpeta ? cDirItem::kCarpeta : cDirItem::kNormal;
  if (e.nombre.empty() || e.nombre == "." || e.nombre == "..") return std::nullopt;
  return e;
}

}  // namespace

std::vector<Entrada> LectorListado::DeMlsd(std::string_view texto, bool completo) {
  std::vector<Entrada> entradas;
  for (const auto linea : Lineas(texto, completo)) {
    if (auto e = LineaMlsd(linea)) entradas.push_back(std::move(*e));
  }
  return entradas;
}

std::vector<Entrada> LectorListado::DeList(std::string_view texto, bool completo) {
  std::vector<Entrada> entradas;
  for (const auto linea : Lineas(texto, completo)) {
    auto e = LineaUnix(linea);
    if (!e) e = LineaDos(linea);
    if (e) entradas.push_back(std::move(*e));
  }
  return entradas;
}

double LectorListado::FechaOle(int anio, unsigned mes, unsigned dia, int hora, int minuto, int segundo) {
  using namespace std::chrono;
  const year_month_day fecha{year{anio}, month{mes}, day{dia}};
  if (!fecha.ok()) return 0;
  constexpr year_month_day kOrigen{year{1899}, month{12}, day{30}};
  const auto dias = (sys_days{fecha} - sys_days{kOrigen}).count();
  return static_cast<double>(dias) + (hora * 3600.0 + minuto * 60.0 + segundo) / 86400.0;
}

}  // namespace travesa
