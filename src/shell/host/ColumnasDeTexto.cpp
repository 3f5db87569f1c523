#include "shell/host/ColumnasDeTexto.h"

#include "shell/host/Conexion.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"

namespace travesa {

const std::map<std::string, std::string>& ColumnasDeTexto::Juegos(Conexion& cn, std::string_view tabla) {
  const std::string clave = texto::Minusculas(tabla);
  const auto hallada = juegos_.find(clave);
  if (hallada != juegos_.end()) return hallada->second;
  std::map<std::string, std::string>& juegos = juegos_[clave];
  RecordSet rs;
  rs.Abre(cn,
          cn.Prepara("SELECT COLUMN_NAME, CHARACTER_SET_NAME FROM information_schema.COLUMNS "
                     "WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = ? AND CHARACTER_SET_NAME IS NOT NULL "
                     "AND CHARACTER_SET_NAME NOT IN ('utf8mb4', 'binary')",
                     {Valor(tabla)}),
          "");
  for (; !rs.Eof(); rs.MoveNext())
    juegos.emplace(texto::Minusculas(rs.Fields(0).Texto()), texto::Minusculas(rs.Fields(1).Texto()));
  return juegos;
}

Valor ColumnasDeTexto::Ajusta(Conexion& cn, std::string_view tabla, std::string_view columna, const Valor& v) {
  if (v.tipo() != Valor::Tipo::Texto) return v;
  const std::map<std::string, std::string>& juegos = Juegos(cn, tabla);
  if (juegos.empty()) return v;
  const auto juego = juegos.find(texto::Minusculas(columna));
  if (juego == juegos.end()) return v;
  std::string ajustado = texto::ParaJuegoDeCaracteres(v.Texto(), juego->second);
  if (ajustado == v.Texto()) return v;
  avisos_.push_back("El texto «" + v.Texto() + "» se grabó como «" + ajustado + "» en " + std::string(tabla) + "." +
                    std::string(columna) + ", que está en " + juego->second +
                    " y no admite algunos de sus caracteres.");
  return Valor(std::move(ajustado));
}

std::vector<std::string> ColumnasDeTexto::TomaAvisos() {
  std::vector<std::string> avisos;
  avisos.swap(avisos_);
  return avisos;
}

}  // namespace travesa
