#include "shell/clsAcceso.h"

#include "shell/host/BasesDD.h"
#include "shell/host/DeAcceso.h"
#include "shell/host/Texto.h"

namespace travesa {

bool clsAcceso::Accede(int inModulo, std::string_view stCadenaMods) {
  if (inModulo < 1 || static_cast<std::size_t>(inModulo) > stCadenaMods.size()) return false;
  return stCadenaMods[static_cast<std::size_t>(inModulo) - 1] == 'S';
}

bool clsAcceso::PuedeEntrar(BasesDD& xBdD, Conexion& cnfBDD, int inModulo) {
  Credenciales recordadas;
  bool resultado = false;
  while (true) {
    operador_.Ceder();
    const auto tecleadas = ventana_.Pide(recordadas);
    if (!tecleadas) break;
    recordadas = *tecleadas;
    if (!BuscaUsuario(xBdD, cnfBDD, recordadas)) {
      operador_.MensajeSimple("Usuario incorrecto o inexistente", Botones::kCritico, "Error");
      continue;
    }
    resultado = true;
    if (inModulo != 0) {
      resultado = Accede(inModulo, modulos_);
      if (!resultado) {
        operador_.Aviso("");
        operador_.MensajeSimple("Sus atributos como usuario no le permiten entrar a este programa", Botones::kCritico,
                                "Alerta");
      }
    }
    break;
  }
  operador_.Aviso("");
  return resultado;
}

// The users live in the main database; the login connection names no database,
// so the table is qualified with it.
bool clsAcceso::BuscaUsuario(BasesDD& xBdD, Conexion& cnfBDD, const Credenciales& c) {
  RecordSet rs;
  xBdD.AbrirTabla(rs, cnfBDD, IdentificadorSeguro(xBdD.cMiBase) + ".usuarios order by Id");
  for (; !rs.Eof(); rs.MoveNext()) {
    const std::string alE = rs.Fields("AlE").Texto();
    if (texto::Recorta(DeAcceso::DesEncripta(rs.Fields("Usuario").Texto(), alE)) != c.usuario) continue;
    if (texto::Recorta(DeAcceso::DesEncripta(rs.Fields("Codigo").Texto(), alE)) != c.codigo) continue;
    modulos_ = DeAcceso::DesEncripta(rs.Fields("Modulos1").Texto(), alE) +
               DeAcceso::DesEncripta(rs.Fields("Modulos2").Texto(), alE) +
               DeAcceso::DesEncripta(rs.Fields("Modulos3").Texto(), alE);
    if (rs.Fields("Id").Entero() == 1) modulos_.assign(modulos_.size(), 'S');
    usuario_ = c.usuario;
    password_ = c.codigo;
    nombre_ = rs.Fields("Nombre").Texto();
    operador_.Aviso("Usuario: " + usuario_ + ", " + nombre_);
    xBdD.CierraTabla(rs);
    return true;
  }
  xBdD.CierraTabla(rs);
  return false;
}

}  // namespace travesa
