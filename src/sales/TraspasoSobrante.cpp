#include "sales/TraspasoSobrante.h"

#include <ctime>
#include <vector>

#include "ftp/AvisoDeTransferencia.h"
#include "ftp/SitioFTP.h"
#include "ftp/clsFTP.h"
#include "sales/Folios.h"
#include "sales/LectorDeEtiquetas.h"
#include "sales/SitioDeDispositivos.h"
#include "shell/Ajustes.h"
#include "shell/ArchivosConocidos.h"
#include "shell/ArchivosDeTelefonos.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Dialogos.h"
#include "shell/Historial.h"
#include "shell/Programa.h"
#include "shell/host/Contadores.h"
#include "shell/host/DeArchivos.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Huella.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"
#include "shell/host/Transaccion.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr const char* kRemoto = "productos.xml";
constexpr const char* kConcepto = "Traspaso de inventario sobrante «Travesa»";
// The fingerprint of the last file booked, and its transfer, so that the same
// file read again is not booked a second time.
constexpr const char* kHuella = "Travesa: archivo del último traspaso";

struct Producto {
  std::string clave;
  std::string descripcion;
  double cantidad = 0;
};

struct Danado {
  std::string motivo;
};

std::string Requerido(LectorDeEtiquetas& lector, std::string_view etiqueta) {
  std::optional<std::string> v = lector.Lee(etiqueta);
  if (!v) throw LectorDeEtiquetas::TagIncompleto{"<" + std::string(etiqueta) + ">"};
  return *v;
}

// Every product of the file, read before anything is written.
std::vector<Producto> LeeProductos(std::string_view contenido) {
  std::vector<Producto> productos;
  LectorDeEtiquetas lector(contenido);
  while (lector.Siguiente()) {
    Producto p;
    try {
      p.clave = LectorDeEtiquetas::DecodificaXML(Requerido(lector, "clave"));
      p.descripcion = LectorDeEtiquetas::DecodificaXML(Requerido(lector, "descripcion"));
      p.cantidad = libNalda::prVal(Requerido(lector, "existencia"));
    } catch (const LectorDeEtiquetas::TagIncompleto& e) {
      throw Danado{"en el producto " + std::to_string(lector.Numero()) +
                   (p.clave.empty() ? std::string() : " («" + p.clave + "»)") + " falta " + e.etiqueta};
    }
    productos.push_back(std::move(p));
  }
  return productos;
}

// Today ("yyyy-mm-dd") and the time in hours and minutes, local, of one moment.
std::pair<std::string, std::string> FechaYHora() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  localtime_r(&ahora, &local);
  char fecha[16];
  char hora[8];
  std::strftime(fecha, sizeof fecha, "%Y-%m-%d", &local);
  std::strftime(hora, sizeof hora, "%H:%M", &local);
  return {fecha, hora};
}

// The series of the transfers: trimmed, empty for "N/A".
std::string Serie(const Ajustes& ajustes) {
  const std::string s = texto::Recorta(ajustes.SerieTraspasos);
  return s == "N/A" ? std::string() : s;
}

void AgregaLinea(Programa& programa, Conexion& cn, long traspaso, int partida, const Producto& p) {
  std::vector<std::string> columnas{"Traspaso", "Partida", "Producto", "Descrip", "Cantidad"};
  std::vector<Valor> valores{Valor(traspaso), Valor(partida), Valor(p.clave), Valor(p.descripcion), Valor(p.cantidad)};
  RecordSet rs;
  if (programa.bd().AbrirTabla(rs, cn, cn.Prepara("productos WHERE Clave = ? LIMIT 1", {Valor(p.clave)}),
                               "CostoProm, Costo, Precio1")) {
    const std::string precio = rs.Fields("Precio1").Texto();
    columnas.insert(columnas.end(), {"CostoProm", "Costo", "Precio", "Precio1"});
    valores.insert(valores.end(), {Valor(rs.Fields("CostoProm").Texto()), Valor(rs.Fields("Costo").Texto()),
                                   Valor(precio), Valor(precio)});
  }
  programa.bd().CierraTabla(rs);
  cn.Inserta("traspasosdetalle", columnas, valores);
}

// A phone's products file as it came: from the site or saved by a publish.
struct ArchivoDeProductos {
  std::string contenido;
  std::string huella;
  std::string modificado;  // the site's write time of it, when known
  std::string guardado;    // the saved file's name; empty for the site's
};

// Header and lines in one transaction, with the file's digest among the
// files read; Repetido when this file was booked before.
void Graba(Programa& programa, const Ajustes& ajustes, const std::vector<Producto>& productos,
           const ArchivoDeProductos& archivo, ArchivosConocidos& conocidos, ResultadoTraspaso& r) {
  Conexion& cn = programa.principal();
  Contadores::Asegura(cn, kHuella, "");
  Transaccion t(cn);
  // The row locked first: two desks booking at once take turns here.
  const std::string previa =
      cn.Escalar(cn.Prepara("SELECT Contenido FROM sistema WHERE Dato = ? FOR UPDATE", {Valor(kHuella)})).Texto();
  if (texto::EmpiezaCon(previa, archivo.huella + " ")) {
    r.estado = ResultadoTraspaso::Estado::Repetido;
    r.traspaso = static_cast<long>(libNalda::prVal(previa.substr(archivo.huella.size() + 1)));
    return;
  }
  if (const auto leido = conocidos.Busca(kRemoto, archivo.huella)) {
    r.estado = ResultadoTraspaso::Estado::Repetido;
    r.traspaso = static_cast<long>(leido->documento);
    return;
  }
  r.serie = Serie(ajustes);
  r.destino = texto::Mayusculas(texto::Recorta(ajustes.EmpresaTraspaso));
  std::string tabla = "traspasos";
  std::string llave = "Traspaso";
  r.traspaso = Folios::Foliar_(cn, "TRASPASO", tabla, llave);
  r.numTraspaso = Folios::Foliar_(cn, "TR-" + r.serie, tabla, llave);
  const auto [fecha, hora] = FechaYHora();
  cn.Inserta("traspasos", {"Traspaso", "Fecha", "Hora", "Destino", "Concepto", "Pendiente", "Serie", "NumTraspaso"},
             {Valor(r.traspaso), Valor(fecha), Valor(hora), Valor(r.destino), Valor(kConcepto), Valor(1),
              Valor(r.serie), Valor(r.numTraspaso)});
  for (const Producto& p : productos) {
    if (p.cantidad <= 0) continue;
    AgregaLinea(programa, cn, r.traspaso, ++r.lineas, p);
  }
  cn.Execute(cn.Prepara("UPDATE sistema SET Contenido = ? WHERE Dato = ?",
                        {Valor(archivo.huella + " " + std::to_string(r.traspaso)), Valor(kHuella)}));
  conocidos.Leido(kRemoto, archivo.huella, static_cast<std::int64_t>(archivo.contenido.size()), archivo.modificado,
                  r.traspaso);
  t.Confirma();
  r.estado = ResultadoTraspaso::Estado::Grabado;
  TraspasoDelHistorial registro{r.traspaso, r.lineas, 0, "", FechaYHora().first, {}};
  for (const Producto& p : productos) {
    if (p.cantidad <= 0) continue;
    registro.piezas += p.cantidad;
    registro.productos.emplace_back(p.clave, p.cantidad);
  }
  programa.historial().Traspaso(registro);
}

// The products of the file, then the booking, with what the operator is told.
void Registra(Programa& programa, Operador& operador, const Ajustes& ajustes, ArchivosConocidos& conocidos,
              const ArchivoDeProductos& archivo, ResultadoTraspaso& r) {
  std::vector<Producto> productos;
  try {
    productos = LeeProductos(archivo.contenido);
  } catch (const Danado& d) {
    r.estado = ResultadoTraspaso::Estado::Danado;
    r.motivo = d.motivo;
    operador.Mensaje("El archivo de productos " + std::string(archivo.guardado.empty() ? "del sitio" : "guardado") +
                         " está dañado: " + r.motivo + ". No se registró el traspaso.",
                     Botones::kCritico, "Generar traspaso");
    return;
  }
  Graba(programa, ajustes, productos, archivo, conocidos, r);
  if (r.estado == ResultadoTraspaso::Estado::Repetido) {
    operador.Mensaje("Este archivo de productos ya se registró en el traspaso " + std::to_string(r.traspaso) +
                         "; no se registró otra vez.",
                     Botones::kExclamacion, "Generar traspaso");
    return;
  }
  operador.Mensaje("Traspaso grabado en las tablas de Norvento", Botones::kInformacion, "Atención");
}

constexpr const char* kPregunta = "¿Desea registrar un traspaso de inventario sobrante?";

// A phone's file a publish saved: its own question, naming when the phone
// left it.
ResultadoTraspaso DelGuardado(Programa& programa, Operador& operador, const Ajustes& ajustes,
                              ArchivosConocidos& conocidos, const std::filesystem::path& guardado) {
  ResultadoTraspaso r;
  r.guardado = guardado.filename().string();
  const std::string cuando = ArchivosDeTelefonos::Cuando(guardado);
  const std::string pregunta = std::string(kPregunta) + "\n\nEs el inventario que un teléfono dejó en el sitio" +
                               (cuando.empty() ? std::string() : " el " + cuando) +
                               " y que se guardó antes de publicar el catálogo («" + r.guardado + "»).";
  if (!Confirmar(operador, pregunta, "Generar traspaso")) return r;
  ArchivoDeProductos archivo;
  archivo.contenido = LectorDeEtiquetas::LeeArchivo(guardado);
  archivo.huella = Huella::Sha256(archivo.contenido);
  archivo.guardado = r.guardado;
  Registra(programa, operador, ajustes, conocidos, archivo, r);
  return r;
}

}  // namespace

ResultadoTraspaso TraspasoSobrante::GenerarTraspaso(Programa& programa, Operador& operador, const Ajustes& ajustes) {
  ResultadoTraspaso r;
  const std::filesystem::path local = programa.Archivo(kLocal);
  if (!Confirmar(operador, kPregunta, "Generar traspaso")) {
    DeArchivos::BorraArchivo(local);
    return r;
  }
  clsFTP ftp;
  if (!SitioDeDispositivos::Conecta(ftp, operador, ajustes)) {
    r.estado = ResultadoTraspaso::Estado::SinConexion;
    return r;
  }
  const std::string carpeta = SitioDeDispositivos::Resuelve(ftp, ajustes.FTPcarpeta);
  ArchivosConocidos conocidos(programa.principal(), SitioFTP::Identidad(ajustes.ftpSitio, carpeta));
  DeArchivos::BorraArchivo(local);
  ArchivoDeProductos archivo;
  // Asked before the download: a phone's newer file then never passes for this one.
  archivo.modificado = ftp.GetFTPFileTime(carpeta + kRemoto);
  ftp.FileTransferProgress = AvisoDeTransferencia::Para(operador, kRemoto);
  const bool bajado = SitioDeDispositivos::TresIntentos(
      operador, "productos", [&] { return ftp.FTPDownloadFile(local.string(), carpeta + kRemoto); });
  ftp.CloseConnection();
  operador.Aviso("");
  if (!bajado) {
    r.estado = ResultadoTraspaso::Estado::SinArchivo;
    return r;
  }
  archivo.contenido = LectorDeEtiquetas::LeeArchivo(local);
  archivo.huella = Huella::Sha256(archivo.contenido);
  const auto conocido = conocidos.Busca(kRemoto, archivo.huella);
  if (conocido && conocido->origen == ArchivosConocidos::Origen::Publicado) {
    r.estado = ResultadoTraspaso::Estado::DelCatalogo;
    BitacoraDeArchivos(programa.carpeta(), BitacoraDeArchivos::Modo::Sigue)
        .Escribe(
            "Traspaso: el «productos.xml» del sitio es el catálogo publicado, no el inventario sobrante de un "
            "teléfono; no se registró");
    operador.Mensaje(
        "El archivo de productos del sitio es el catálogo que se publicó, no el inventario sobrante de "
        "un teléfono; no se registró el traspaso.",
        Botones::kExclamacion, "Generar traspaso");
    return r;
  }
  Registra(programa, operador, ajustes, conocidos, archivo, r);
  return r;
}

std::vector<ResultadoTraspaso> TraspasoSobrante::GenerarTraspasos(Programa& programa, Operador& operador,
                                                                  const Ajustes& ajustes) {
  std::vector<ResultadoTraspaso> resultados;
  {
    // Saved files are known by their digest alone: the folder does not matter.
    ArchivosConocidos conocidos(programa.principal(), SitioFTP::Identidad(ajustes.ftpSitio, ajustes.FTPcarpeta));
    const ArchivosDeTelefonos telefonos(programa.carpeta());
    for (const std::filesystem::path& guardado : telefonos.Pendientes(kRemoto)) {
      resultados.push_back(DelGuardado(programa, operador, ajustes, conocidos, guardado));
      // Booked, declined or damaged, it is done with; a database failure
      // (raised) leaves it waiting.
      telefonos.Terminado(guardado);
    }
  }
  resultados.push_back(GenerarTraspaso(programa, operador, ajustes));
  return resultados;
}

void TraspasoSobrante::Descarta(Programa& programa) {
  DeArchivos::BorraArchivo(programa.Archivo(kLocal));
  const ArchivosDeTelefonos telefonos(programa.carpeta());
  for (const std::filesystem::path& guardado : telefonos.Pendientes(kRemoto)) {
    BitacoraDeArchivos(programa.carpeta(), BitacoraDeArchivos::Modo::Sigue)
        .Escribe("Traspaso desactivado: el inventario sobrante guardado «" + guardado.filename().string() +
                 "» pasa a respaldo/procesados sin registrarse");
    telefonos.Terminado(guardado);
  }
}

}  // namespace travesa
