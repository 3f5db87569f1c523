#pragma once
// What the ledger tells the office: the runs of a day with their files and
// documents, and each seller's last word (the state of the phones' sync).
#include <string>
#include <vector>

#include "shell/Programa.h"

namespace travesa {

class BaseSqlite;

class ConsultaDelHistorial {
 public:
  struct DocumentoDeArchivo {
    std::string tipo, serie, folio, cliente;
    double total = 0;
    bool confirmado = true;  // false: written, but its transaction never said it committed
  };
  struct FallaDeArchivo {
    std::string hora, cliente, motivo;
  };
  struct ArchivoDeCorrida {
    std::string nombre;
    long long tamano = 0;
    std::string vendedor;  // empty when none could be read
    std::string destino;
    std::vector<DocumentoDeArchivo> documentos;
    std::vector<FallaDeArchivo> fallas;  // sales of the file that were not posted
  };
  struct PagoDeCorrida {
    std::string archivo, cliente, cxc;
    double monto = 0;
    std::string decision;
  };
  struct Corrida {
    std::string tipo, usuario, equipo, inicio, fin, resultado, vendedor;
    std::vector<ArchivoDeCorrida> archivos;
    std::vector<PagoDeCorrida> pagos;
  };

  // The runs of `dia`, each with its files and what became of them, and each
  // file with its documents and the sales that failed; only what names
  // `vendedor`, and what holds `buscar` in a file name, a folio or a
  // customer, when given (a run with nothing of it is left out).
  static std::vector<Corrida> Corridas(BaseSqlite& h, const std::string& dia, const std::string& vendedor,
                                       const std::string& buscar);
  // The same as text.
  static std::string Dia(BaseSqlite& h, const std::string& dia, const std::string& vendedor, const std::string& buscar);
  static std::string TextoDeCorridas(const std::vector<Corrida>& corridas, const std::string& dia);

  struct EstadoDeVendedor {
    std::string clave;
    std::string nombre;
    std::string publicado;                  // the last catalogue publish for the seller (or for all)
    std::vector<std::string> dispositivos;  // "device: time, file" of the last file of each
    std::string ultimoArchivo;              // time of the seller's last file
    int enSitio = 0;                        // files kept on the site
    int pagosEnEspera = 0;
    std::string ultimaLectura;  // the last read run
    bool senalado = false;      // nothing since `horas`
  };
  // Hours without a file after which a seller is flagged: "Horas sin enviar"
  // of [Configuración] in the INI file, 24 when absent.
  static int HorasSinEnviar(const Programa& programa);
  static std::vector<EstadoDeVendedor> Estado(BaseSqlite& h, const std::vector<Vendedor>& vendedores, int horas);
  static std::string TextoDeEstado(const std::vector<EstadoDeVendedor>& e);
  static std::string JsonDeEstado(const std::vector<EstadoDeVendedor>& e);
  // One line per seller, for the service's log.
  static std::string LineaDeEstado(const EstadoDeVendedor& e);
};

}  // namespace travesa
