#include "payments/clsPagos.h"

#include <chrono>
#include <fstream>
#include <thread>

#include "ftp/AvisoDeTransferencia.h"
#include "ftp/ConexionConAviso.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Dialogos.h"
#include "shell/Programa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr std::string_view kPatron = "cxcs_*.sql";
// The seller's segment begins at the 6th character, after "cxcs_".
constexpr std::size_t kInicioDelDispositivo = 6;

}  // namespace

clsPagos::clsPagos(Programa& programa, Operador& objLabel, bool verificarCertificado)
    : programa_(programa), objLabel_(objLabel) {
  mFTP_.SetModePassive();
  mFTP_.SetTransferBinary();
  mFTP_.SetVerificarCertificado(verificarCertificado);
  mFTP_.SetIntervaloProgreso(std::chrono::milliseconds(50));
  mFTP_.FileTransferProgress = [this](std::int64_t actual, std::int64_t total) {
    AvisoDeTransferencia::Muestra(objLabel_, archivoActual_, actual, total);
  };
}

clsPagos::~clsPagos() { mFTP_.CloseConnection(); }

bool clsPagos::Aceptado(std::string_view nombre, std::string_view vendedor) {
  return ArchivoDelVendedor(nombre, kInicioDelDispositivo, vendedor);
}

std::string_view clsPagos::VendedorDelNombre(std::string_view nombre) {
  return CampoDelVendedor(nombre, kInicioDelDispositivo).value_or(std::string_view());
}

std::unique_ptr<BitacoraDeArchivos> clsPagos::TomaBitacora() { return std::move(bitacora_); }

bool clsPagos::Procesar() {
  bitacora_ = std::make_unique<BitacoraDeArchivos>(programa_.carpeta());
  if (!texto::TerminaCon(FTPcarpeta, "/")) FTPcarpeta += "/";
  if (!ConexionConAviso::Abre(mFTP_, objLabel_, ftpSitio, ftpUsuario, FTPcontraseña)) {
    motivo_ = mFTP_.GetLastErrorMessage();
    bitacora_->Escribe(kSinConexion);
    bitacora_->Cierra();
    return false;
  }
  bitacora_->Escribe("Conexión correcta al sitio");
  mFTP_.SetFTPDirectory(FTPcarpeta);
  const auto listado = mFTP_.GetDirectoryListing(kPatron);
  const auto listadoEn = std::chrono::steady_clock::now();
  bitacora_->Escribe("Obteniendo directorio '" + std::string(kPatron) + "'");
  if (!listado && !mFTP_.GetLastErrorMessage().empty())
    NoDescargado(std::string(kPatron),
                 "no se pudo obtener la lista de archivos del sitio: " + mFTP_.GetLastErrorMessage());
  std::vector<std::string> vacios;
  if (listado) {
    for (const cDirItem& item : *listado) {
      objLabel_.Ceder();
      if (item.Directory) continue;
      if (!Aceptado(item.filename, stVendedor)) {
        bitacora_->Escribe(5, "Archivo " + item.filename + " incorrecto");
        continue;
      }
      bitacora_->Escribe(5, "Archivo " + item.filename + " correcto");
      if (item.FileSize == 0) {
        vacios.push_back(item.filename);
        continue;
      }
      Descarga(item.filename);
    }
  }
  TomaVacios(vacios, listadoEn);
  return true;
}

// A phone's upload shows as an empty file until its first bytes arrive, so
// an empty file is looked at again a while after the listing: one that grew
// is downloaded as any other.
void clsPagos::TomaVacios(const std::vector<std::string>& vacios, std::chrono::steady_clock::time_point listado) {
  if (vacios.empty()) return;
  std::this_thread::sleep_until(listado + kAsientoDeVacios);
  for (const std::string& nombre : vacios) {
    objLabel_.Ceder();
    if (mFTP_.GetFTPFileSize(nombre) != 0) {
      Descarga(nombre);
      continue;
    }
    TomaVacio(nombre);
  }
}

void clsPagos::TomaVacio(const std::string& nombre) {
  const auto local = programa_.carpeta() / nombre;
  if (!std::ofstream(local, std::ios::binary | std::ios::trunc)) {
    NoDescargado(nombre, "no se pudo crear su copia en «" + local.string() + "»");
    return;
  }
  bitacora_->Escribe(10, "Archivo " + nombre + " vacío: no trae pagos");
  bitacora_->Escribe(10, "Intentando borrar " + nombre);
  mFTP_.DeleteFTPFile(nombre);
}

// A file that fails to arrive stays on the site for the next run.
void clsPagos::Descarga(const std::string& nombre) {
  archivoActual_ = nombre;
  if (!mFTP_.FTPDownloadFile((programa_.carpeta() / nombre).string(), nombre)) {
    const std::string motivo = mFTP_.GetLastErrorMessage();
    // Another desk may have taken it since the listing: then it is in that
    // desk's hands, not lost, and this run is not short of anything.
    const auto sigue = mFTP_.GetDirectoryListing(nombre);
    const bool listado = sigue || mFTP_.GetLastErrorMessage().empty();
    if (listado && (!sigue || sigue->Item(nombre) == nullptr)) {
      bitacora_->Escribe(10, "Archivo " + nombre + " ya no está en el sitio: otro equipo lo tomó");
      return;
    }
    NoDescargado(nombre, motivo);
    return;
  }
  bitacora_->Escribe(10, "Descargado");
  bitacora_->Escribe(10, "Intentando borrar " + nombre);
  mFTP_.DeleteFTPFile(nombre);
}

void clsPagos::NoDescargado(const std::string& nombre, const std::string& motivo) {
  bitacora_->Escribe(10, "Archivo " + nombre + " no descargado (queda en el sitio): " + motivo);
  noDescargados_.push_back(nombre + ": " + motivo);
}

}  // namespace travesa
