#pragma once
// The settings record, loaded from the INI file at start-up and after Grabar.
// Every value is held as text in the form the INI file keeps it: yes/no options
// are "S" or "N", the movement kind "T", "P" or "R"; the FTP values are plain here
// and encrypted only in the file.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace travesa {

struct Ajustes {
  std::string ftpSitio;
  std::string ftpUsuario;
  std::string FTPcontraseña;
  std::string FTPcarpeta;
  std::string ContrasenaApp;
  std::string TipoMovimiento;
  std::string Serie;
  std::string EnviarDomicilios;
  std::string SinExistencia;
  std::string ConPresentacion;
  std::string EtiqModificaPrecios;
  std::string EtiqVerCxc;
  std::string EtiqCapturaPagos;
  std::string EtiqAsistencia;
  std::string PreciosNegociados;
  std::string Traspaso;
  std::string EmpresaTraspaso;
  std::string SerieTraspasos;
  std::string Automatico;
  std::string Minutos;
  std::string PrecioSugerido;
  std::string SoloListas;
  std::string VerificarCertificado;
  std::string UltimaSubida;
  std::string RutaNorvento;
  std::string BaseDeDatos;

  // Names of the encrypted fields whose stored value could not be decrypted
  // (the key file is missing or is not the one that encrypted them); those
  // fields are empty.
  std::vector<std::string> ilegibles;

  static bool Si(std::string_view valor) { return valor == "S"; }

  // How each field is kept in the INI file and checked when the operator
  // changes it.
  enum class Forma {
    CifradoFTP,      // section "FTP", encrypted
    SiNo,            // "S"/"N"
    Movimiento,      // "T", "P" or "R"
    Texto,           // upper-cased when read
    SerieTraspasos,  // "N/A" when left empty
    Minutos,         // one or two digits, at least 1
    PrecioSugerido,  // one digit, 0 to 5
    Carpeta,         // FTP folder: "/" separators and a final "/"
    SoloLectura      // kept by the program, not by the operator
  };

  struct Campo {
    const char* nombre;  // field name, as `ajustes campo=valor` takes it
    const char* seccion;
    const char* clave;
    const char* porOmision;
    Forma forma;
    bool secreto;  // masked when shown
    std::string Ajustes::*miembro;
  };

  // Every field in the order the options are read (and so first written).
  static std::span<const Campo> Campos();
  static const Campo* BuscaCampo(std::string_view nombre);
};

}  // namespace travesa
