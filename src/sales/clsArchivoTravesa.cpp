#include "sales/clsArchivoTravesa.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

std::vector<std::string> Divide(std::string_view texto, std::string_view separador) {
  std::vector<std::string> partes;
  std::size_t inicio = 0;
  while (true) {
    const std::size_t pos = texto.find(separador, inicio);
    if (pos == std::string_view::npos) break;
    partes.emplace_back(texto.substr(inicio, pos - inicio));
    inicio = pos + separador.size();
  }
  partes.emplace_back(texto.substr(inicio));
  return partes;
}

bool EsBlanca(std::string_view linea) {
  for (const char c : linea)
    if (c != ' ' && c != '\t' && c != '\r') return false;
  return true;
}

std::string Minusculas3(std::string_view s) {
  std::string m;
  for (std::size_t i = 0; i < 3 && i < s.size(); ++i) {
    const char c = s[i];
    m += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return m;
}

int NumeroDeMes(std::string_view abreviatura) {
  static constexpr std::array<const char*, 12> kEspanol = {"ene", "feb", "mar", "abr", "may", "jun",
                                                           "jul", "ago", "sep", "oct", "nov", "dic"};
  for (std::size_t i = 0; i < kEspanol.size(); ++i)
    if (abreviatura == kEspanol[i]) return static_cast<int>(i) + 1;
  return 0;
}

// A small cursor over the rest of the date-time text.
class Cursor {
 public:
  explicit Cursor(std::string_view s) : s_(s) {}
  void Blancos() {
    while (i_ < s_.size() && s_[i_] == ' ') ++i_;
  }
  bool Caracter(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  // 1 to `maximo` digits.
  bool Numero(int maximo, int& n) {
    int cifras = 0;
    n = 0;
    while (i_ < s_.size() && cifras < maximo && s_[i_] >= '0' && s_[i_] <= '9') {
      n = n * 10 + (s_[i_++] - '0');
      ++cifras;
    }
    return cifras > 0 && (i_ >= s_.size() || s_[i_] < '0' || s_[i_] > '9');
  }
  std::string Resto() const {
    std::string r;
    for (std::size_t k = i_; k < s_.size(); ++k)
      if (s_[k] != ' ' && s_[k] != '.') r += (s_[k] >= 'A' && s_[k] <= 'Z') ? static_cast<char>(s_[k] + 32) : s_[k];
    return r;
  }

 private:
  std::string_view s_;
  std::size_t i_ = 0;
};

}  // namespace

void clsArchivoTravesa::PrepararSQL(const std::filesystem::path& stArchivo) {
  std::ifstream f(stArchivo, std::ios::binary);
  if (!f) throw ErrorTravesa("No se pudo leer el archivo «" + stArchivo.string() + "».");
  const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) throw ErrorTravesa("No se pudo leer el archivo «" + stArchivo.string() + "».");
  sql_ = texto::Reemplaza(texto::AUtf8(bytes), "\\'", "\"");
  leido_ = 0;
  ultima_.clear();
}

bool clsArchivoTravesa::DadmeLinea(std::vector<std::string>& asCampos, std::vector<std::string>& asValors) {
  // Moves forward through the text instead of cutting the head off it: a file
  // of many lines is read in one pass, not copied again for every line.
  while (true) {
    const std::size_t lf = sql_.find('\n', leido_);
    if (lf == std::string::npos) return false;
    ultima_.assign(sql_, leido_, lf - leido_);
    leido_ = lf + 1;
    if (!EsBlanca(ultima_)) break;
  }
  if (!ultima_.empty() && ultima_.back() == '\r') ultima_.pop_back();
  asCampos.clear();
  asValors.clear();
  defecto_.clear();
  std::string_view linea = ultima_;
  const std::size_t abre = linea.find('(');
  if (abre == std::string_view::npos) return true;
  linea.remove_prefix(abre + 1);
  const std::size_t cierra = linea.find(')');
  if (cierra == std::string_view::npos) return true;
  std::vector<std::string> campos = Divide(linea.substr(0, cierra), ", ");
  linea.remove_prefix(cierra + 1);
  const std::size_t abreValores = linea.find('(');
  if (abreValores == std::string_view::npos) return true;
  asCampos = std::move(campos);
  defecto_ = SepararValores(linea.substr(abreValores + 1), asValors, asCampos.size());
  return true;
}

std::string clsArchivoTravesa::SepararValores(std::string_view texto, std::vector<std::string>& valores,
                                              std::size_t cuantos) {
  valores.clear();
  std::string defecto = LeeValores(texto, valores);
  if (defecto.empty() && valores.size() != cuantos)
    defecto = "trae " + std::to_string(valores.size()) + " valores para " + std::to_string(cuantos) + " columnas";
  valores.resize(cuantos);
  return defecto;
}

std::string clsArchivoTravesa::LeeValores(std::string_view texto, std::vector<std::string>& valores) {
  std::size_t i = SaltaBlancos(texto, 0);
  if (i < texto.size() && texto[i] == ')') return "";  // an empty list
  const auto numero = [&] { return std::to_string(valores.size() + 1); };
  while (true) {
    i = SaltaBlancos(texto, i);
    std::string valor;
    if (i < texto.size() && texto[i] == '\'') {
      const std::size_t cierre = EntreComillas(texto, i + 1, valor);
      if (cierre == std::string_view::npos) return "la comilla que abre el valor " + numero() + " no se cierra";
      i = cierre + 1;
    } else {
      const std::size_t fin = texto.find_first_of(",)", i);
      if (fin == std::string_view::npos) break;
      valor = texto::Recorta(texto.substr(i, fin - i));
      if (valor.find('\'') != std::string::npos) return "el valor " + numero() + " tiene una comilla fuera de lugar";
      i = fin;
    }
    valores.push_back(std::move(valor));
    i = SaltaBlancos(texto, i);
    if (i >= texto.size()) break;
    if (texto[i] == ')') return "";
    if (texto[i] != ',')
      return "después del valor " + std::to_string(valores.size()) + " sigue «" +
             texto::Izquierda(texto.substr(i), 20) + "» en lugar de una coma";
    ++i;
  }
  return "la lista de valores no se cierra con «)»";
}

std::size_t clsArchivoTravesa::EntreComillas(std::string_view texto, std::size_t desde, std::string& valor) {
  std::size_t i = desde;
  while (true) {
    const std::size_t comilla = texto.find('\'', i);
    if (comilla == std::string_view::npos) return comilla;
    valor.append(texto.substr(i, comilla - i));
    if (comilla + 1 >= texto.size() || texto[comilla + 1] != '\'') return comilla;
    valor += '"';  // a doubled apostrophe, read as the backslash-apostrophe is
    i = comilla + 2;
  }
}

std::size_t clsArchivoTravesa::SaltaBlancos(std::string_view texto, std::size_t i) {
  while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
  return i;
}

bool clsArchivoTravesa::FechaHoraEspanich(std::string_view vDato, std::string& stFecha, std::string& stHora) {
  std::string mes = Minusculas3(vDato);
  if (mes == "jan") mes = "Ene";
  if (mes == "apr") mes = "Abr";
  if (mes == "aug") mes = "Ago";
  if (mes == "dec") mes = "Dic";
  const std::string_view resto = vDato.size() > 3 ? vDato.substr(3) : std::string_view();
  stFecha = mes + std::string(resto);

  const int numMes = NumeroDeMes(Minusculas3(mes));
  if (numMes == 0) return false;
  Cursor c(resto);
  c.Caracter('.');
  c.Blancos();
  int dia = 0, anio = 0, hora = 0, minuto = 0, segundo = 0;
  if (!c.Numero(2, dia)) return false;
  c.Caracter(',');
  c.Blancos();
  if (!c.Numero(4, anio) || anio < 1000) return false;
  c.Blancos();
  if (!c.Numero(2, hora) || !c.Caracter(':') || !c.Numero(2, minuto) || !c.Caracter(':') || !c.Numero(2, segundo))
    return false;
  const std::string marca = c.Resto();
  if (marca == "am" || marca == "pm") {
    if (hora < 1 || hora > 12) return false;
    hora = hora % 12 + (marca == "pm" ? 12 : 0);
  } else if (!marca.empty()) {
    return false;
  }
  if (hora > 23 || minuto > 59 || segundo > 59) return false;
  const std::chrono::year_month_day fecha{std::chrono::year(anio), std::chrono::month(static_cast<unsigned>(numMes)),
                                          std::chrono::day(static_cast<unsigned>(dia))};
  if (!fecha.ok()) return false;
  char f[48], h[48];
  std::snprintf(f, sizeof f, "%04d-%02d-%02d", anio, numMes, dia);
  std::snprintf(h, sizeof h, "%02d:%02d:%02d", hora, minuto, segundo);
  stFecha = f;
  stHora = h;
  return true;
}

}  // namespace travesa
