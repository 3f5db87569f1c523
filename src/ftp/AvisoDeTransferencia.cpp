#include "ftp/AvisoDeTransferencia.h"

#include "shell/Formatos.h"
#include "shell/Operador.h"

namespace travesa {

void AvisoDeTransferencia::Muestra(Operador& operador, std::string_view archivo, std::int64_t actual,
                                   std::int64_t total) {
  if (total >= actual) {
    operador.Aviso("De '" + std::string(archivo) + "': bytes copiados " + formatos::Miles(actual) + " de " +
                   formatos::Miles(total));
    operador.Progreso(actual, total);
  }
  operador.Ceder();
}

std::function<void(std::int64_t, std::int64_t)> AvisoDeTransferencia::Para(Operador& operador, std::string archivo) {
  return [&operador, archivo = std::move(archivo)](std::int64_t actual, std::int64_t total) {
    Muestra(operador, archivo, actual, total);
  };
}

}  // namespace travesa
