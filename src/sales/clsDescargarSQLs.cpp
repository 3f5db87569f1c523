#include "sales/clsDescargarSQLs.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

#include "ftp/AvisoDeTransferencia.h"
#include "ftp/ConexionConAviso.h"
#include "sales/Folios.h"
#include "sales/LetrasDelTelefono.h"
#include "sales/PosteoDeVentas.h"
#include "sales/VentasEnEspera.h"
#include "sales/clsArchivoTravesa.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Dialogos.h"
#include "shell/Historial.h"
#include "shell/Programa.h"
#include "shell/Respaldo.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Huella.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

constexpr const char* kPatron = "ventas_*.sql";
constexpr std::size_t kInicioDispositivo = 7;  // after "ventas_"

// A sale of the file: its client and date-time text as the phone wrote them.
std::string ClaveDeVenta(const std::vector<std::string>& valores) {
  const std::string cliente = valores.size() > 2 ? valores[2] : "";
  const std::string fecha = valores.empty() ? "" : texto::Recorta(valores[0]);
  return cliente + '\x1f' + fecha;
}

// Sales whose staging is asked with one query; lines staged with one statement.
constexpr std::size_t kVentasPorConsulta = 200;
constexpr std::size_t kLineasPorInsercion = 1000;

bool MismaVenta(const LineaDeVenta& a, const LineaDeVenta& b) {
  return a.cliente == b.cliente && a.fecha == b.fecha && a.hora == b.hora;
}

}  // namespace

clsDescargarSQLs::clsDescargarSQLs(Programa& programa, Operador& objLabel) : programa_(programa), objLabel_(objLabel) {
  mFTP_.SetModePassive();
  mFTP_.SetTransferBinary();
  mFTP_.SetIntervaloProgreso(std::chrono::milliseconds(50));
  mFTP_.FileTransferProgress = [this](std::int64_t actual, std::int64_t total) {
    AvisoDeTransferencia::Muestra(objLabel_, archivoActual_, actual, total);
  };
}

clsDescargarSQLs::~clsDescargarSQLs() { mFTP_.CloseConnection(); }

std::string clsDescargarSQLs::DesUTF8cizar(std::string_view xCadena) { return LetrasDelTelefono::Repara(xCadena); }

std::string clsDescargarSQLs::Dispositivo(std::string_view nombre) {
  if (nombre.size() <= kInicioDispositivo) return "";
  const std::string_view resto = nombre.substr(kInicioDispositivo);
  const std::size_t guion = resto.find('_');
  if (guion == std::string_view::npos) return "";
  return texto::Minusculas(resto.substr(0, guion));
}

std::string clsDescargarSQLs::NombreDelBloqueo(const Conexion& cn) {
  return texto::Izquierda("travesa.tmpventassql." + cn.datos().base, 64);
}

long clsDescargarSQLs::Siguiente_Folio(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra,
                                       std::string& stLlave, bool blGrabarFolio) {
  return Folios::Siguiente_Folio(cnn, stDatoConfig, stTablaMaestra, stLlave, blGrabarFolio);
}

long clsDescargarSQLs::Foliar_(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra,
                               std::string& stLlave) {
  return Folios::Foliar_(cnn, stDatoConfig, stTablaMaestra, stLlave);
}

double clsDescargarSQLs::A2Decimales(double dbCantidad) { return Folios::A2Decimales(dbCantidad); }

bool clsDescargarSQLs::Procesar() {
  Conexion& cn = programa_.principal();
  const BloqueoNombrado bloqueo(cn, NombreDelBloqueo(cn), segundosDeEspera);
  resultado_ = ResultadoVentas{};
  leidos_.clear();
  BitacoraDeArchivos bitacora(programa_.carpeta());
  if (!texto::TerminaCon(FTPcarpeta, "/")) FTPcarpeta += "/";
  mFTP_.SetVerificarCertificado(verificarCertificado);
  if (!ConexionConAviso::Abre(mFTP_, objLabel_, ftpSitio, ftpUsuario, FTPcontraseña)) {
    bitacora.Escribe(kSinConexion);
    return false;
  }
  resultado_.conectado = true;
  bitacora.Escribe("Conexión correcta al sitio");
  VentasEnEspera espera(cn);
  espera.Borra();
  bitacora.Escribe("Borrando tabla temporal 'tmpventassql'");
  espera.Crea(tipo->tablaMaestra, tipo->tablaDetalle);
  bitacora.Escribe("Creando tabla temporal 'tmpventassql'");
  Descarga(bitacora, espera);
  bitacora.Escribe("Grabar las ventas a Norvento");
  std::set<unsigned> fallidas;
  GrabarVentas(bitacora, espera, fallidas);
  BorraLeidos(bitacora, fallidas);
  espera.Borra();
  return true;
}

void clsDescargarSQLs::Descarga(BitacoraDeArchivos& bitacora, VentasEnEspera& espera) {
  contador_ = 0;
  mFTP_.SetFTPDirectory(FTPcarpeta);
  std::vector<std::pair<std::string, std::int32_t>> nombres;
  const auto listado = mFTP_.GetDirectoryListing(kPatron);
  bitacora.Escribe("Obteniendo directorio 'ventas_*.sql'");
  if (!listado && !mFTP_.GetLastErrorMessage().empty()) {
    // The site stopped answering: the run must not say the files were read.
    NoLeido(bitacora, kPatron, "no se pudo obtener la lista de archivos del sitio: " + mFTP_.GetLastErrorMessage());
    objLabel_.Aviso("");
    return;
  }
  if (listado)
    for (const cDirItem& item : *listado) nombres.emplace_back(item.filename, item.FileSize);
  for (const auto& [nombre, tamano] : nombres) {
    objLabel_.Ceder();
    archivoActual_ = nombre;
    if (nombre.size() <= kInicioDispositivo || nombre.find('_', kInicioDispositivo) == std::string::npos) {
      bitacora.Escribe(5, "Archivo " + nombre + " incorrecto");
      continue;
    }
    bitacora.Escribe(5, "Archivo " + nombre + " correcto");
    LeeArchivo(nombre, tamano, bitacora, espera);
  }
  objLabel_.Aviso("");
}

void clsDescargarSQLs::LeeArchivo(const std::string& nombre, std::int32_t listado, BitacoraDeArchivos& bitacora,
                                  VentasEnEspera& espera) {
  const std::filesystem::path local = programa_.carpeta() / nombre;
  if (!mFTP_.FTPDownloadFile(local.string(), nombre)) {
    NoLeido(bitacora, nombre, "no se pudo descargar (queda en el sitio): " + mFTP_.GetLastErrorMessage());
    return;
  }
  bitacora.Escribe(10, "Descargado");
  std::error_code ec;
  const auto tamano = std::filesystem::file_size(local, ec);
  leidos_.push_back(ArchivoLeido{nombre, {}, false, ec ? -1 : static_cast<std::int64_t>(tamano), false, {}, {}, 0});
  ArchivoLeido& archivo = leidos_.back();
  try {
    archivo.huella = Huella::Sha256DeArchivo(local);
  } catch (const ErrorTravesa&) {
  }
  // The listing keeps the low 32 bits of a size.
  if (static_cast<std::int32_t>(archivo.tamano) != listado) {
    bitacora.Escribe(10, "Archivo " + nombre + " cambió mientras se descargaba: el teléfono aún lo está subiendo");
    archivo.inconcluso = true;
  }
  try {
    CargarArchivo(local, contador_, archivo, bitacora, espera);
  } catch (const ErrorTravesa& e) {
    Falla(bitacora, archivo, VentaFallida{nombre, "", "", "", PosteoDeVentas::Motivo(e)});
  }
  try {
    Respaldo(programa_.carpeta()).Guarda(local);
  } catch (const ErrorTravesa& e) {
    bitacora.Escribe(10, e.what());
  }
}

// A file (or the listing) that could not be read: its sales stay on the site
// for the next run, and this run ends as failed, with the reason.
void clsDescargarSQLs::NoLeido(BitacoraDeArchivos& bitacora, const std::string& nombre, const std::string& motivo) {
  bitacora.Escribe(10, "Archivo " + nombre + " no leído: " + motivo);
  resultado_.fallidas.push_back(VentaFallida{nombre, "", "", "", motivo});
}

void clsDescargarSQLs::Falla(BitacoraDeArchivos& bitacora, ArchivoLeido& archivo, VentaFallida falla) {
  bitacora.Escribe(PosteoDeVentas::TextoDeFalla(falla));
  archivo.conFallas = true;
  programa_.historial().Falla({falla.archivo, archivo.vendedor, falla.fecha, falla.hora, falla.cliente, falla.motivo});
  resultado_.fallidas.push_back(std::move(falla));
}

void clsDescargarSQLs::CargarArchivo(const std::filesystem::path& ruta, unsigned& contador, ArchivoLeido& archivo,
                                     BitacoraDeArchivos& bitacora, VentasEnEspera& espera) {
  clsArchivoTravesa lector;
  lector.PrepararSQL(ruta);
  bitacora.Escribe(15, "SQL: " + lector.SQL());
  // First every line, so that a sale with a line that cannot be taken is
  // left out whole, not staged half.
  std::set<std::string> rechazadas;
  std::vector<LineaLeida> leidas = LeeLineas(lector, archivo, bitacora, rechazadas);
  if (archivo.inconcluso) DejaLaUltimaVenta(leidas, archivo, bitacora);
  PonEnEspera(leidas, rechazadas, contador, archivo, bitacora, espera);
}

// A file a phone is still writing may hold only the first lines of its last
// sale: that sale waits for the next run, which reads the file whole.
void clsDescargarSQLs::DejaLaUltimaVenta(std::vector<LineaLeida>& leidas, const ArchivoLeido& archivo,
                                         BitacoraDeArchivos& bitacora) {
  if (leidas.empty()) return;
  const LineaDeVenta ultima = leidas.back().linea;
  while (!leidas.empty() && MismaVenta(leidas.back().linea, ultima)) leidas.pop_back();
  bitacora.Escribe(10, "La última venta del archivo " + archivo.nombre + " (fecha " + ultima.fecha + ", hora " +
                           ultima.hora + ", cliente " + ultima.cliente + ") se leerá en la próxima lectura");
}

std::vector<clsDescargarSQLs::LineaLeida> clsDescargarSQLs::LeeLineas(clsArchivoTravesa& lector, ArchivoLeido& archivo,
                                                                      BitacoraDeArchivos& bitacora,
                                                                      std::set<std::string>& rechazadas) {
  std::vector<LineaLeida> leidas;
  std::vector<std::string> campos, valores;
  while (lector.DadmeLinea(campos, valores)) {
    // Values that did not come out right would land in the wrong columns
    // (a payment amount read as 0, a note cut short): the line is refused.
    std::string motivo = lector.Defecto();
    std::optional<LineaDeVenta> linea = motivo.empty() ? LineaDeVenta::DeValores(valores, motivo) : std::nullopt;
    const std::string clave = ClaveDeVenta(valores);
    if (linea) {
      linea->archivo = archivo.nombre;
      if (archivo.vendedor.empty()) archivo.vendedor = linea->vendedor;
      leidas.push_back({std::move(*linea), clave});
      continue;
    }
    Rechaza(bitacora, archivo,
            "Línea rechazada del archivo " + archivo.nombre + " (" + motivo + "): " + lector.UltimaLinea());
    if (!rechazadas.insert(clave).second) continue;
    const std::string cliente = valores.size() > 2 ? DesUTF8cizar(valores[2]) : "";
    std::string fecha, hora;
    clsArchivoTravesa::FechaHoraEspanich(valores.empty() ? "" : valores[0], fecha, hora);
    Falla(bitacora, archivo,
          VentaFallida{archivo.nombre, fecha, hora, cliente, "una línea de la venta no es válida: " + motivo});
  }
  if (!texto::Recorta(texto::Reemplaza(lector.Resto(), "\r", "")).empty()) {
    Rechaza(bitacora, archivo,
            "Línea sin fin de línea, no leída, del archivo " + archivo.nombre + ": " + lector.Resto());
    archivo.inconcluso = true;
  }
  return leidas;
}

void clsDescargarSQLs::Rechaza(BitacoraDeArchivos& bitacora, ArchivoLeido& archivo, const std::string& rechazo) {
  ++archivo.rechazadas;
  programa_.historial().Rechazo(archivo.nombre, rechazo);
  bitacora.Escribe(15, rechazo);
  resultado_.lineasRechazadas.push_back(rechazo);
}

// Sale by sale: a new sale starts when the client, date or time changes (the
// seller is not compared); a sale already staged is not staged again, and a
// sale with a rejected line is not staged at all. Which sales are staged is
// asked for many at once, and the new ones are staged together.
void clsDescargarSQLs::PonEnEspera(const std::vector<LineaLeida>& leidas, const std::set<std::string>& rechazadas,
                                   unsigned& contador, ArchivoLeido& archivo, BitacoraDeArchivos& bitacora,
                                   VentasEnEspera& espera) {
  std::vector<VentaLeida> ventas;
  const LineaDeVenta* anterior = nullptr;
  for (const LineaLeida& leida : leidas) {
    const LineaDeVenta& l = leida.linea;
    if (anterior == nullptr || !MismaVenta(*anterior, l)) ventas.push_back({++contador, {}, false});
    anterior = &l;
    if (rechazadas.count(leida.clave)) ventas.back().rechazada = true;
    ventas.back().lineas.push_back(l);
  }
  // A sale written twice in the file, staged the first time.
  std::map<std::tuple<std::string, std::string, std::string, std::string>, unsigned> puestas;
  for (std::size_t inicio = 0; inicio < ventas.size(); inicio += kVentasPorConsulta) {
    const std::size_t fin = std::min(inicio + kVentasPorConsulta, ventas.size());
    std::vector<const LineaDeVenta*> primeras;
    for (std::size_t k = inicio; k < fin; ++k) primeras.push_back(&ventas[k].lineas.front());
    const std::vector<std::optional<unsigned>> yaEstan = espera.YaEstan(primeras);
    std::vector<const VentaLeida*> nuevas;
    for (std::size_t k = inicio; k < fin; ++k) {
      const LineaDeVenta& l = ventas[k].lineas.front();
      const auto llave = std::make_tuple(l.fecha, l.hora, l.vendedor, l.cliente);
      std::optional<unsigned> yaEsta = yaEstan[k - inicio];
      if (const auto puesta = puestas.find(llave); !yaEsta && puesta != puestas.end()) yaEsta = puesta->second;
      if (yaEsta) {
        archivo.ventas.insert(*yaEsta);
        continue;
      }
      if (ventas[k].rechazada) continue;
      puestas.emplace(llave, ventas[k].id);
      nuevas.push_back(&ventas[k]);
    }
    Agrega(nuevas, archivo, bitacora, espera);
  }
}

// All together, in statements of a bounded size; when one is refused, its
// sales one by one, so that only a sale the table refuses fails.
void clsDescargarSQLs::Agrega(const std::vector<const VentaLeida*>& ventas, ArchivoLeido& archivo,
                              BitacoraDeArchivos& bitacora, VentasEnEspera& espera) {
  std::size_t inicio = 0;
  while (inicio < ventas.size()) {
    std::vector<std::pair<unsigned, const std::vector<LineaDeVenta>*>> juntas;
    std::size_t lineas = 0;
    std::size_t fin = inicio;
    for (; fin < ventas.size() && (juntas.empty() || lineas + ventas[fin]->lineas.size() <= kLineasPorInsercion);
         ++fin) {
      juntas.emplace_back(ventas[fin]->id, &ventas[fin]->lineas);
      lineas += ventas[fin]->lineas.size();
    }
    try {
      espera.AgregaVarias(juntas);
      for (const auto& [id, _] : juntas) archivo.ventas.insert(id);
    } catch (const ErrorTravesa&) {
      // A table without transactions may have kept some rows.
      std::vector<unsigned> ids;
      for (const auto& [id, _] : juntas) ids.push_back(id);
      espera.Quita(ids);
      for (std::size_t k = inicio; k < fin; ++k) AgregaUna(*ventas[k], archivo, bitacora, espera);
    }
    inicio = fin;
  }
}

void clsDescargarSQLs::AgregaUna(const VentaLeida& venta, ArchivoLeido& archivo, BitacoraDeArchivos& bitacora,
                                 VentasEnEspera& espera) {
  try {
    espera.Agrega(venta.id, venta.lineas);
    archivo.ventas.insert(venta.id);
  } catch (const ErrorTravesa& e) {
    const LineaDeVenta& l = venta.lineas.front();
    Falla(bitacora, archivo, VentaFallida{archivo.nombre, l.fecha, l.hora, l.cliente, PosteoDeVentas::Motivo(e)});
  }
}

void clsDescargarSQLs::GrabarVentas(BitacoraDeArchivos& bitacora, VentasEnEspera& espera,
                                    std::set<unsigned>& fallidas) {
  PosteoDeVentas posteo(programa_.principal(), programa_.bd(), *tipo, blSinExist, Serie);
  posteo.AlHistorial(programa_.historial());
  posteo.Graba(espera, resultado_, bitacora, fallidas);
}

// A file leaves the site only when every sale it holds is posted or was
// already, and it is still the file that was read; otherwise the next run
// reads it again.
void clsDescargarSQLs::BorraLeidos(BitacoraDeArchivos& bitacora, const std::set<unsigned>& fallidas) {
  const auto enElSitio = mFTP_.GetDirectoryListing(kPatron);
  const bool sinListado = !enElSitio && !mFTP_.GetLastErrorMessage().empty();
  for (const ArchivoLeido& archivo : leidos_) {
    bool completo = !archivo.conFallas;
    for (const unsigned id : archivo.ventas) completo = completo && !fallidas.count(id);
    if (!completo) {
      bitacora.Escribe(10, "Se conserva en el sitio " + archivo.nombre + ": alguna de sus ventas no se grabó");
      AlHistorial(archivo, "parcial: se conserva en el sitio, alguna de sus ventas no se grabó");
      continue;
    }
    const std::string llegando = SigueLlegando(archivo, enElSitio.get(), sinListado);
    if (!llegando.empty()) {
      bitacora.Escribe(10, "Se conserva en el sitio " + archivo.nombre + ": " + llegando);
      AlHistorial(archivo, "se conserva en el sitio: " + llegando);
      continue;
    }
    bitacora.Escribe(10, "Intentando borrar " + archivo.nombre);
    mFTP_.DeleteFTPFile(archivo.nombre);
    AlHistorial(archivo, archivo.rechazadas ? "grabado, con renglones rechazados" : "grabado");
  }
}

// A phone writes its file under its own name, so a run may read it half
// written. The sales read whole are posted; the file stays on the site and the
// next run reads it whole (finding those sales already posted).
std::string clsDescargarSQLs::SigueLlegando(const ArchivoLeido& archivo, const cDirList* enElSitio, bool sinListado) {
  if (archivo.inconcluso) return "el teléfono aún lo está subiendo";
  if (sinListado) return "no se pudo comprobar que no cambió mientras se leía";
  if (enElSitio == nullptr) return "";
  for (const cDirItem& e : *enElSitio) {
    // The listing keeps the low 32 bits of a size.
    if (e.filename == archivo.nombre && e.FileSize != static_cast<std::int32_t>(archivo.tamano))
      return "cambió mientras se leía (" + std::to_string(archivo.tamano) + " bytes leídos)";
  }
  return "";
}

void clsDescargarSQLs::AlHistorial(const ArchivoLeido& archivo, const std::string& destino) {
  // "ventas_<device>_..."
  std::string dispositivo;
  const std::size_t a = archivo.nombre.find('_');
  const std::size_t b = a == std::string::npos ? a : archivo.nombre.find_first_of("_.", a + 1);
  if (b != std::string::npos) dispositivo = archivo.nombre.substr(a + 1, b - a - 1);
  programa_.historial().Archivo(
      {archivo.nombre, archivo.tamano, archivo.huella, archivo.vendedor, dispositivo, "", destino});
}

}  // namespace travesa
