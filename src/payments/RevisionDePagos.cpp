#include "payments/RevisionDePagos.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>

#include "grid/FormatoCelda.h"
#include "payments/ArchivosDePagos.h"
#include "payments/Centavos.h"
#include "payments/DatosDeRevision.h"
#include "payments/DecisionesDePago.h"
#include "payments/DocumentoDePago.h"
#include "payments/clsPagos.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Dialogos.h"
#include "shell/Formatos.h"
#include "shell/Historial.h"
#include "shell/Programa.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr std::size_t kPagosPorBloque = 500;

// The payment a row shows (its kPago), when it was read from a file.
std::optional<std::size_t> Mostrado(const RevisionDePagos::Renglon& r, std::size_t mostrados) {
  const std::string& texto = r[RevisionDePagos::kPago];
  std::size_t i = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), i);
  if (texto.empty() || error != std::errc() || fin != texto.data() + texto.size() || i >= mostrados)
    return std::nullopt;
  return i;
}

// "1,234,567": a first group of one to three figures, then groups of three,
// each after a comma (the figures themselves are checked by LeeNumero).
bool GruposDeMiles(std::string_view entero) {
  if (!entero.empty() && entero.front() == '-') entero.remove_prefix(1);
  const std::size_t primera = entero.find(',');
  if (primera == 0 || primera > 3) return false;
  const std::string_view resto = entero.substr(primera);
  if (resto.size() % 4 != 0) return false;
  for (std::size_t i = 0; i < resto.size(); ++i)
    if ((resto[i] == ',') != (i % 4 == 0)) return false;
  return true;
}

// An amount as typed ("1500", "1500.5") or as the grid writes it
// ("1,500.00"). A comma anywhere else is refused rather than guessed at:
// "1,5" or "1,000" may mean one and a half, one, or one thousand.
std::optional<double> MontoEscrito(std::string_view texto) {
  const std::string s = texto::Recorta(texto);
  const std::size_t punto = s.find('.');
  const std::string_view entero = std::string_view(s).substr(0, punto);
  if (entero.find(',') != std::string_view::npos) {
    const std::size_t decimales = punto == std::string::npos ? 0 : s.size() - punto - 1;
    if (decimales != 2 || !GruposDeMiles(entero)) return std::nullopt;
  }
  return FormatoCelda::LeeNumero(s);
}

}  // namespace

const std::array<RevisionDePagos::DefColumna, RevisionDePagos::kColumnas>& RevisionDePagos::Columnas() {
  static const std::array<DefColumna, kColumnas> columnas = {{
      {"", 200, false},
      {"Clave cte.", 1500, false},
      {"Nombre", 4000, false},
      {"Fecha", 1500, true},
      {"Vence", 1500, true},
      {"No.", 1500, true},
      {"Docto.", 1200, false},
      {"Saldo", 1500, true},
      {"A pagar", 1500, true},
      {"Fecha pago", 0, true},
      {"Hora pago", 0, true},
      {"Id-CxC", 0, true},
      {"Vendedor", 1200, false},
      {"Pago", 0, true},
  }};
  return columnas;
}

RevisionDePagos::RevisionDePagos(Programa& programa, Operador& operador) : programa_(programa), operador_(operador) {}

void RevisionDePagos::Carga(BitacoraDeArchivos& bitacora, std::string_view vendedor) {
  const std::string elegido = texto::Recorta(vendedor);
  const ArchivosDePagos archivos(programa_.carpeta());
  DecisionesDePago::AseguraTabla(programa_.principal());
  std::vector<std::string> leidos;
  for (const auto& archivo : archivos.Pendientes()) {
    operador_.Ceder();
    if (!elegido.empty() && !clsPagos::Aceptado(archivo.filename().string(), elegido)) continue;
    LeeArchivo(archivo, bitacora, leidos);
  }
  bitacora.Cierra();
  for (std::size_t i = 0; i < archivos_.size(); ++i) {
    if (std::find(origen_.begin(), origen_.end(), i) == origen_.end()) archivos.Procesado(archivos_[i].ruta);
  }
  if (renglones_.empty()) aplicados_ = true;
}

// A copy of a file already read in this review (the same payments sent twice)
// is not read again. The payments of the file that were decided on (applied,
// left out or deleted in an earlier review, here or on another desk) give no
// row.
void RevisionDePagos::LeeArchivo(const std::filesystem::path& archivo, BitacoraDeArchivos& bitacora,
                                 std::vector<std::string>& leidos) {
  const std::string nombre = archivo.filename().string();
  const auto momento = LectorDePagos::MomentoDelNombre(nombre);
  if (!momento) {
    LectorDePagos::LeerArchivoDePagos(archivo, bitacora, {});  // says why it is not read
    return;
  }
  const std::string contenido = LectorDePagos::Contenido(archivo);
  const std::string huella = momento->fecha + " " + momento->hora + "\n" + contenido;
  if (std::find(leidos.begin(), leidos.end(), huella) != leidos.end()) {
    bitacora.Escribe(5, "Archivo " + nombre + " igual a otro ya leído: sus pagos no se repiten");
    archivos_.push_back({archivo, {}, {}});
    return;
  }
  leidos.push_back(huella);
  const std::size_t indice = archivos_.size();
  archivos_.push_back(
      {archivo, std::string(clsPagos::VendedorDelNombre(nombre)), DecisionesDePago::DelArchivo(archivo, contenido)});
  const DecisionesDePago decididos(programa_.principal(), {archivos_.back().pago.huella});
  std::vector<RegistroDePago> bloque;
  LectorDePagos::CargarPagos(archivo, *momento, bitacora, [&](const RegistroDePago& p) {
    if (decididos.Decidido(Identidad(indice, p))) return;
    bloque.push_back(p);
    if (bloque.size() < kPagosPorBloque) return;
    AgregaPagos(bloque, indice);
    bloque.clear();
  });
  AgregaPagos(bloque, indice);
}

IdentidadDePago RevisionDePagos::Identidad(std::size_t archivo, const RegistroDePago& pago) const {
  IdentidadDePago identidad = archivos_[archivo].pago;
  identidad.orden = pago.orden;
  return identidad;
}

bool RevisionDePagos::AgregaPago(const RegistroDePago& pago, std::size_t archivo) {
  return AgregaPagos({pago}, archivo) == 1;
}

std::size_t RevisionDePagos::AgregaPagos(const std::vector<RegistroDePago>& pagos, std::size_t archivo) {
  if (pagos.empty()) return 0;
  DatosDeRevision datos(programa_.principal(), pagos);
  std::size_t agregados = 0;
  for (std::size_t i = 0; i < pagos.size(); ++i) {
    std::optional<Renglon> r = datos.Renglon(i);
    if (!r) continue;
    (*r)[kAPagar] = formatos::Moneda(pagos[i].monto);
    (*r)[kFechaPago] = pagos[i].fecha;
    (*r)[kHoraPago] = pagos[i].hora;
    if (archivo != kSinArchivo) {
      (*r)[kVendedor] = archivos_[archivo].vendedor;
      (*r)[kPago] = std::to_string(mostrados_.size());
      PagoAAplicar leido{(*r)[kClave], pagos[i].idCxc, pagos[i].monto, pagos[i].fecha, pagos[i].hora};
      leido.pago = Identidad(archivo, pagos[i]);
      mostrados_.push_back(std::move(leido));
    }
    renglones_.push_back(std::move(*r));
    origen_.push_back(archivo);
    ++agregados;
  }
  return agregados;
}

bool RevisionDePagos::Validar(std::string_view stTexto, std::size_t renglon, int columna) {
  (void)columna;
  return Validar(stTexto, renglon < renglones_.size() ? std::string_view(renglones_[renglon][kSaldo]) : "");
}

bool RevisionDePagos::Validar(std::string_view stTexto, std::string_view saldo) {
  const auto monto = MontoEscrito(stTexto);
  if (monto && *monto >= 0 && !saldo.empty() && centavos::De(*monto) <= centavos::De(libNalda::prVal(saldo)))
    return true;
  std::string texto = "El monto del pago excede al saldo de la cuenta, o es incorrecto";
  if (!monto) texto += "\r\nEscriba solo el número, con punto para los centavos (por ejemplo 1500.50).";
  operador_.Mensaje(texto, Botones::kExclamacion, "Alerta");
  return false;
}

bool RevisionDePagos::CambiaAPagar(std::size_t renglon, std::string_view stTexto) {
  if (!Validar(stTexto, renglon, kAPagar)) return false;
  renglones_[renglon][kAPagar] = formatos::Moneda(*MontoEscrito(stTexto));
  return true;
}

void RevisionDePagos::Borra(std::size_t renglon) {
  if (renglon >= renglones_.size()) return;
  renglones_.erase(renglones_.begin() + static_cast<std::ptrdiff_t>(renglon));
  origen_.erase(origen_.begin() + static_cast<std::ptrdiff_t>(renglon));
}

std::string RevisionDePagos::Total(const std::vector<Renglon>& renglones, int columna) {
  long long suma = 0;
  for (const Renglon& r : renglones) suma += centavos::De(libNalda::prVal(r[static_cast<std::size_t>(columna)]));
  return formatos::Moneda(centavos::Monto(suma));
}

bool RevisionDePagos::PuedeCerrar() {
  if (aplicados_) return true;
  return Confirmar(operador_, "Los pagos no han sido aplicados. ¿Está seguro de salir, de cualquier manera?",
                   "Los pagos se perderán");
}

bool RevisionDePagos::PreguntaAplicar() {
  return Confirmar(operador_, "Confirme si se aplican los pagos indicados:", "Aplicar pagos");
}

std::vector<PagoAAplicar> RevisionDePagos::Pagos(const std::vector<Renglon>& renglones) const {
  std::vector<PagoAAplicar> pagos;
  std::vector<bool> enLaTabla(mostrados_.size(), false);
  for (const Renglon& r : renglones) {
    if (r[kIdCxc].empty()) continue;
    PagoAAplicar p{r[kClave], static_cast<long>(libNalda::prVal(r[kIdCxc])), libNalda::prVal(r[kAPagar]), r[kFechaPago],
                   r[kHoraPago]};
    if (const auto i = Mostrado(r, mostrados_.size()); i && !enLaTabla[*i]) {
      p.pago = mostrados_[*i].pago;
      enLaTabla[*i] = true;
    }
    pagos.push_back(std::move(p));
  }
  for (std::size_t i = 0; i < mostrados_.size(); ++i) {
    if (enLaTabla[i]) continue;
    PagoAAplicar borrado = mostrados_[i];
    borrado.borrado = true;
    pagos.push_back(std::move(borrado));
  }
  return pagos;
}

// A file waits on when a customer of one of its rows failed; rows deleted in
// the review count as the operator's decision.
ResultadoAplicacion RevisionDePagos::Aplicar(const std::vector<Renglon>& renglones, int segundosDeEspera) {
  AplicacionDePagos aplicacion(programa_.principal(), programa_.bd(), operador_);
  aplicacion.segundosDeEspera = segundosDeEspera;
  aplicacion.usuario = programa_.usuario();
  Historial& historial = programa_.historial();
  historial.Comienza("pagos", programa_.usuario());
  ResultadoAplicacion r;
  try {
    r = aplicacion.AplicarPagos(Pagos(renglones));
  } catch (...) {
    historial.Termina("interrumpida");
    throw;
  }
  aplicados_ = true;
  std::set<std::string> fallidos;
  for (const auto& c : r.fallidos) fallidos.insert(c.clave);
  AlHistorial(renglones, r, fallidos);
  historial.Termina(r.Completo() ? "completa" : "incompleta");
  const ArchivosDePagos archivos(programa_.carpeta());
  for (std::size_t i = 0; i < archivos_.size(); ++i) {
    bool pendiente = false;
    for (std::size_t j = 0; j < renglones_.size(); ++j)
      pendiente = pendiente || (origen_[j] == i && fallidos.count(renglones_[j][kClave]) > 0);
    if (!pendiente) archivos.Procesado(archivos_[i].ruta);
  }
  return r;
}

// Each payment reviewed and what became of it; the ledger tells, the
// database's annex rows and decisions decide.
void RevisionDePagos::AlHistorial(const std::vector<Renglon>& renglones, const ResultadoAplicacion& r,
                                  const std::set<std::string>& fallidos) {
  std::set<std::string> repetidos;
  for (const auto& c : r.repetidos) repetidos.insert(c.clave);
  Historial& historial = programa_.historial();
  for (const Renglon& f : renglones) {
    if (f[kIdCxc].empty()) continue;
    const double monto = libNalda::prVal(f[kAPagar]);
    std::string decision = "aplicado";
    if (fallidos.count(f[kClave]))
      decision = "en espera";
    else if (monto <= 0)
      decision = "no aplicado";
    else if (repetidos.count(f[kClave]))
      decision = "ya aplicado";
    const auto i = Mostrado(f, mostrados_.size());
    const std::string archivo = i ? mostrados_[*i].pago.archivo : "";
    historial.Pago({archivo, static_cast<long long>(libNalda::prVal(f[kIdCxc])), f[kClave], f[kVendedor], f[kFechaPago],
                    monto, decision});
  }
}

void RevisionDePagos::AvisaAplicados(const ResultadoAplicacion& r) {
  operador_.Mensaje("Pagos aplicados", Botones::kInformacion, "Fin del proceso");
  if (!r.repetidos.empty()) {
    std::string texto =
        "Estos pagos ya se habían aplicado o descartado (aquí o en otro equipo) y no se aplicaron de nuevo:";
    for (const auto& c : r.repetidos) texto += "\r\n" + c.clave + ": " + formatos::Moneda(c.total);
    operador_.Mensaje(texto, Botones::kInformacion, "Pagos repetidos");
  }
  if (r.fallidos.empty()) return;
  std::string texto = "No se aplicaron los pagos de estos clientes; se mostrarán de nuevo en la próxima revisión:";
  for (const auto& c : r.fallidos) texto += "\r\n" + c.clave + ": " + c.motivo;
  operador_.Mensaje(texto, Botones::kExclamacion, "Alerta");
}

}  // namespace travesa
