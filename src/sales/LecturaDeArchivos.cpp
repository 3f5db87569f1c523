#include "sales/LecturaDeArchivos.h"

#include "ftp/AvisoDeTransferencia.h"
#include "ftp/DescargaRemota.h"
#include "ftp/SitioFTP.h"
#include "ftp/clsFTP.h"
#include "sales/DescargaDeVentas.h"
#include "sales/LectorDeEtiquetas.h"
#include "sales/SitioDeDispositivos.h"
#include "sales/clsDescargarSQLs.h"
#include "shell/ArchivosConocidos.h"
#include "shell/ArchivosDeTelefonos.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Dialogos.h"
#include "shell/Historial.h"
#include "shell/Programa.h"
#include "shell/TablasSinTransacciones.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/DeArchivos.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Huella.h"

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
  AbreEnHistorial();
  try {
    if (!Descargar(ajustes, resumen)) {
      CierraEnHistorial(false, true, resumen);
      return resumen;
    }
    MensajeFinal(resumen);
    Terminar(ajustes, resumen);
  } catch (...) {
    CierraEnHistorial(true, false, resumen);
    throw;
  }
  CierraEnHistorial(true, true, resumen);
  return resumen;
}

void LecturaDeArchivos::AbreEnHistorial() { programa_.historial().Comienza("leer", programa_.usuario()); }

void LecturaDeArchivos::CierraEnHistorial(bool descargado, bool terminada, const ResumenLectura& resumen) {
  std::string resultado = resumen.ventas.Completo() ? "completa" : "incompleta";
  if (!descargado) resultado = "sin conexión";
  if (!terminada) resultado = "interrumpida";
  programa_.historial().Termina(resultado);
}

bool LecturaDeArchivos::Descargar(const Ajustes& ajustes, ResumenLectura& resumen) {
  resumen.carpeta = SitioDeDispositivos::ConDiagonales(ajustes.FTPcarpeta);
  std::string carpeta;
  std::string sello;
  {
    clsFTP ftp;
    if (!SitioDeDispositivos::Conecta(ftp, operador_, ajustes)) return false;
    resumen.conectado = true;
    carpeta = SitioDeDispositivos::Resuelve(ftp, ajustes.FTPcarpeta);
    resumen.carpeta = carpeta;
    // Asked before the download: a phone's newer file then never passes for the one read.
    sello = ftp.GetFTPFileTime(carpeta + kClientesRemoto);
  }
  Conexion& cn = programa_.principal();
  BloqueoNombrado bloqueo(cn, clsDescargarSQLs::NombreDelBloqueo(cn), segundosDeEspera_);
  TablasSinTransacciones::Advierte(cn, operador_);
  ImportaGuardados(resumen);
  ImportaClientes(ajustes, carpeta, sello, resumen);
  Ajustes conCarpeta = ajustes;
  conCarpeta.FTPcarpeta = resumen.carpeta;
  resumen.ventas = importaVentas_(programa_, operador_, conCarpeta);
  AnotaClientes(resumen);
  return true;
}

// The customers part of the run goes to the transfer log, which the sales
// import has just started.
void LecturaDeArchivos::AnotaClientes(const ResumenLectura& resumen) {
  BitacoraDeArchivos bitacora(programa_.carpeta(), BitacoraDeArchivos::Modo::Sigue);
  for (const std::string& g : resumen.clientesGuardados)
    bitacora.Escribe("Clientes leídos de «" + g + "», que un teléfono dejó en el sitio y se guardó al publicar");
  if (resumen.clientesDelCatalogo)
    bitacora.Escribe(
        "Clientes: el «clientes.xml» del sitio es el catálogo publicado, no un archivo de clientes de "
        "los teléfonos; no se leyó");
}

void LecturaDeArchivos::Importa(std::string_view contenido, ResumenLectura& resumen) {
  ResultadoClientes r = ClientesDelDispositivo::Importa(programa_.principal(), contenido, operador_);
  for (const auto& [clave, nombre] : r.agregados) programa_.historial().Cliente(clave, nombre);
  ResultadoClientes& todos = resumen.clientes;
  todos.conocidos += r.conocidos;
  todos.agregados.insert(todos.agregados.end(), r.agregados.begin(), r.agregados.end());
  todos.rechazados.insert(todos.rechazados.end(), r.rechazados.begin(), r.rechazados.end());
}

// The phones' customers files a publish saved before the catalogue took
// their place, oldest first.
void LecturaDeArchivos::ImportaGuardados(ResumenLectura& resumen) {
  const ArchivosDeTelefonos telefonos(programa_.carpeta());
  for (const std::filesystem::path& guardado : telefonos.Pendientes(kClientesRemoto)) {
    Importa(LectorDeEtiquetas::LeeArchivo(guardado), resumen);
    telefonos.Terminado(guardado);
    resumen.clientesGuardados.push_back(guardado.filename().string());
  }
}

void LecturaDeArchivos::ImportaClientes(const Ajustes& ajustes, const std::string& carpeta, const std::string& sello,
                                        ResumenLectura& resumen) {
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
  const std::string contenido = LectorDeEtiquetas::LeeArchivo(local);
  const std::string huella = Huella::Sha256(contenido);
  ArchivosConocidos conocidos(programa_.principal(), SitioFTP::Identidad(ajustes.ftpSitio, carpeta));
  const auto conocido = conocidos.Busca(kClientesRemoto, huella);
  if (conocido && conocido->origen == ArchivosConocidos::Origen::Publicado) {
    resumen.clientesDelCatalogo = true;
    return;
  }
  Importa(contenido, resumen);
  conocidos.Leido(kClientesRemoto, huella, static_cast<std::int64_t>(contenido.size()), sello);
}

void LecturaDeArchivos::MensajeFinal(const ResumenLectura& resumen) {
  DescargaDeVentas::Avisa(operador_, programa_.carpeta(), resumen.ventas);
}

void LecturaDeArchivos::Terminar(const Ajustes& ajustes, ResumenLectura& resumen) {
  resumen.conTraspaso = Ajustes::Si(ajustes.Traspaso);
  if (!resumen.conTraspaso) {
    TraspasoSobrante::Descarta(programa_);
    return;
  }
  resumen.traspasos = TraspasoSobrante::GenerarTraspasos(programa_, operador_, ajustes);
}

}  // namespace travesa
