#include "shell/host/LlaveUnica.h"

#include <map>
#include <mutex>
#include <string>

#include "shell/host/Conexion.h"

namespace travesa {

bool LlaveUnica::Tiene(Conexion& cn, std::string_view tabla, std::string_view columna) {
  static std::mutex candado;
  static std::map<std::string, bool> llaves;
  const std::string nombre = cn.datos().Identidad() + "/" + std::string(tabla) + "." + std::string(columna);
  {
    const std::lock_guard<std::mutex> l(candado);
    if (const auto hallada = llaves.find(nombre); hallada != llaves.end()) return hallada->second;
  }
  const bool llave = !cn.Escalar(cn.Prepara("SELECT INDEX_NAME FROM information_schema.STATISTICS WHERE "
                                            "TABLE_SCHEMA = DATABASE() AND TABLE_NAME = ? AND NON_UNIQUE = 0 "
                                            "GROUP BY INDEX_NAME HAVING COUNT(*) = 1 AND MAX(COLUMN_NAME) = ? LIMIT 1",
                                            {Valor(tabla), Valor(columna)}))
                          .EsNulo();
  const std::lock_guard<std::mutex> l(candado);
  llaves[nombre] = llave;
  return llave;
}

}  // namespace travesa
