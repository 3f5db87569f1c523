#include "payments/LectorDePagos.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "shell/BitacoraDeArchivos.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr std::string_view kApertura = "values (";
constexpr std::size_t kCamposDelNombre = 8;  // cxcs, device, seller, day, month, year, hour, minute
constexpr std::size_t kItemsMinimos = 5;

std::vector<std::string_view> Parte(std::string_view texto, char separador) {
  std::vector<std::string_view> partes;
  std::size_t inicio = 0;
  for (;;) {
    const std::size_t fin = texto.find(separador, inicio);
    if (fin == std::string_view::npos) {
      partes.push_back(texto.substr(inicio));
      return partes;
    }
    partes.push_back(texto.substr(inicio, fin - inicio));
    inicio = fin + 1;
  }
}

// A field of the name made only of digits (at most `maximo` of them).
std::optional<int> Numero(std::string_view campo, std::size_t maximo) {
  if (campo.empty() || campo.size() > maximo) return std::nullopt;
  int n = 0;
  for (const char c : campo) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// The ")" that ends a group: the first one right before a line end (LF, CR LF
// or a lone CR), whichever comes first in the text.
std::size_t FinDelGrupo(std::string_view texto, std::size_t desde) {
  for (std::size_t p = texto.find(')', desde); p != std::string_view::npos; p = texto.find(')', p + 1)) {
    if (p + 1 < texto.size() && (texto[p + 1] == '\n' || texto[p + 1] == '\r')) return p;
  }
  return std::string_view::npos;
}

std::optional<long> IdDeCxc(std::string_view item) {
  const double valor = std::round(libNalda::prVal(item));
  if (valor < INT32_MIN || valor > INT32_MAX) return std::nullopt;
  return static_cast<long>(valor);
}

}  // namespace

std::optional<LectorDePagos::Momento> LectorDePagos::MomentoDelNombre(std::string_view nombreArchivo) {
  const auto campos = Parte(nombreArchivo, '_');
  if (campos.size() < kCamposDelNombre) return std::nullopt;
  const std::string_view conExtension = campos[7];
  const std::size_t punto = conExtension.find('.');
  if (punto == std::string_view::npos) return std::nullopt;
  const auto dia = Numero(campos[3], 2);
  const auto mes = Numero(campos[4], 2);
  const auto anio = Numero(campos[5], 4);
  const auto hora = Numero(campos[6], 2);
  const auto minuto = Numero(conExtension.substr(0, punto), 2);
  if (!dia || !mes || !anio || !hora || !minuto || campos[5].size() != 4) return std::nullopt;
  const std::chrono::year_month_day fecha{std::chrono::year(*anio), std::chrono::month(static_cast<unsigned>(*mes)),
                                          std::chrono::day(static_cast<unsigned>(*dia))};
  if (!fecha.ok() || *hora > 23 || *minuto > 59) return std::nullopt;
  char f[32];
  char h[32];
  std::snprintf(f, sizeof f, "%04d-%02d-%02d", *anio, *mes, *dia);
  std::snprintf(h, sizeof h, "%02d:%02d", *hora, *minuto);
  return Momento{f, h};
}

std::vector<RegistroDePago> LectorDePagos::Registros(std::string_view texto, const Momento& momento,
                                                     std::vector<std::string>& rechazos) {
  const std::string limpio = texto::Reemplaza(texto, "\\'", "'");
  const std::string_view t = limpio;
  std::vector<RegistroDePago> registros;
  long orden = 0;
  std::size_t pos = t.find(kApertura);
  while (pos != std::string_view::npos) {
    ++orden;
    const std::size_t inicio = pos + kApertura.size();
    const std::size_t fin = FinDelGrupo(t, inicio);
    if (fin == std::string_view::npos) {
      // No group after this one can end either: they are counted, not searched
      // again one by one (a file of nothing but "values (" would take hours).
      rechazos.push_back("Grupo \"values (\" sin \")\" y fin de línea: " + texto::Izquierda(t.substr(pos), 80));
      std::size_t mas = 0;
      for (pos = t.find(kApertura, inicio); pos != std::string_view::npos;
           pos = t.find(kApertura, pos + kApertura.size()))
        ++mas;
      if (mas > 0)
        rechazos.push_back("Otros " + std::to_string(mas) +
                           " grupos \"values (\" después, también sin \")\" y fin de línea");
      break;
    }
    const std::string_view grupo = t.substr(inicio, fin - inicio);
    const auto items = Parte(grupo, ',');
    const auto id = items.size() >= kItemsMinimos ? IdDeCxc(items[3]) : std::nullopt;
    if (!id) {
      rechazos.push_back("Grupo con menos de cinco datos o sin Id de cuenta válido: (" + std::string(grupo) + ")");
    } else {
      registros.push_back(RegistroDePago{*id, libNalda::prVal(items[4]), momento.fecha, momento.hora, orden});
    }
    pos = t.find(kApertura, fin);
  }
  return registros;
}

std::string LectorDePagos::Contenido(const std::filesystem::path& archivo) {
  std::ifstream entrada(archivo, std::ios::binary);
  std::ostringstream s;
  s << entrada.rdbuf();
  return texto::AUtf8(s.str());
}

bool LectorDePagos::LeerArchivoDePagos(const std::filesystem::path& archivo, BitacoraDeArchivos& bitacora,
                                       const AlRegistro& alRegistro) {
  const std::string nombre = archivo.filename().string();
  const auto momento = MomentoDelNombre(nombre);
  if (!momento) {
    bitacora.Escribe(5, "Archivo " + nombre + " no leído: su nombre no da la fecha y la hora de los pagos");
    return false;
  }
  CargarPagos(archivo, *momento, bitacora, alRegistro);
  return true;
}

void LectorDePagos::CargarPagos(const std::filesystem::path& archivo, const Momento& momento,
                                BitacoraDeArchivos& bitacora, const AlRegistro& alRegistro) {
  const std::string texto = Contenido(archivo);
  bitacora.Escribe("Leyendo de " + archivo.string());
  bitacora.Escribe(5, "SQL: " + texto::Reemplaza(texto, "\\'", "'"));
  std::vector<std::string> rechazos;
  const auto registros = Registros(texto, momento, rechazos);
  for (const std::string& r : rechazos) bitacora.Escribe(5, r);
  for (const RegistroDePago& r : registros) alRegistro(r);
}

}  // namespace travesa
