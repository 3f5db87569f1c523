#include "sales/LecturaDeArchivos.h"


#include "ftp/DescargaRemota.h"
#include "ftp/clsFTP.h"
#include "sales/AvisoDeTransferencia.h"
#include "sales/DescargaDeVentas.h"
#include "sales/LectorDeEtiquetas.h"
#include "sales/SitioDeDispositivos.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/Dialogos.h"
#include "shell/Programa.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/DeArchivos.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

constexpr const char* kClientesRemoto = "clientes.xml";

}  // namespace

LecturaDeArchivos::LecturaDeArchivos(Programa& programa, Operador& operador, ImportaVentas importaVentas,
                                     int segundosDeEspera)
    : programa_(programa),
      operador_(operador),
      importaVentas_(std::move(importaVentas)),
      segundosDeEspera_(segundosDeEspera) {}

LecturaDeArchivos::LecturaDeArchivos(Programa& programa, Operador& operador, int segundosDeEspera)
    : LecturaDeArchivos(
          programa, operador,
          [segundosDeEspera](Programa& p, Operador& o, const Ajustes& a) {
            return DescargaDeVentas::EjecutaDescarga(p, o, a, segundosDeEspera);
          },
          segundosDeEspera) {}

bool LecturaDeArchivos::Confirma(Operador& operador) {
  return Confirmar(operador, "¿Desea leer los archivos de ventas?", "Descargar archivos");
}

ResumenLectura LecturaDeArchivos::Leer(const Ajustes& ajustes) {
  ResumenLectura resumen;
  if (!Descargar(ajustes, resumen)) return resumen;
  MensajeFinal(resumen);
  Terminar(ajustes, resumen);
  return resumen;
}

bool LecturaDeArchivos::Descargar(const Ajustes& ajustes, ResumenLectura& resumen) {
  resumen.carpeta = SitioDeDispositivos::ConDiagonales(ajustes.FTPcarpeta);
  std::string carpeta;
  {
    clsFTP ftp;
    if (!SitioDeDispositivos::Conecta(ftp, operador_, ajustes)) return false;
    resumen.conectado = true;
    carpeta = SitioDeDispositivos::Resuelve(ftp, resumen.carpeta);
  }
  Conexion& cn = programa_.principal();
  BloqueoNombrado bloqueo(cn, clsDescargarSQLs::NombreDelBloqueo(cn), segundosDeEspera_);
  ImportaClientes(ajustes, carpeta, resumen);
  Ajustes conCarpeta = ajustes;
  conCarpeta.FTPcarpeta = resumen.carpeta;
  resumen.ventas = importaVentas_(programa_, operador_, conCarpeta);
  return true;
}

void LecturaDeArchivos::ImportaClientes(const Ajustes& ajustes, const std::string& carpeta, ResumenLectura& resumen) {
  const std::filesystem::path local = programa_.Archivo(kClientesLocal);
  DescargaRemota descarga;
  descarga.verificarCertificado = ajustes.VerificarCertificado != "N";
  descarga.Progreso = AvisoDeTransferencia::Para(operador_, kClientesRemoto);
  const std::string remoto = ajustes.ftpSitio + carpeta + kClientesRemoto;
  // A copy left by an earlier run must never be read as this run's.
  DeArchivos::BorraArchivo(local);
  resumen.clientesDescargados = SitioDeDispositivos::TresIntentos(operador_, "clientes", [&] {
    return descarga.BajarArchivo(remoto, ajustes.ftpUsuario, ajustes.FTPcontraseña, local.string());
  });
  operador_.Aviso("");
  if (!resumen.clientesDescargados) return;
  resumen.clientes = ClientesDelDispositivo::Importa(programa_.principal(), LectorDeEtiquetas::LeeArchivo(local), operador_);
}

void LecturaDeArchivos::MensajeFinal(const ResumenLectura& resumen) {
  DescargaDeVentas::Avisa(operador_, programa_.carpeta(), resumen.ventas);
}

void LecturaDeArchivos::Terminar(const Ajustes& ajustes, ResumenLectura& resumen) {
  if (!Ajustes::Si(ajustes.Traspaso)) {
    DeArchivos::BorraArchivo(programa_.Archivo(TraspasoSobrante::kLocal));
    return;
  }
  resumen.traspaso = TraspasoSobrante::GenerarTraspaso(programa_, operador_, ajustes);
}

}  // namespace travesa
