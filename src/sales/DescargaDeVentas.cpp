#include "sales/DescargaDeVentas.h"

#include "sales/clsDescargarSQLs.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Programa.h"
#include "shell/TablasSinTransacciones.h"

namespace travesa {

ResultadoVentas DescargaDeVentas::EjecutaDescarga(Programa& programa, Operador& objLabel, const Ajustes& ajustes,
                                                  int segundosDeEspera) {
  objLabel.Aviso("");
  clsDescargarSQLs descarga(programa, objLabel);
  descarga.tipo = &TipoDeDocumento::DelAjuste(ajustes.TipoMovimiento);
  descarga.blSinExist = Ajustes::Si(ajustes.SinExistencia);
  descarga.Serie = ajustes.Serie;
  descarga.ftpSitio = ajustes.ftpSitio;
  descarga.ftpUsuario = ajustes.ftpUsuario;
  descarga.FTPcontraseña = ajustes.FTPcontraseña;
  descarga.FTPcarpeta = ajustes.FTPcarpeta;
  descarga.verificarCertificado = ajustes.VerificarCertificado != "N";
  descarga.segundosDeEspera = segundosDeEspera;
  TablasSinTransacciones::Advierte(programa.principal(), objLabel);
  descarga.Procesar();
  objLabel.Aviso("");
  return descarga.Resultado();
}

void DescargaDeVentas::Avisa(Operador& operador, const std::filesystem::path& carpetaPrograma,
                             const ResultadoVentas& r) {
  if (r.Completo()) {
    operador.Mensaje("Archivos descargados y grabados en las tablas de Norvento", Botones::kInformacion, "Atención");
    return;
  }
  BitacoraDeArchivos::AvisaInconcluso(operador, carpetaPrograma);
}

}  // namespace travesa
