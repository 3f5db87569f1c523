#pragma once
// "Borrar archivos" as both faces call it: the question, the cleanup of the
// sales files on the site (clsBorrarSQLs), and the final message, in steps so
// that the window can run the cleanup off its thread and speak after it.
#include <string>
#include <vector>

namespace travesa {

class Operador;
class Programa;
struct Ajustes;

class BorradoDeVentas {
 public:
  struct Resultado {
    bool conectado = false;  // the site was reached
    std::vector<std::string> borrados;
    std::vector<std::string> conservados;  // left on the site: they could not be backed up

    // Every sales file on the site was backed up and deleted.
    bool Completo() const { return conectado && conservados.empty(); }
  };

  static bool Confirma(Operador& operador);
  // The cleanup with the FTP site of `ajustes`; progress on the operator's label.
  static Resultado EjecutaBorrado(Programa& programa, Operador& operador, const Ajustes& ajustes);
  // "Archivos eliminados" when the site was reached, and which files stayed;
  // that there was nothing to delete, when there was none.
  static void MensajeFinal(Operador& operador, const Resultado& r);
};

}  // namespace travesa
