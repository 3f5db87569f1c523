#include "shell/host/FilasPorClave.h"

#include <algorithm>
#include <map>

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/ListaDeClaves.h"

namespace travesa {

FilasPorClave::FilasPorClave(Conexion& cn, std::string_view tabla, std::string_view columna,
                             const std::vector<std::string>& claves, const Columnas& columnas,
                             std::vector<std::string> soloEstas)
    : soloEstas_(std::move(soloEstas)), filaDeClave_(claves.size()), sueltas_(claves.size()) {
  LeeJuntas(cn, std::string(tabla), IdentificadorSeguro(columna), claves, columnas);
  LeeSueltas(cn, std::string(tabla), IdentificadorSeguro(columna), claves);
}

// Keys written exactly as the key the server gave a row get that row. The
// server finds each row's place in the list by walking it, so a long list is
// asked in parts.
void FilasPorClave::LeeJuntas(Conexion& cn, const std::string& tabla, const std::string& columna,
                              const std::vector<std::string>& claves, const Columnas& columnas) {
  std::vector<std::string> distintas;
  std::map<std::string, std::size_t> parteDe;
  for (const std::string& c : claves)
    if (parteDe.emplace(c, distintas.size() / kClavesPorConsulta).second) distintas.push_back(c);
  // Per part, its list and the row of each place in it.
  std::vector<ListaDeClaves> listas;
  std::vector<std::map<std::size_t, std::size_t>> filasDeLugar;
  for (std::size_t inicio = 0; inicio < distintas.size(); inicio += kClavesPorConsulta) {
    const std::size_t fin = std::min(inicio + kClavesPorConsulta, distintas.size());
    listas.emplace_back(columna, std::vector<std::string>(distintas.begin() + static_cast<std::ptrdiff_t>(inicio),
                                                          distintas.begin() + static_cast<std::ptrdiff_t>(fin)));
    filasDeLugar.push_back(LeeParte(cn, tabla, listas.back(), columnas));
  }
  for (std::size_t i = 0; i < claves.size(); ++i) {
    const std::size_t parte = parteDe.at(claves[i]);
    const auto f = filasDeLugar[parte].find(listas[parte].Lugar(claves[i]));
    if (f != filasDeLugar[parte].end()) filaDeClave_[i] = Fila{parte, f->second};
  }
}

std::map<std::size_t, std::size_t> FilasPorClave::LeeParte(Conexion& cn, const std::string& tabla,
                                                           const ListaDeClaves& lista, const Columnas& columnas) {
  std::vector<Valor> valores = lista.Valores();  // for Posicion()
  std::string extra;
  if (columnas) {
    auto [sql, suyos] = columnas(lista);
    extra = sql + ", ";
    valores.insert(valores.end(), suyos.begin(), suyos.end());
  }
  const std::vector<Valor> filtro = lista.Valores();
  valores.insert(valores.end(), filtro.begin(), filtro.end());
  const std::string t = IdentificadorSeguro(tabla);
  std::string propias;
  for (const std::string& c : soloEstas_) propias += (propias.empty() ? "" : ", ") + t + "." + IdentificadorSeguro(c);
  if (propias.empty()) propias = t + ".*";
  RecordSet& rs = juntas_.emplace_back();
  rs.Abre(cn,
          cn.Prepara("SELECT " + lista.Posicion() + " AS TravesaClave, " + extra + propias + " FROM " + t + " WHERE " +
                         lista.Filtro(),
                     valores),
          tabla);
  std::map<std::size_t, std::size_t> filaDeLugar;
  for (std::size_t f = 0; !rs.Eof(); rs.MoveNext(), ++f) {
    const long long k = rs.Fields("TravesaClave").Entero();
    if (k >= 1) filaDeLugar.emplace(static_cast<std::size_t>(k), f);
  }
  return filaDeLugar;
}

// A key missing from the answer may be missing from the table, or be another
// spelling of a key the row was given to: asked alone, the server says.
void FilasPorClave::LeeSueltas(Conexion& cn, const std::string& tabla, const std::string& columna,
                               const std::vector<std::string>& claves) {
  std::map<std::string, std::size_t> preguntada;
  for (std::size_t i = 0; i < claves.size(); ++i) {
    if (filaDeClave_[i]) continue;
    if (const auto antes = preguntada.find(claves[i]); antes != preguntada.end()) {
      if (sueltas_[antes->second]) sueltas_[i] = std::make_unique<RecordSet>(*sueltas_[antes->second]);
      continue;
    }
    preguntada.emplace(claves[i], i);
    auto p = std::make_unique<RecordSet>();
    p->Abre(
        cn,
        cn.Prepara("SELECT * FROM " + IdentificadorSeguro(tabla) + " WHERE " + columna + " = ?", {Valor(claves[i])}),
        tabla);
    if (!p->Eof()) sueltas_[i] = std::move(p);
  }
}

const RecordSet* FilasPorClave::De(std::size_t i) {
  if (i >= filaDeClave_.size()) return nullptr;
  if (const std::optional<Fila>& f = filaDeClave_[i]) {
    RecordSet& rs = juntas_[f->parte];
    rs.IrA(f->fila);
    return &rs;
  }
  return sueltas_[i].get();
}

}  // namespace travesa
