#include "cli/LineaDeComandos.h"

#include <cctype>
#include <filesystem>

#include <CLI/CLI.hpp>

#include "cli/ComandoAjustes.h"
#include "cli/ComandoBorrar.h"
#include "cli/ComandoEstado.h"
#include "cli/ComandoGenerar.h"
#include "cli/ComandoHistorial.h"
#include "cli/ComandoLeer.h"
#include "cli/ComandoLiquidacion.h"
#include "cli/ComandoPagos.h"
#include "cli/ComandoProbar.h"
#include "cli/ComandoRegistro.h"
#include "cli/ComandoServicio.h"
#include "shell/Ajustes.h"
#include "shell/Permisos.h"
#include "shell/host/Texto.h"

namespace travesa {
namespace {

// The options a command may take besides the general ones.
enum OpcionPropia : unsigned {
  kVendedor = 1u << 0,
  kAplicar = 1u << 1,
  kMonto = 1u << 2,
  kDia = 1u << 3,
  kBuscar = 1u << 4,
  kPdf = 1u << 5,
  kJson = 1u << 6,
  kCerrar = 1u << 7,
};

struct DefOpcion {
  OpcionPropia opcion;
  const char* nombre;
  const char* valor;  // nullptr for a flag
  const char* descripcion;
  bool repetible;
};

const DefOpcion kOpciones[] = {
    {kVendedor, "--vendedor", "CLAVE", "solo lo del vendedor con esa clave", false},
    {kAplicar, "--aplicar", nullptr, "aplica los pagos, tras confirmarlo", false},
    {kMonto, "--monto", "IDCXC=VALOR", "lo que se paga de un renglón (0 lo deja fuera); se repite", true},
    {kDia, "--dia", "AAAA-MM-DD", "el día (por omisión, hoy)", false},
    {kBuscar, "--buscar", "TEXTO", "solo lo que tenga ese texto en el archivo, el folio o el cliente", false},
    {kPdf, "--pdf", "ARCHIVO", "escribe además la liquidación en ese archivo PDF", false},
    {kJson, "--json", nullptr, "la salida en JSON, para herramientas de vigilancia", false},
    {kCerrar, "--cerrar", nullptr, "cierra la liquidación del día, tras confirmarlo", false},
};

std::string CamposDeAjustes();
std::string ValoresDelRegistro();

using Arranque = DefComando::Arranque;

const DefComando kComandos[] = {
    {"ajustes", "muestra los ajustes; con campo=valor los guarda", 0, "campo=valor", &CamposDeAjustes,
     Permisos::kConfigurar, &ComandoAjustes::Ejecuta, Arranque::kSinSecretos},
    {"probar", "prueba la conexión con el sitio FTP y si se puede escribir en la carpeta", 0, nullptr, nullptr,
     Permisos::kConfigurar, &ComandoProbar::Ejecuta, Arranque::kCompleto},
    {"generar", "genera los archivos del catálogo y los sube al sitio", kVendedor, nullptr, nullptr, Permisos::kGenerar,
     &ComandoGenerar::Ejecuta, Arranque::kCompleto},
    {"servicio", "genera y sube el catálogo cada «Minutos» minutos", kVendedor, nullptr, nullptr, Permisos::kGenerar,
     &ComandoServicio::Ejecuta, Arranque::kCompleto},
    {"leer", "lee clientes, ventas y sobrante de los teléfonos y los graba en Norvento", 0, nullptr, nullptr,
     Permisos::kLeer, &ComandoLeer::Ejecuta, Arranque::kCompleto},
    {"borrar", "borra del sitio los archivos de ventas (quedan copias en respaldo/)", 0, nullptr, nullptr,
     Permisos::kBorrar, &ComandoBorrar::Ejecuta, Arranque::kCompleto},
    {"pagos", "descarga y muestra los pagos de los vendedores; con --aplicar los aplica", kVendedor | kAplicar | kMonto,
     nullptr, nullptr, Permisos::kPagos, &ComandoPagos::Ejecuta, Arranque::kCompleto},
    {"registro", "muestra o escribe los datos de la instalación de Norvento", 0, "nombre=valor", &ValoresDelRegistro, 0,
     &ComandoRegistro::Ejecuta, Arranque::kNinguno},
    {"historial", "muestra las corridas de un día, sus archivos y lo que se hizo con ellos", kDia | kVendedor | kBuscar,
     nullptr, nullptr, Permisos::kLeer, &ComandoHistorial::Ejecuta, Arranque::kCompleto},
    {"liquidacion", "la liquidación del día de un vendedor: ventas, formas de pago, efectivo por entregar",
     kVendedor | kDia | kPdf | kCerrar | kJson, nullptr, nullptr, Permisos::kLeer, &ComandoLiquidacion::Ejecuta,
     Arranque::kCompleto},
    {"estado", "lo último de cada vendedor; termina con 1 si alguno lleva horas sin enviar nada", kJson, nullptr,
     nullptr, Permisos::kLeer, &ComandoEstado::Ejecuta, Arranque::kCompleto},
};

std::string Columna(std::string texto, std::size_t ancho) {
  const std::size_t largo = texto::Largo(texto);
  texto += std::string(largo < ancho ? ancho - largo : 1, ' ');
  return texto;
}

std::string CamposDeAjustes() {
  std::string t =
      "\nCampos (campo=valor; el valor - lee los secretos de la entrada estándar, o los pide sin mostrarlos):\n";
  for (const Ajustes::Campo& c : Ajustes::Campos()) {
    if (c.forma == Ajustes::Forma::SoloLectura) continue;
    t += "  " + Columna(c.nombre, 22) + "[" + c.seccion + "] " + c.clave + (c.secreto ? " (secreto)" : "") + "\n";
  }
  return t;
}

std::string ValoresDelRegistro() {
  return "\nValores (nombre=valor), en la sección [Norvento] de registro.ini:\n"
         "  servidor              servidor de Norvento\n"
         "  MySQLServer           servidor de la base de datos (decide la conexión)\n"
         "  MySQLPuerto           puerto de MySQL, de 1 a 65535\n"
         "  MySQLUsuario          usuario de MySQL (secreto; =- lo lee de la entrada estándar)\n"
         "  MySQLPassword         contraseña de MySQL (secreto; =- lo lee de la entrada estándar)\n";
}

const char* kGenerales =
    "\nOpciones generales (antes o después del comando):\n"
    "  --carpeta DIR  carpeta del programa (TRAVESA_CARPETA; por omisión, la del ejecutable)\n"
    "  --usuario U    usuario de Norvento (TRAVESA_USUARIO)\n"
    "  --codigo C     código de acceso (TRAVESA_CODIGO)\n"
    "  --si           responde Sí a todas las preguntas\n"
    "  --version      muestra la versión\n"
    "  --help         muestra la ayuda (con un comando, la de ese comando)\n";

const char* kEstados =
    "\nEstado de salida: 0 correcto, 1 el proceso falló, 2 uso incorrecto,\n"
    "3 acceso negado, 4 no se pudo arrancar (instalación o base de datos).\n";

std::string AyudaDe(const DefComando& s) {
  std::string t = std::string("Uso: travesa ") + s.nombre + " [opciones]";
  if (s.argumentos != nullptr) t += std::string(" [") + s.argumentos + " ...]";
  std::string descripcion = s.descripcion;
  descripcion[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(descripcion[0])));
  t += "\n" + descripcion + ".\n";
  if (s.opciones != 0) {
    t += "\nOpciones del comando:\n";
    for (const DefOpcion& o : kOpciones) {
      if ((s.opciones & o.opcion) == 0) continue;
      t += "  " + Columna(std::string(o.nombre) + (o.valor ? std::string(" ") + o.valor : ""), 22) + o.descripcion +
           "\n";
    }
  }
  if (s.detalle != nullptr) t += s.detalle();
  return t + kGenerales + kEstados;
}

void AgregaOpcion(CLI::App& sub, const DefOpcion& o, Orden& orden) {
  switch (o.opcion) {
    case kVendedor:
      sub.add_option(o.nombre, orden.vendedor);
      return;
    case kAplicar:
      sub.add_flag(o.nombre, orden.aplicar);
      return;
    case kMonto:
      sub.add_option(o.nombre, orden.montos)->allow_extra_args(false);
      return;
    case kDia:
      sub.add_option(o.nombre, orden.dia);
      return;
    case kBuscar:
      sub.add_option(o.nombre, orden.buscar);
      return;
    case kPdf:
      sub.add_option(o.nombre, orden.pdf);
      return;
    case kJson:
      sub.add_flag(o.nombre, orden.json);
      return;
    case kCerrar:
      sub.add_flag(o.nombre, orden.cerrar);
      return;
  }
}

// CLI11 speaks English; the operator is told in Spanish what was wrong.
std::string EnEspanol(const CLI::ParseError& e) {
  const std::string texto = e.what();
  const std::string opcion = texto.substr(0, texto.find(':'));
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr && texto::EmpiezaCon(opcion, "-"))
    return "A la opción «" + opcion + "» le falta su valor, o se dio más de una vez.";
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) return "Se indicó más de un comando; dé uno solo.";
  return "Uso incorrecto (" + texto + ").";
}

}  // namespace

const DefComando* LineaDeComandos::Busca(std::string_view nombre) {
  for (const DefComando& c : kComandos)
    if (nombre == c.nombre) return &c;
  return nullptr;
}

std::string LineaDeComandos::Ayuda(const std::string& comando) {
  if (const DefComando* s = Busca(comando)) return AyudaDe(*s);
  std::string t =
      "Uso: travesa [COMANDO] [opciones]\n"
      "Sin comando (o con /sinlogin) abre el programa de escritorio.\n\n"
      "Comandos:\n";
  for (const DefComando& s : kComandos) t += "  " + Columna(s.nombre, 12) + s.descripcion + "\n";
  return t + kGenerales + "\n«travesa COMANDO --help» muestra las opciones de cada comando.\n" + kEstados;
}

Orden LineaDeComandos::Interpreta(int argc, const char* const* argv) {
  Orden o;
  CLI::App app{"Travesa"};
  app.set_help_flag();
  app.fallthrough();
  app.allow_extras();
  app.add_flag("--help,-h", o.ayuda);
  app.add_flag("--version", o.version);
  app.add_flag("--si", o.si);
  CLI::Option* carpeta = app.add_option("--carpeta", o.carpeta)->envname("TRAVESA_CARPETA");
  app.add_option("--usuario", o.usuario)->envname("TRAVESA_USUARIO");
  app.add_option("--codigo", o.codigo)->envname("TRAVESA_CODIGO");
  app.require_subcommand(0, 1);
  for (const DefComando& s : kComandos) {
    CLI::App* sub = app.add_subcommand(s.nombre, s.descripcion);
    sub->set_help_flag();
    for (const DefOpcion& def : kOpciones)
      if ((s.opciones & def.opcion) != 0) AgregaOpcion(*sub, def, o);
    if (s.argumentos != nullptr) sub->add_option("argumentos", o.argumentos);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    throw ErrorDeUso(EnEspanol(e) + " Vea «travesa --help».");
  }
  for (const CLI::App* sub : app.get_subcommands()) o.comando = sub->get_name();
  const std::string ayuda = o.comando.empty() ? "«travesa --help»" : "«travesa " + o.comando + " --help»";
  const auto sobrantes = app.remaining(true);
  if (!sobrantes.empty()) {
    const bool esOpcion = texto::EmpiezaCon(sobrantes.front(), "-");
    throw ErrorDeUso((esOpcion            ? "Opción desconocida: «"
                      : o.comando.empty() ? "Comando desconocido: «"
                                          : "Argumento de más: «") +
                     sobrantes.front() + "». Vea " + ayuda + ".");
  }
  if (carpeta->count() > 0 && texto::Recorta(o.carpeta).empty())
    throw ErrorDeUso("La opción «--carpeta» necesita el nombre de una carpeta. Vea " + ayuda + ".");
  // Start-up moves to the program folder: a file named on the command line is
  // where the one who typed it stands.
  if (!o.pdf.empty()) o.pdf = std::filesystem::absolute(o.pdf).string();
  return o;
}

}  // namespace travesa
