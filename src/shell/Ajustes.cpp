#include "shell/Ajustes.h"

#include <array>

#include "shell/host/Texto.h"

namespace travesa {
namespace {

using F = Ajustes::Forma;

// The default FTP site is a placeholder the operator replaces on the settings page.
constexpr const char* kSeccionFTP = "FTP";
constexpr const char* kSeccionConfig = "Configuración";
constexpr const char* kSeccionEnviar = "Enviar configuración";

const std::array<Ajustes::Campo, 26> kCampos = {{
    {"ftpSitio", kSeccionFTP, "Sitio", "ftp.sitio-de-ejemplo.mx", F::CifradoFTP, false, &Ajustes::ftpSitio},
    {"ftpUsuario", kSeccionFTP, "Usuario", "travesa", F::CifradoFTP, true, &Ajustes::ftpUsuario},
    {"FTPcontraseña", kSeccionFTP, "Contraseña", "123456789", F::CifradoFTP, true, &Ajustes::FTPcontraseña},
    {"FTPcarpeta", kSeccionFTP, "Carpeta", "public_html/descargas/carpeta", F::Carpeta, false, &Ajustes::FTPcarpeta},
    {"ContrasenaApp", kSeccionFTP, "ContraseñaApp", "MuestraCampos", F::CifradoFTP, true, &Ajustes::ContrasenaApp},
    {"TipoMovimiento", kSeccionConfig, "Generar tickets, pedidos o remisiones", "T", F::Movimiento, false,
     &Ajustes::TipoMovimiento},
    {"Serie", kSeccionConfig, "Serie a usar en ventas", "N/A", F::Texto, false, &Ajustes::Serie},
    {"EnviarDomicilios", kSeccionConfig, "Enviar domicilios de clientes", "S", F::SiNo, false,
     &Ajustes::EnviarDomicilios},
    {"SinExistencia", kSeccionConfig, "Pasar productos sin existencia", "N", F::SiNo, false, &Ajustes::SinExistencia},
    {"ConPresentacion", kSeccionConfig, "Concatenar presentación a la descripción", "N", F::SiNo, false,
     &Ajustes::ConPresentacion},
    {"EtiqModificaPrecios", kSeccionEnviar, "Etiqueta «modificaprecios»", "N", F::SiNo, false,
     &Ajustes::EtiqModificaPrecios},
    {"EtiqVerCxc", kSeccionEnviar, "Etiqueta «vercxc»", "N", F::SiNo, false, &Ajustes::EtiqVerCxc},
    {"EtiqCapturaPagos", kSeccionEnviar, "Etiqueta «capturapagos»", "N", F::SiNo, false, &Ajustes::EtiqCapturaPagos},
    {"EtiqAsistencia", kSeccionEnviar, "Etiqueta «asistencia»", "N", F::SiNo, false, &Ajustes::EtiqAsistencia},
    {"PreciosNegociados", kSeccionConfig, "Enviar «precios negociados» de clientes", "N", F::SiNo, false,
     &Ajustes::PreciosNegociados},
    {"Traspaso", kSeccionConfig, "Enviar traspaso de producto sobrante", "N", F::SiNo, false, &Ajustes::Traspaso},
    {"EmpresaTraspaso", kSeccionConfig, "Clave de empresa receptora de traspaso", "SUC", F::Texto, false,
     &Ajustes::EmpresaTraspaso},
    {"SerieTraspasos", kSeccionConfig, "Serie de traspasos", "N/A", F::SerieTraspasos, false, &Ajustes::SerieTraspasos},
    {"Automatico", kSeccionConfig, "Generar automaticamente archivos en la nube", "N", F::SiNo, false,
     &Ajustes::Automatico},
    {"Minutos", kSeccionConfig, "Minutos para generar archivos", "5", F::Minutos, false, &Ajustes::Minutos},
    {"PrecioSugerido", kSeccionConfig, "Número de precio a sugerir", "0", F::PrecioSugerido, false,
     &Ajustes::PrecioSugerido},
    {"SoloListas", kSeccionConfig, "Solo productos de listas de precios", "N", F::SiNo, false, &Ajustes::SoloListas},
    {"VerificarCertificado", kSeccionConfig, "Verificar certificado del sitio", "S", F::SiNo, false,
     &Ajustes::VerificarCertificado},
    {"UltimaSubida", kSeccionConfig, "Última subida de archivos", "No se han subido los archivos.", F::SoloLectura,
     false, &Ajustes::UltimaSubida},
    {"RutaNorvento", kSeccionConfig, "Ruta de Norvento", "/opt/norvento", F::SoloLectura, false,
     &Ajustes::RutaNorvento},
    {"BaseDeDatos", kSeccionConfig, "Base de datos principal", "datos1", F::SoloLectura, false, &Ajustes::BaseDeDatos},
}};

}  // namespace

std::span<const Ajustes::Campo> Ajustes::Campos() { return kCampos; }

const Ajustes::Campo* Ajustes::BuscaCampo(std::string_view nombre) {
  // "FTPcontrasena" is accepted too, for keyboards without ñ.
  const std::string buscado = texto::Reemplaza(nombre, "ñ", "n");
  for (const Campo& c : kCampos) {
    if (texto::IgualesSinMayusculas(texto::Reemplaza(c.nombre, "ñ", "n"), buscado)) return &c;
  }
  return nullptr;
}

}  // namespace travesa
