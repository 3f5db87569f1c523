#include "publish/clsXMLs.h"

#include <unistd.h>

#include <random>
#include <sstream>
#include <utility>

#include "ftp/AvisoDeTransferencia.h"
#include "ftp/ConexionConAviso.h"
#include "ftp/RutaFTP.h"
#include "ftp/SitioFTP.h"
#include "publish/ConsultasCatalogo.h"
#include "publish/DocumentosDeCxc.h"
#include "publish/EscritorXML.h"
#include "publish/EscrituraCatalogo.h"
#include "publish/ResguardoDelSitio.h"
#include "shell/Dialogos.h"
#include "shell/Historial.h"
#include "shell/Interrupcion.h"
#include "shell/Programa.h"
#include "shell/ReglasAjustes.h"
#include "shell/host/Huella.h"
#include "shell/host/RecordSetSecuencial.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

std::string SN(std::string_view valor) { return Ajustes::Si(valor) ? "S" : "N"; }

// The run's mark in the names of its temporary files on the site: two runs
// never write the same temporary file.
std::string MarcaDeCorrida() {
  std::random_device azar;
  std::ostringstream marca;
  marca << std::hex << ::getpid() << '-' << azar() << azar();
  return marca.str();
}

std::filesystem::path ConExtension(const std::filesystem::path& ruta) {
  std::filesystem::path archivo = ruta;
  archivo += ".xml";
  return archivo;
}

}  // namespace

clsXMLs::clsXMLs(Programa& programa, Operador& objLabel, const Ajustes& ajustes)
    : programa_(programa),
      objLabel_(objLabel),
      ajustes_(ajustes),
      telefonos_(programa.carpeta()),
      marca_(MarcaDeCorrida()) {
  mFTP_.SetInterrupcion(&Interrupcion::Bandera());
  mFTP_.SetModePassive();
  mFTP_.SetTransferBinary();
  mFTP_.SetVerificarCertificado(ajustes.VerificarCertificado != "N");
  mFTP_.SetIntervaloProgreso(std::chrono::milliseconds(50));
  mFTP_.FileTransferProgress = [this](std::int64_t actual, std::int64_t total) {
    AvisoDeTransferencia::Muestra(objLabel_, archivoActual_, actual, total);
  };
}

clsXMLs::~clsXMLs() { mFTP_.CloseConnection(); }

void clsXMLs::EscribirXML(const std::filesystem::path& ruta, RecordSetSecuencial& rs, std::string_view raiz,
                          std::string_view registro) {
  EscrituraCatalogo::Registros(ConExtension(ruta), rs, raiz, registro, objLabel_);
}

void clsXMLs::EscribirCxc(const std::filesystem::path& ruta, RecordSetSecuencial& rs, std::string_view raiz,
                          std::string_view registro, const DocumentosDeCxc& documentos) {
  EscrituraCatalogo::CuentasPorCobrar(ConExtension(ruta), rs, raiz, registro, documentos, objLabel_);
}

void clsXMLs::EscribirConfiguracion(const std::filesystem::path& ruta) {
  EscritorXML xml(ConExtension(ruta), "Configuracion");
  xml.Elemento("modificaprecios", SN(ajustes_.EtiqModificaPrecios));
  xml.Elemento("vercxc", SN(ajustes_.EtiqVerCxc));
  xml.Elemento("capturapagos", SN(ajustes_.EtiqCapturaPagos));
  xml.Elemento("asistencia", SN(ajustes_.EtiqAsistencia));
  // The password as saved in the INI file (the default stored when absent).
  const Ajustes::Campo& campo = *Ajustes::BuscaCampo("ContrasenaApp");
  Utilerias& u = programa_.utilerias();
  const std::string clave = u.DesEncripta(
      programa_.configuracion().LeeIniConDefecto(campo.seccion, campo.clave, u.Encripta(campo.porOmision)));
  // The application password travels as the lowercase hex MD5 of its UTF-8 bytes.
  xml.Elemento("claveconfiguracion", Huella::Md5(clave));
  xml.Termina();
}

// Each file is written from its rows as the server sends them. The documents
// behind the receivables are read first: while a query's rows are coming, the
// connection can run no other.
bool clsXMLs::Escribe(RecordSetSecuencial& rs, const Consulta& consulta, std::string_view raiz,
                      std::string_view registro, bool siempre) {
  const bool cxc = registro == "cxc";
  DocumentosDeCxc documentos;
  if (cxc) documentos.Carga(programa_.bd(), programa_.principal());
  const bool hayFilas = programa_.bd().AbrirTabla(rs, programa_.principal(), consulta.fuente, consulta.columnas);
  const std::filesystem::path ruta = programa_.carpeta() / raiz;
  if (!hayFilas && !siempre) return QuitaLocal(raiz);
  if (cxc)
    EscribirCxc(ruta, rs, raiz, registro, documentos);
  else
    EscribirXML(ruta, rs, raiz, registro);
  return true;
}

// An optional file not written this run: no copy of an earlier run stays
// behind looking current.
bool clsXMLs::QuitaLocal(std::string_view raiz) {
  std::error_code ec;
  std::filesystem::remove(programa_.carpeta() / (std::string(raiz) + ".xml"), ec);
  return false;
}

clsXMLs::Opcionales clsXMLs::GeneraArchivos() {
  RecordSetSecuencial rs;
  Opcionales o;
  Escribe(rs, ConsultasCatalogo::Vendedores(), "vendedores", "vendedor", true);
  Escribe(rs, ConsultasCatalogo::Productos(ajustes_), "productos", "producto", true);
  Escribe(rs, ConsultasCatalogo::Clientes(ajustes_, Vendedor), "clientes", "cliente", true);
  Escribe(rs, ConsultasCatalogo::Cxc(), "cxcs", "cxc", true);
  EscribirConfiguracion(programa_.carpeta() / "configuracion");
  o.listadeprecios = Ajustes::Si(ajustes_.PreciosNegociados)
                         ? Escribe(rs, ConsultasCatalogo::ListaDePrecios(), "listadeprecios", "PrecioNegociado", false)
                         : QuitaLocal("listadeprecios");
  o.preciosadicionales = Escribe(rs, ConsultasCatalogo::PreciosAdicionales(), "preciosadicionales", "producto", false);
  o.formasdepago = Escribe(rs, ConsultasCatalogo::FormasDePago(), "formasdepago", "forma", false);
  programa_.bd().CierraTabla(rs);
  return o;
}

bool clsXMLs::Procesar() {
  const Opcionales escritos = GeneraArchivos();
  objLabel_.Aviso("");
  if (!texto::TerminaCon(FTPcarpeta, "/")) FTPcarpeta += "/";
  // The box says why; the run's reason would only say it again.
  conectado_ = ConexionConAviso::Abre(mFTP_, objLabel_, ftpSitio, ftpUsuario, FTPcontraseña);
  if (!conectado_) return false;
  // The folder as the server resolves it from the login folder: the same
  // folder however the settings spell it.
  carpetaAbsoluta_ = RutaFTP::Absoluta(mFTP_.GetFTPDirectory(), FTPcarpeta);
  QuitaTemporalesViejos();
  for (const char* nombre : {"vendedores", "productos", "clientes", "cxcs", "configuracion"})
    if (!SubirXML(nombre)) return false;
  // Every upload counts; an optional file not written this run leaves the
  // site, so the devices never read one of an earlier run.
  const std::pair<const char*, bool> opcionales[] = {{"listadeprecios", escritos.listadeprecios},
                                                     {"preciosadicionales", escritos.preciosadicionales},
                                                     {"formasdepago", escritos.formasdepago}};
  for (const auto& [nombre, escrito] : opcionales)
    if (!(escrito ? SubirXML(nombre) : QuitaDelSitio(nombre))) return false;
  return true;
}

// Uploaded under a temporary name of this run's own and renamed over the
// published one, so a device never reads a half-written file. A server that
// refuses to rename over an existing file gets the published file deleted
// first, but only once this run's complete copy is there to take its place.
// The names the phones write too are looked at just before the rename, so
// that a phone's file nobody read is saved first (ResguardoDelSitio).
bool clsXMLs::SubirXML(std::string_view nombre) {
  archivoActual_ = std::string(nombre) + ".xml";
  const std::string remoto = FTPcarpeta + archivoActual_;
  const std::string temporal = remoto + "." + marca_ + ".tmp";
  const std::filesystem::path local = programa_.carpeta() / archivoActual_;
  std::error_code ec;
  const auto tamano = static_cast<std::int64_t>(std::filesystem::file_size(local, ec));
  if (!mFTP_.FTPUploadFile(local.string(), temporal)) {
    motivo_ = mFTP_.GetLastErrorMessage();
    mFTP_.DeleteFTPFile(temporal);
    return false;
  }
  const std::string huella = DeLosTelefonos(nombre) ? Huella::Sha256DeArchivo(local) : std::string();
  if (!huella.empty() && !DejaLugar(remoto, huella, tamano)) {
    mFTP_.DeleteFTPFile(temporal);
    return false;
  }
  if (!Renombra(temporal, remoto, tamano, !ec)) {
    mFTP_.DeleteFTPFile(temporal);
    return false;
  }
  if (!huella.empty()) conocidos_->Sella(archivoActual_, huella, mFTP_.GetFTPFileTime(remoto));
  programa_.historial().Publicado(archivoActual_, tamano, huella.empty() ? Huella::Sha256DeArchivo(local) : huella);
  return true;
}

bool clsXMLs::Renombra(const std::string& temporal, const std::string& remoto, std::int64_t tamano,
                       bool tamanoConocido) {
  if (mFTP_.RenameFTPFile(temporal, remoto)) return true;
  motivo_ = mFTP_.GetLastErrorMessage();
  return tamanoConocido && mFTP_.GetFTPFileSize(temporal) == tamano && mFTP_.DeleteFTPFile(remoto) &&
         mFTP_.RenameFTPFile(temporal, remoto);
}

bool clsXMLs::DeLosTelefonos(std::string_view nombre) { return nombre == "clientes" || nombre == "productos"; }

// The version about to be published is remembered first, so that a run cut
// off after the rename still knows it as its own.
bool clsXMLs::DejaLugar(const std::string& remoto, const std::string& huella, std::int64_t tamano) {
  if (!conocidos_) conocidos_.emplace(programa_.principal(), SitioFTP::Identidad(ftpSitio, carpetaAbsoluta_));
  conocidos_->Publica(archivoActual_, huella, tamano);
  ResguardoDelSitio resguardo(mFTP_, *conocidos_, telefonos_);
  const bool libre = resguardo.Resguarda(remoto, archivoActual_);
  guardados_.insert(guardados_.end(), resguardo.Guardados().begin(), resguardo.Guardados().end());
  if (!libre) motivo_ = resguardo.Motivo();
  return libre;
}

// Temporary copies that a run broken off (stopped, or cut from the site) left
// behind. This run holds the site's lock, so no other run is writing them.
void clsXMLs::QuitaTemporalesViejos() {
  const auto lista = mFTP_.GetDirectoryListing(FTPcarpeta + "*.xml.*.tmp");
  if (!lista) return;
  for (const cDirItem& e : *lista) mFTP_.DeleteFTPFile(FTPcarpeta + e.filename);
}

bool clsXMLs::QuitaDelSitio(std::string_view nombre) {
  archivoActual_ = std::string(nombre) + ".xml";
  const std::string remoto = FTPcarpeta + archivoActual_;
  if (mFTP_.DeleteFTPFile(remoto)) return true;
  const std::string motivo = mFTP_.GetLastErrorMessage();
  // Nothing to remove is no failure.
  if (mFTP_.GetFTPFileSize(remoto) == -1) return true;
  motivo_ = "No se pudo quitar del sitio «" + archivoActual_ + "», que ya no se publica: " + motivo;
  return false;
}

std::string clsXMLs::NombreDeBloqueo(std::string_view sitio, std::string_view carpeta) {
  return "travesa-publicacion-" + Huella::Md5(SitioFTP::Identidad(sitio, carpeta));
}

}  // namespace travesa
