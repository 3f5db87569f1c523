#include "sales/ClientesDelDispositivo.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <set>
#include <vector>

#include "sales/LectorDeEtiquetas.h"
#include "shell/Operador.h"
#include "shell/host/Bitacora.h"
#include "shell/host/Conexion.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/ListaDeClaves.h"
#include "shell/host/RecordSet.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

// The text elements after the price list, in file order, with their columns.
struct Campo {
  const char* etiqueta;
  const char* columna;
};
constexpr Campo kDomicilio[] = {{"calle", "Calle"},
                                {"numExterior", "NumExterior"},
                                {"numInterior", "NumInterior"},
                                {"colonia", "Colonia"},
                                {"cp", "CP"},
                                {"ciudad", "Ciudad"},
                                {"estado", "Estado"},
                                {"telefono1", "Telefono1"},
                                {"telefono2", "Telefono2"},
                                {"telefono3", "Telefono3"},
                                {"telefono4", "Telefono4"},
                                {"atencion", "Atencion"}};

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

// A record read whole, ready to become a row: its columns, or why it cannot.
struct Registro {
  std::string clave;
  std::string nombre;
  std::vector<std::string> columnas;
  std::vector<Valor> valores;
  std::optional<std::string> rechazo;  // why a new customer cannot be added
  bool claveLeida = false;             // without it, the record is only a rejection
  std::size_t numero = 0;              // the record's place in the file
};

// The rest of a customer's record, read in file order; the first fault met
// is kept and only matters if the customer turns out to be new.
void LeeResto(LectorDeEtiquetas& lector, Registro& r) {
  auto pon = [&](const char* columna, const std::string& valor) {
    if (valor.empty()) return;
    r.columnas.emplace_back(columna);
    r.valores.emplace_back(valor);
  };
  try {
    r.columnas = {"Clave"};
    r.valores = {Valor(r.clave)};
    r.nombre = Texto(lector, "nombre");
    pon("Nombre", r.nombre);
    const int precio = Byte("numPrecio", lector.Lee("numPrecio"));
    if (precio > 0) {
      r.columnas.emplace_back("Precio");
      r.valores.emplace_back(precio);
    }
    for (const Campo& c : kDomicilio) pon(c.columna, Texto(lector, c.etiqueta));
    const std::optional<std::string> dias = lector.Lee("diascredito");
    const int credito = Byte("diascredito", dias ? std::optional(LectorDeEtiquetas::DecodificaXML(*dias)) : dias);
    if (credito > 0) {
      r.columnas.emplace_back("DCredito");
      r.valores.emplace_back(credito);
    }
  } catch (const LectorDeEtiquetas::TagIncompleto& e) {
    r.rechazo = "falta " + e.etiqueta;
  } catch (const Rechazo& e) {
    r.rechazo = e.motivo;
  }
}

constexpr std::size_t kBloque = 500;
constexpr unsigned kClaveRepetida = 1062;  // ER_DUP_ENTRY

void Rechaza(ResultadoClientes& r, std::size_t numero, const std::string& clave, const std::string& motivo) {
  r.rechazados.push_back({clave, motivo});
  Bitacora::Advierte("Archivo de clientes, registro " + std::to_string(numero) + " (clave «" + clave +
                     "»): el cliente no se agregó, " + motivo);
}

// Which keys of the block `clientes` already has, asked with one query (see
// ListaDeClaves); a key written exactly as a known one is known too.
std::vector<bool> Conocidos(Conexion& cn, const std::vector<Registro>& bloque) {
  std::vector<std::string> leidas;
  for (const Registro& r : bloque)
    if (r.claveLeida) leidas.push_back(r.clave);
  const ListaDeClaves claves("Clave", leidas);
  std::vector<bool> conocido(bloque.size(), false);
  if (claves.Vacia()) return conocido;
  RecordSet rs;
  rs.Abre(cn, cn.Prepara("SELECT " + claves.Posicion() + " FROM clientes WHERE " + claves.Filtro(), claves.Valores(2)),
          "clientes");
  std::set<std::string> conocidas;
  for (; !rs.Eof(); rs.MoveNext())
    if (const std::string* clave = claves.Clave(rs.Fields(0).Entero())) conocidas.insert(*clave);
  for (std::size_t i = 0; i < bloque.size(); ++i)
    conocido[i] = bloque[i].claveLeida && conocidas.count(bloque[i].clave) > 0;
  return conocido;
}

// A key the server refuses as repeated is known: another spelling of a
// customer of the same block, or a desk that added it meanwhile.
void AgregaNuevos(Conexion& cn, const std::vector<Registro>& bloque, ResultadoClientes& r) {
  const std::vector<bool> conocido = Conocidos(cn, bloque);
  for (std::size_t i = 0; i < bloque.size(); ++i) {
    const Registro& registro = bloque[i];
    if (conocido[i]) {
      ++r.conocidos;
      continue;
    }
    // Rejections are told in file order, with the records around them.
    if (registro.rechazo) {
      Rechaza(r, registro.numero, registro.clave, *registro.rechazo);
      continue;
    }
    try {
      cn.Inserta("clientes", registro.columnas, registro.valores);
      for (const std::string& aviso : cn.TomaAvisosDeTexto())
        Bitacora::Advierte("Archivo de clientes, registro " + std::to_string(registro.numero) + ": " + aviso);
      r.agregados.push_back({registro.clave, registro.nombre});
    } catch (const ErrorBD& e) {
      cn.TomaAvisosDeTexto();
      if (!cn.Vive()) throw;
      if (e.numero() == kClaveRepetida) {
        ++r.conocidos;
        continue;
      }
      Rechaza(r, registro.numero, registro.clave, e.what());
    }
  }
}

}  // namespace

ResultadoClientes ClientesDelDispositivo::Importa(Conexion& cn, std::string_view contenido, Operador& operador) {
  ResultadoClientes r;
  LectorDeEtiquetas lector(contenido);
  std::vector<Registro> bloque;
  auto cierra = [&] {
    AgregaNuevos(cn, bloque, r);
    bloque.clear();
  };
  while (lector.Siguiente()) {
    Registro registro;
    registro.numero = lector.Numero();
    try {
      registro.clave = Texto(lector, "clave");
      if (registro.clave.empty()) throw Rechazo{"la clave está vacía"};
      registro.claveLeida = true;
    } catch (const LectorDeEtiquetas::TagIncompleto& e) {
      registro.rechazo = "falta " + e.etiqueta;
    } catch (const Rechazo& e) {
      registro.rechazo = e.motivo;
    }
    if (registro.claveLeida) {
      operador.Aviso("Cliente " + registro.clave);
      operador.Ceder();
      LeeResto(lector, registro);
    }
    bloque.push_back(std::move(registro));
    if (bloque.size() == kBloque) cierra();
  }
  cierra();
  operador.Aviso("");
  return r;
}

}  // namespace travesa
