#include "shell/host/Lote.h"

namespace travesa {

void Lote::InsertaFilas(std::string_view tabla, const std::vector<std::string>& columnas,
                        const std::vector<std::vector<Valor>>& filas,
                        const std::vector<Conexion::Expresion>& expresiones) {
  if (filas.empty()) return;
  sentencias_.push_back(cn_.TextoDeInsercion(tabla, columnas, filas, expresiones));
}

void Lote::Envia() {
  std::vector<std::string> sentencias;
  sentencias.swap(sentencias_);
  cn_.EjecutaJuntas(sentencias);
}

}  // namespace travesa
