#include "cli/LineaDeComandos.h"

#include <CLI/CLI.hpp>

namespace travesa {
namespace {

struct Subcomando {
  const char* nombre;
  const char* descripcion;
  bool conVendedor;
  bool conAsignaciones;
};

const Subcomando kSubcomandos[] = {
    {"ajustes", "muestra los ajustes; con campo=valor los guarda", false, true},
    {"probar", "prueba la conexión con el sitio FTP", false, false},
    {"generar", "genera los archivos del catálogo y los sube al sitio", true, false},
    {"servicio", "genera y sube el catálogo cada «Minutos» minutos", true, false},
    {"leer", "lee las ventas de los teléfonos y las graba en Norvento", false, false},
    {"borrar", "borra del sitio los archivos de ventas (quedan copias en respaldo/)", false, false},
    {"pagos", "descarga y muestra los pagos de los vendedores; con --aplicar los aplica", true, false},
    {"registro", "muestra o escribe los datos de la instalación de Norvento", false, true},
};

}  // namespace

std::string LineaDeComandos::Ayuda() {
  std::string t =
      "Uso: travesa [COMANDO] [opciones]\n"
      "Sin comando (o con /sinlogin) abre el programa de escritorio.\n\n"
      "Comandos:\n";
  for (const Subcomando& s : kSubcomandos) {
    std::string linea = std::string("  ") + s.nombre;
    linea.resize(14, ' ');
    t += linea + s.descripcion + "\n";
  }
  t +=
      "\nOpciones generales (antes o después del comando):\n"
      "  --carpeta DIR  carpeta del programa (TRAVESA_CARPETA; por omisión, la del ejecutable)\n"
      "  --usuario U    usuario de Norvento (TRAVESA_USUARIO)\n"
      "  --codigo C     código de acceso (TRAVESA_CODIGO)\n"
      "  --si           responde Sí a todas las preguntas\n"
      "  --version      muestra la versión\n"
      "  --help         muestra esta ayuda\n"
      "\nOpciones de generar y servicio:\n"
      "  --vendedor CLAVE  solo los clientes de ese vendedor\n"
      "\nOpciones de pagos:\n"
      "  --vendedor CLAVE       solo los archivos de pagos de ese vendedor\n"
      "  --aplicar              aplica los pagos mostrados (tras la pregunta)\n"
      "  --monto IDCXC=VALOR    lo que se aplica a esa cuenta (0: no se aplica)\n"
      "\nEstado de salida: 0 correcto, 1 el proceso falló, 2 uso incorrecto,\n"
      "3 acceso negado, 4 no se pudo arrancar (instalación o base de datos).\n";
  return t;
}

Orden LineaDeComandos::Interpreta(int argc, const char* const* argv) {
  Orden o;
  CLI::App app{"Travesa"};
  app.set_help_flag();
  app.fallthrough();
  app.add_flag("--help,-h", o.ayuda);
  app.add_flag("--version", o.version);
  app.add_flag("--si", o.si);
  app.add_option("--carpeta", o.carpeta)->envname("TRAVESA_CARPETA");
  app.add_option("--usuario", o.usuario)->envname("TRAVESA_USUARIO");
  app.add_option("--codigo", o.codigo)->envname("TRAVESA_CODIGO");
  app.require_subcommand(0, 1);
  for (const Subcomando& s : kSubcomandos) {
    CLI::App* sub = app.add_subcommand(s.nombre, s.descripcion);
    sub->set_help_flag();
    if (s.conVendedor) sub->add_option("--vendedor", o.vendedor);
    if (s.conAsignaciones) sub->add_option("asignaciones", o.argumentos);
    if (std::string_view(s.nombre) == "pagos") {
      sub->add_flag("--aplicar", o.aplicar);
      sub->add_option("--monto", o.montos);
    }
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ExtrasError& e) {
    throw ErrorDeUso("Comando u opción desconocida. Vea «travesa --help».");
  } catch (const CLI::ParseError& e) {
    throw ErrorDeUso(std::string("Uso incorrecto: ") + e.what() + ". Vea «travesa --help».");
  }
  for (const CLI::App* sub : app.get_subcommands()) o.comando = sub->get_name();
  return o;
}

}  // namespace travesa
