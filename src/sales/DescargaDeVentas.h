#pragma once
// The sales import as a read run calls it: one `clsDescargarSQLs` set from
// the settings (document kind from "TipoMovimiento", "post without stock" from
// "SinExistencia", the series), run once. The read run shows its final
// message with Avisa once the run's other jobs are done.
#include <filesystem>

#include "sales/ResultadoVentas.h"
#include "shell/Ajustes.h"
#include "shell/Operador.h"

namespace travesa {

class Programa;

class DescargaDeVentas {
 public:
  // Errors that stop the run (the database lost, another desk's run holding
  // the lock longer than `segundosDeEspera`) reach the caller as ErrorTravesa.
  static ResultadoVentas EjecutaDescarga(Programa& programa, Operador& objLabel, const Ajustes& ajustes,
                                         int segundosDeEspera);
  // The final message: all posted, or where the log is.
  static void Avisa(Operador& operador, const std::filesystem::path& carpetaPrograma, const ResultadoVentas& r);
};

}  // namespace travesa
