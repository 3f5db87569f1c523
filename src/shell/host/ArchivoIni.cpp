#include "shell/host/ArchivoIni.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "shell/host/ArchivoAtomico.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Linea {
  std::string texto;  // the bytes as in the file, without the line end
  std::string fin;    // "\r\n", "\n" or nothing (the last line)
};

// The file split in lines, as bytes, and how to read them.
struct Contenido {
  std::string bom;
  bool utf8 = true;
  std::vector<Linea> lineas;

  // Line by line: a line typed in Windows-1252 into a UTF-8 file does not
  // change how the others read.
  static std::string Texto(const std::string& crudo) { return texto::AUtf8(crudo); }
  // The line end that new lines take: the file's own.
  std::string Fin() const {
    for (const Linea& l : lineas)
      if (!l.fin.empty()) return l.fin;
    return "\n";
  }
  std::string Junta() const {
    std::string out = bom;
    for (const Linea& l : lineas) out += l.texto + l.fin;
    return out;
  }
};

Contenido Analiza(const std::filesystem::path& archivo, std::string_view datos) {
  Contenido c;
  if (texto::EmpiezaCon(datos, kBom)) {
    c.bom = kBom;
    datos.remove_prefix(kBom.size());
  }
  const auto nulo = datos.find('\0');
  if (nulo != std::string_view::npos) {
    const auto linea = 1 + std::count(datos.begin(), datos.begin() + static_cast<std::ptrdiff_t>(nulo), '\n');
    throw ErrorTravesa("El archivo «" + archivo.string() + "» tiene un byte nulo en la línea " + std::to_string(linea) +
                       "; no se usa ni se modifica. Corríjalo con un editor de texto.");
  }
  c.utf8 = texto::EsUtf8Valido(datos);  // the encoding new lines take
  std::size_t inicio = 0;
  while (inicio < datos.size()) {
    const auto salto = datos.find('\n', inicio);
    if (salto == std::string_view::npos) {
      c.lineas.push_back({std::string(datos.substr(inicio)), ""});
      break;
    }
    const bool cr = salto > inicio && datos[salto - 1] == '\r';
    const std::size_t fin = cr ? salto - 1 : salto;
    c.lineas.push_back({std::string(datos.substr(inicio, fin - inicio)), cr ? "\r\n" : "\n"});
    inicio = salto + 1;
  }
  return c;
}

Contenido Carga(const std::filesystem::path& archivo, const std::optional<std::string>& datos) {
  return datos ? Analiza(archivo, *datos) : Contenido{};
}

// "[name]" gives the name; anything else nothing.
std::optional<std::string> Seccion(const std::string& linea) {
  const std::string t = texto::Recorta(linea);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const auto cierre = t.find(']');
  if (cierre == std::string::npos) return std::nullopt;
  return texto::Recorta(t.substr(1, cierre - 1));
}

bool EsComentario(const std::string& linea) {
  const std::string t = texto::Recorta(linea);
  return !t.empty() && (t.front() == ';' || t.front() == '#');
}

// Where a key is: its line, or where a new one goes.
struct Lugar {
  std::optional<std::size_t> clave;
  std::optional<std::size_t> ultimaDeLaSeccion;  // last non-blank line of the first matching section
};

// Section and key names compare without regard to case, as Windows does; the
// first occurrence of a key wins.
Lugar Busca(const Contenido& c, std::string_view seccion, std::string_view clave) {
  Lugar lugar;
  bool dentro = false, primera = false;
  for (std::size_t i = 0; i < c.lineas.size(); ++i) {
    const std::string t = c.Texto(c.lineas[i].texto);
    if (const auto nombre = Seccion(t)) {
      dentro = texto::IgualesSinMayusculas(*nombre, seccion);
      primera = dentro && !lugar.ultimaDeLaSeccion;
      if (primera) lugar.ultimaDeLaSeccion = i;
      continue;
    }
    if (!dentro) continue;
    if (primera && !texto::Recorta(t).empty()) lugar.ultimaDeLaSeccion = i;
    const auto igual = t.find('=');
    if (igual == std::string::npos || EsComentario(t)) continue;
    if (!lugar.clave && texto::IgualesSinMayusculas(texto::Recorta(t.substr(0, igual)), clave)) lugar.clave = i;
  }
  return lugar;
}

std::string Valor(const std::string& linea) { return texto::Recorta(linea.substr(linea.find('=') + 1)); }

// A new line in the file's encoding.
std::string Codifica(const Contenido& c, const std::filesystem::path& archivo, const std::string& utf8) {
  if (c.utf8) return utf8;
  if (auto t = texto::AWindows1252(utf8)) return *t;
  throw ErrorTravesa("El archivo «" + archivo.string() + "» está en Windows-1252 y el valor «" + utf8 +
                     "» tiene letras que esa codificación no admite; no se modificó.");
}

void AUtf8(Contenido& c) {
  if (c.utf8) return;
  for (Linea& l : c.lineas) l.texto = texto::AUtf8(l.texto);
  c.utf8 = true;
}

void Agrega(Contenido& c, const std::filesystem::path& archivo, std::string_view seccion, const std::string& linea) {
  const std::string fin = c.Fin();
  if (!c.lineas.empty() && c.lineas.back().fin.empty()) c.lineas.back().fin = fin;
  if (!c.lineas.empty() && !texto::Recorta(c.lineas.back().texto).empty()) c.lineas.push_back({"", fin});
  c.lineas.push_back({Codifica(c, archivo, "[" + std::string(seccion) + "]"), fin});
  c.lineas.push_back({linea, fin});
}

// The key's line rewritten, or a new one at the end of its section (or of the file).
void Pon(Contenido& c, const std::filesystem::path& archivo, const ArchivoIni::Cambio& cambio) {
  const Lugar lugar = Busca(c, cambio.seccion, cambio.clave);
  if (lugar.clave) {
    Linea& l = c.lineas[*lugar.clave];
    const std::string nombre = texto::Recorta(c.Texto(l.texto.substr(0, l.texto.find('='))));
    l.texto = Codifica(c, archivo, nombre + "=" + cambio.valor);
    return;
  }
  const std::string linea = Codifica(c, archivo, cambio.clave + "=" + cambio.valor);
  if (!lugar.ultimaDeLaSeccion) {
    Agrega(c, archivo, cambio.seccion, linea);
    return;
  }
  const std::size_t tras = *lugar.ultimaDeLaSeccion;
  if (c.lineas[tras].fin.empty()) c.lineas[tras].fin = c.Fin();
  c.lineas.insert(c.lineas.begin() + static_cast<std::ptrdiff_t>(tras) + 1, Linea{linea, c.Fin()});
}

}  // namespace

std::string ArchivoIni::Rechazo(std::string_view valor) {
  if (!texto::EsUtf8Valido(valor)) return "no es texto UTF-8 válido";
  for (const char ch : valor) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x20 || b == 0x7F) return "tiene caracteres de control (saltos de línea, tabuladores...)";
  }
  return {};
}

std::string ArchivoIni::Lee(const std::filesystem::path& archivo, std::string_view seccion, std::string_view clave) {
  const Contenido c = Carga(archivo, ArchivoAtomico::LeeCompleto(archivo));
  const Lugar lugar = Busca(c, seccion, clave);
  if (!lugar.clave) return {};
  return Valor(c.Texto(c.lineas[*lugar.clave].texto));
}

void ArchivoIni::Escribe(const std::filesystem::path& archivo, std::string_view seccion, std::string_view clave,
                         std::string_view valor, Codificacion codificacion) {
  const Cambio cambio{std::string(seccion), std::string(clave), std::string(valor)};
  Escribe(archivo, std::span<const Cambio>(&cambio, 1), codificacion);
}

void ArchivoIni::Escribe(const std::filesystem::path& archivo, std::span<const Cambio> cambios,
                         Codificacion codificacion) {
  for (const Cambio& cambio : cambios) {
    for (const std::string_view parte : {cambio.seccion, cambio.clave, cambio.valor}) {
      const std::string motivo = Rechazo(parte);
      if (!motivo.empty())
        throw ErrorTravesa("El valor de «" + cambio.clave + "» " + motivo + "; no se guardó en «" + archivo.string() +
                           "».");
    }
  }
  ArchivoAtomico::Modifica(archivo, [&](const std::optional<std::string>& datos) {
    Contenido c = Carga(archivo, datos);
    if (codificacion == Codificacion::Utf8) AUtf8(c);
    for (const Cambio& cambio : cambios) Pon(c, archivo, cambio);
    return c.Junta();
  });
}

}  // namespace travesa
