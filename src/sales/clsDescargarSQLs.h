#pragma once
// The sales import: fetches every `ventas_*.sql` file the phones left in the
// FTP folder, stages its lines in `tmpventassql`, posts each staged sale as a
// ticket, order or remission, and removes from the site each file whose sales
// are all posted (or were already). Every step goes to the transfer log.
//
// The whole run holds a named database lock, so two desks on one database
// never share the staging table: the second waits, then gives up with a clear
// message (ErrorTravesa) and changes nothing.
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ftp/clsFTP.h"
#include "sales/LineaDeVenta.h"
#include "sales/ResultadoVentas.h"
#include "sales/TipoDeDocumento.h"
#include "shell/Operador.h"

namespace travesa {

class BitacoraDeArchivos;
class clsArchivoTravesa;
class Conexion;
class Programa;
class VentasEnEspera;

class clsDescargarSQLs {
 public:
  static constexpr int kEsperaDelBloqueo = 60;  // seconds

  clsDescargarSQLs(Programa& programa, Operador& objLabel);
  ~clsDescargarSQLs();

  std::string ftpSitio;
  std::string ftpUsuario;
  std::string FTPcontraseña;
  std::string FTPcarpeta;
  const TipoDeDocumento* tipo = &TipoDeDocumento::Ticket();  // what each sale becomes
  bool blSinExist = false;                                   // post products even when stock does not cover them
  std::string Serie;                                         // series of orders and remissions; "N/A" or empty for none
  bool verificarCertificado = true;
  int segundosDeEspera = kEsperaDelBloqueo;  // for another desk's run to end

  // The whole run. False when the FTP site could not be reached (the operator
  // was told). Errors that stop the run (lost database, the lock held by
  // another desk) reach the caller as ErrorTravesa; no file was removed then.
  bool Procesar();
  // What the run did, sale by sale.
  const ResultadoVentas& Resultado() const { return resultado_; }

  // UTF-8 letters that reached the text as two characters each (a phone's
  // UTF-8 read as Windows-1252: "Ã±") turned back into the letter ("ñ").
  static std::string DesUTF8cizar(std::string_view xCadena);
  // The device of a sales file name: lower-case text between "ventas_" and the
  // next "_"; empty when the name has no such segment.
  static std::string Dispositivo(std::string_view nombre);
  // The named lock of the sales import on the connection's database.
  static std::string NombreDelBloqueo(const Conexion& cn);

  static long Siguiente_Folio(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra,
                              std::string& stLlave, bool blGrabarFolio);
  static long Foliar_(Conexion& cnn, std::string_view stDatoConfig, std::string& stTablaMaestra, std::string& stLlave);
  static double A2Decimales(double dbCantidad);

 private:
  // A file read in this run: the staged sales it holds, whether one of its
  // lines or sales could not be taken, its size as downloaded, and whether a
  // phone was still writing it (its last line without end, or its size other
  // than the listing's).
  struct ArchivoLeido {
    std::string nombre;
    std::set<unsigned> ventas;
    bool conFallas = false;
    std::int64_t tamano = -1;
    bool inconcluso = false;
    std::string huella;    // SHA-256 of what was read
    std::string vendedor;  // of its first sale read
    int rechazadas = 0;    // lines refused
  };

  // A line of a sales file, with its sale as the phone wrote it (client and
  // date-time text).
  struct LineaLeida {
    LineaDeVenta linea;
    std::string clave;
  };

  void Descarga(BitacoraDeArchivos& bitacora, VentasEnEspera& espera);
  // `listado`: the file's size in the listing (its low 32 bits).
  void LeeArchivo(const std::string& nombre, std::int32_t listado, BitacoraDeArchivos& bitacora,
                  VentasEnEspera& espera);
  void CargarArchivo(const std::filesystem::path& ruta, unsigned& contador, ArchivoLeido& archivo,
                     BitacoraDeArchivos& bitacora, VentasEnEspera& espera);
  std::vector<LineaLeida> LeeLineas(clsArchivoTravesa& lector, ArchivoLeido& archivo, BitacoraDeArchivos& bitacora,
                                    std::set<std::string>& rechazadas);
  static void DejaLaUltimaVenta(std::vector<LineaLeida>& leidas, const ArchivoLeido& archivo,
                                BitacoraDeArchivos& bitacora);
  // One sale of a file: the Id it is staged under, its lines, and whether a
  // line of it was rejected.
  struct VentaLeida {
    unsigned id = 0;
    std::vector<LineaDeVenta> lineas;
    bool rechazada = false;
  };
  void Agrega(const std::vector<const VentaLeida*>& ventas, ArchivoLeido& archivo, BitacoraDeArchivos& bitacora,
              VentasEnEspera& espera);
  void AgregaUna(const VentaLeida& venta, ArchivoLeido& archivo, BitacoraDeArchivos& bitacora, VentasEnEspera& espera);
  void PonEnEspera(const std::vector<LineaLeida>& leidas, const std::set<std::string>& rechazadas, unsigned& contador,
                   ArchivoLeido& archivo, BitacoraDeArchivos& bitacora, VentasEnEspera& espera);
  void Rechaza(BitacoraDeArchivos& bitacora, ArchivoLeido& archivo, const std::string& rechazo);
  // What became of the file, for the ledger.
  void AlHistorial(const ArchivoLeido& archivo, const std::string& destino);
  void GrabarVentas(BitacoraDeArchivos& bitacora, VentasEnEspera& espera, std::set<unsigned>& fallidas);
  void BorraLeidos(BitacoraDeArchivos& bitacora, const std::set<unsigned>& fallidas);
  static std::string SigueLlegando(const ArchivoLeido& archivo, const cDirList* enElSitio, bool sinListado);
  void NoLeido(BitacoraDeArchivos& bitacora, const std::string& nombre, const std::string& motivo);
  void Falla(BitacoraDeArchivos& bitacora, ArchivoLeido& archivo, VentaFallida falla);

  Programa& programa_;
  Operador& objLabel_;
  clsFTP mFTP_;
  std::string archivoActual_;
  unsigned contador_ = 0;
  std::vector<ArchivoLeido> leidos_;
  ResultadoVentas resultado_;
};

}  // namespace travesa
