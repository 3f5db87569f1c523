#include "shell/TablasSinTransacciones.h"

#include <mutex>
#include <set>

#include "shell/Operador.h"
#include "shell/host/Bitacora.h"
#include "shell/host/Conexion.h"

namespace travesa {
namespace {

// Every table a read run or a payments run writes.
constexpr const char* kTablas =
    "'tickets','ticketsdetalle','pedidos','pedidosdetalle','remisiones','remisionesdetalle','productos',"
    "'histalmacen','cxc','edoctacli','saldoscli','anexopagosctes','sistema','clientes','traspasos',"
    "'traspasosdetalle'";

}  // namespace

std::string TablasSinTransacciones::Busca(Conexion& cn) {
  return cn
      .Escalar(std::string("SELECT GROUP_CONCAT(TABLE_NAME ORDER BY TABLE_NAME SEPARATOR ', ') FROM "
                           "information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE() AND TABLE_TYPE = 'BASE TABLE' "
                           "AND ENGINE NOT IN ('InnoDB', 'XtraDB') AND LOWER(TABLE_NAME) IN (") +
               kTablas + ")")
      .Texto();
}

void TablasSinTransacciones::Advierte(Conexion& cn, Operador& operador) {
  static std::mutex candado;
  static std::set<std::string> advertidas;
  const std::string& base = cn.datos().base;
  {
    const std::lock_guard<std::mutex> l(candado);
    if (!advertidas.insert(cn.datos().Identidad()).second) return;
  }
  const std::string tablas = Busca(cn);
  if (tablas.empty()) return;
  const std::string texto =
      "Las tablas " + tablas + " de la base de datos «" + base +
      "» no admiten transacciones (MyISAM u otro motor sin ellas). Las ventas y los pagos se graban igual, pero si "
      "un proceso se interrumpe a la mitad, un documento puede quedar a medias. Conviene convertirlas a InnoDB "
      "(ALTER TABLE … ENGINE=InnoDB).";
  Bitacora::Advierte(texto);
  operador.Mensaje(texto, Botones::kSoloAceptar | Botones::kExclamacion, "Base de datos sin transacciones");
}

}  // namespace travesa
