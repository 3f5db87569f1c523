#include "payments/RevisionDePagos.h"

#include <algorithm>
#include <set>

#include "payments/ArchivosDePagos.h"
#include "payments/DatosDeRevision.h"
#include "grid/FormatoCelda.h"
#include "payments/DocumentoDePago.h"
#include "shell/BitacoraDeArchivos.h"
#include "shell/Dialogos.h"
#include "shell/Formatos.h"
#include "shell/Programa.h"
#include "shell/host/RecordSet.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

constexpr std::size_t kPagosPorBloque = 500;

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
  }};
  return columnas;
}

RevisionDePagos::RevisionDePagos(Programa& programa, Operador& operador) : programa_(programa), operador_(operador) {}

void RevisionDePagos::Carga(BitacoraDeArchivos& bitacora) {
  const ArchivosDePagos archivos(programa_.carpeta());
  std::vector<std::string> leidos;
  for (const auto& archivo : archivos.Pendientes()) {
    operador_.Ceder();
    LeeArchivo(archivo, bitacora, leidos);
  }
  bitacora.Cierra();
  for (std::size_t i = 0; i < archivos_.size(); ++i) {
    if (std::find(origen_.begin(), origen_.end(), i) == origen_.end()) archivos.Procesado(archivos_[i]);
  }
  if (renglones_.empty()) aplicados_ = true;
}

// A copy of a file already read in this review (the same payments sent twice)
// is not read again.
void RevisionDePagos::LeeArchivo(const std::filesystem::path& archivo, BitacoraDeArchivos& bitacora,
                                 std::vector<std::string>& leidos) {
  const auto momento = LectorDePagos::MomentoDelNombre(archivo.filename().string());
  const std::string huella =
      momento ? momento->fecha + " " + momento->hora + "\n" + LectorDePagos::Contenido(archivo) : "";
  if (momento && std::find(leidos.begin(), leidos.end(), huella) != leidos.end()) {
    bitacora.Escribe(5, "Archivo " + archivo.filename().string() + " igual a otro ya leído: sus pagos no se repiten");
    archivos_.push_back(archivo);
    return;
  }
  const std::size_t indice = archivos_.size();
  std::vector<RegistroDePago> bloque;
  const bool leido = LectorDePagos::LeerArchivoDePagos(archivo, bitacora, [&](const RegistroDePago& p) {
    bloque.push_back(p);
    if (bloque.size() < kPagosPorBloque) return;
    AgregaPagos(bloque, indice);
    bloque.clear();
  });
  AgregaPagos(bloque, indice);
  if (!leido) return;
  archivos_.push_back(archivo);
  leidos.push_back(huella);
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
  const auto monto = FormatoCelda::LeeNumero(stTexto);
  if (monto && *monto >= 0 && !saldo.empty() && *monto <= libNalda::prVal(saldo) + 1e-9) return true;
  operador_.Mensaje("El monto del pago excede al saldo de la cuenta, o es incorrecto", Botones::kExclamacion,
                    "Alerta");
  return false;
}

bool RevisionDePagos::CambiaAPagar(std::size_t renglon, std::string_view stTexto) {
  if (!Validar(stTexto, renglon, kAPagar)) return false;
  renglones_[renglon][kAPagar] = formatos::Moneda(*FormatoCelda::LeeNumero(stTexto));
  return true;
}

void RevisionDePagos::Borra(std::size_t renglon) {
  if (renglon >= renglones_.size()) return;
  renglones_.erase(renglones_.begin() + static_cast<std::ptrdiff_t>(renglon));
  origen_.erase(origen_.begin() + static_cast<std::ptrdiff_t>(renglon));
}

std::string RevisionDePagos::Total(const std::vector<Renglon>& renglones, int columna) {
  double suma = 0;
  for (const Renglon& r : renglones) suma += libNalda::prVal(r[static_cast<std::size_t>(columna)]);
  return formatos::Moneda(suma);
}

bool RevisionDePagos::PuedeCerrar() {
  if (aplicados_) return true;
  return Confirmar(operador_, "Los pagos no han sido aplicados. ¿Está seguro de salir, de cualquier manera?",
                   "Los pagos se perderán");
}

bool RevisionDePagos::PreguntaAplicar() {
  return Confirmar(operador_, "Confirme si se aplican los pagos indicados:", "Aplicar pagos");
}

std::vector<PagoAAplicar> RevisionDePagos::Pagos(const std::vector<Renglon>& renglones) {
  std::vector<PagoAAplicar> pagos;
  for (const Renglon& r : renglones) {
    if (r[kIdCxc].empty()) continue;
    pagos.push_back(PagoAAplicar{r[kClave], static_cast<long>(libNalda::prVal(r[kIdCxc])),
                                 libNalda::prVal(r[kAPagar]), r[kFechaPago], r[kHoraPago]});
  }
  return pagos;
}

// A file waits on when a customer of one of its rows failed; rows deleted in
// the review count as the operator's decision.
ResultadoAplicacion RevisionDePagos::Aplicar(const std::vector<Renglon>& renglones, int segundosDeEspera) {
  AplicacionDePagos aplicacion(programa_.principal(), programa_.bd(), operador_);
  aplicacion.segundosDeEspera = segundosDeEspera;
  const ResultadoAplicacion r = aplicacion.AplicarPagos(Pagos(renglones));
  aplicados_ = true;
  std::set<std::string> fallidos;
  for (const auto& c : r.fallidos) fallidos.insert(c.clave);
  const ArchivosDePagos archivos(programa_.carpeta());
  for (std::size_t i = 0; i < archivos_.size(); ++i) {
    bool pendiente = false;
    for (std::size_t j = 0; j < renglones_.size(); ++j)
      pendiente = pendiente || (origen_[j] == i && fallidos.count(renglones_[j][kClave]) > 0);
    if (!pendiente) archivos.Procesado(archivos_[i]);
  }
  return r;
}

void RevisionDePagos::AvisaAplicados(const ResultadoAplicacion& r) {
  operador_.Mensaje("Pagos aplicados", Botones::kInformacion, "Fin del proceso");
  if (!r.repetidos.empty()) {
    std::string texto = "Estos pagos ya estaban registrados y no se aplicaron de nuevo:";
    for (const auto& c : r.repetidos) texto += "\r\n" + c.clave + ": " + formatos::Moneda(c.total);
    operador_.Mensaje(texto, Botones::kInformacion, "Pagos repetidos");
  }
  if (r.fallidos.empty()) return;
  std::string texto = "No se aplicaron los pagos de estos clientes; se mostrarán de nuevo en la próxima revisión:";
  for (const auto& c : r.fallidos) texto += "\r\n" + c.clave + ": " + c.motivo;
  operador_.Mensaje(texto, Botones::kExclamacion, "Alerta");
}

}  // namespace travesa
