#include "sales/ClientesDelDispositivo.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "sales/LectorDeEtiquetas.h"
#include "shell/Operador.h"
#include "shell/host/Bitacora.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

// The text elements after the price list, in file order, with their columns.
struct Campo {
  const char* etiqueta;
  const char* columna;
};
constexpr Campo kDomicilio[] = {{"calle", "Calle"},         {"numExterior", "NumExterior"},
                                {"numInterior", "NumInterior"}, {"colonia", "Colonia"},
                                {"cp", "CP"},                 {"ciudad", "Ciudad"},
                                {"estado", "Estado"},         {"telefono1", "Telefono1"},
                                {"telefono2", "Telefono2"},   {"telefono3", "Telefono3"},
                                {"telefono4", "Telefono4"},   {"atencion", "Atencion"}};

struct Rechazo {
  std::string motivo;
};

// A whole number from 0 to 255 (an empty element is 0); decimals are rounded.
int Byte(std::string_view etiqueta, const std::optional<std::string>& valor) {
  const std::string t = texto::Recorta(valor.value_or(""));
  if (t.empty()) return 0;
  double n = 0;
  const auto [fin, error] = std::from_chars(t.data(), t.data() + t.size(), n, std::chars_format::fixed);
  const double redondeado = std::round(n);
  if (error != std::errc() || fin != t.data() + t.size() || redondeado < 0 || redondeado > 255)
    throw Rechazo{"«" + std::string(etiqueta) + "» no es un número entero de 0 a 255: «" + t + "»"};
  return static_cast<int>(redondeado);
}

std::string Texto(LectorDeEtiquetas& lector, std::string_view etiqueta) {
  return LectorDeEtiquetas::DecodificaXML(lector.Lee(etiqueta).value_or(""));
}

bool Existe(Conexion& cn, const std::string& clave) {
  return !cn.Escalar(cn.Prepara("SELECT 1 FROM clientes WHERE Clave = ? LIMIT 1", {Valor(clave)})).EsNulo();
}

// The rest of a new customer's record, then its row.
ClienteAgregado Agrega(Conexion& cn, LectorDeEtiquetas& lector, const std::string& clave) {
  std::vector<std::string> columnas{"Clave"};
  std::vector<Valor> valores{Valor(clave)};
  auto pon = [&](const char* columna, const std::string& valor) {
    if (valor.empty()) return;
    columnas.emplace_back(columna);
    valores.emplace_back(valor);
  };
  const std::string nombre = Texto(lector, "nombre");
  pon("Nombre", nombre);
  const int precio = Byte("numPrecio", lector.Lee("numPrecio"));
  if (precio > 0) {
    columnas.emplace_back("Precio");
    valores.emplace_back(precio);
  }
  for (const Campo& c : kDomicilio) pon(c.columna, Texto(lector, c.etiqueta));
  const std::optional<std::string> dias = lector.Lee("diascredito");
  const int credito = Byte("diascredito", dias ? std::optional(LectorDeEtiquetas::DecodificaXML(*dias)) : dias);
  if (credito > 0) {
    columnas.emplace_back("DCredito");
    valores.emplace_back(credito);
  }
  cn.Inserta("clientes", columnas, valores);
  return {clave, nombre};
}

}  // namespace

ResultadoClientes ClientesDelDispositivo::Importa(Conexion& cn, std::string_view contenido, Operador& operador) {
  ResultadoClientes r;
  LectorDeEtiquetas lector(contenido);
  while (lector.Siguiente()) {
    std::string clave;
    try {
      clave = Texto(lector, "clave");
      if (clave.empty()) throw Rechazo{"la clave está vacía"};
      operador.Aviso("Cliente " + clave);
      operador.Ceder();
      if (Existe(cn, clave)) {
        ++r.conocidos;
        continue;
      }
      r.agregados.push_back(Agrega(cn, lector, clave));
      continue;
    } catch (const LectorDeEtiquetas::TagIncompleto& e) {
      r.rechazados.push_back({clave, "falta " + e.etiqueta});
    } catch (const Rechazo& e) {
      r.rechazados.push_back({clave, e.motivo});
    } catch (const ErrorBD& e) {
      if (!cn.Vive()) throw;
      r.rechazados.push_back({clave, e.what()});
    }
    Bitacora::Advierte("Archivo de clientes, registro " + std::to_string(lector.Numero()) + " (clave «" + clave +
                       "»): el cliente no se agregó, " + r.rechazados.back().motivo);
  }
  operador.Aviso("");
  return r;
}

}  // namespace travesa
