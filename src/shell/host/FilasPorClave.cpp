#include "shell/host/FilasPorClave.h"

#include <map>

#include "shell/host/BasesDD.h"
#include "shell/host/Conexion.h"
#include "shell/host/ListaDeClaves.h"

namespace travesa {

FilasPorClave::FilasPorClave(Conexion& cn, std::string_view tabla, std::string_view columna,
                             const std::vector<std::string>& claves, const Columnas& columnas)
    : filaDeClave_(claves.size()), sueltas_(claves.size()) {
  LeeJuntas(cn, std::string(tabla), IdentificadorSeguro(columna), claves, columnas);
  LeeSueltas(cn, std::string(tabla), IdentificadorSeguro(columna), claves);
}

// Keys written exactly as the key the server gave a row get that row.
void FilasPorClave::LeeJuntas(Conexion& cn, const std::string& tabla, const std::string& columna,
                              const std::vector<std::string>& claves, const Columnas& columnas) {
  const ListaDeClaves lista(columna, claves);
  if (lista.Vacia()) return;
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
  juntas_.Abre(cn,
               cn.Prepara("SELECT " + lista.Posicion() + " AS TravesaClave, " + extra + t + ".* FROM " + t +
                              " WHERE " + lista.Filtro(),
                          valores),
               tabla);
  std::map<std::size_t, std::size_t> filaDeLugar;
  for (std::size_t f = 0; !juntas_.Eof(); juntas_.MoveNext(), ++f) {
    const long long k = juntas_.Fields("TravesaClave").Entero();
    if (k >= 1) filaDeLugar.emplace(static_cast<std::size_t>(k), f);
  }
  for (std::size_t i = 0; i < claves.size(); ++i) {
    const auto f = filaDeLugar.find(lista.Lugar(claves[i]));
    if (f != filaDeLugar.end()) filaDeClave_[i] = f->second;
  }
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
    p->Abre(cn, cn.Prepara("SELECT * FROM " + IdentificadorSeguro(tabla) + " WHERE " + columna + " = ?", {Valor(claves[i])}), tabla);
    if (!p->Eof()) sueltas_[i] = std::move(p);
  }
}

const RecordSet* FilasPorClave::De(std::size_t i) {
  if (i >= filaDeClave_.size()) return nullptr;
  if (filaDeClave_[i]) {
    juntas_.IrA(*filaDeClave_[i]);
    return &juntas_;
  }
  return sueltas_[i].get();
}

}  // namespace travesa
