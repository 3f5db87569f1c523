#pragma once
// The ledger in `historial.sqlite` of the program folder. Every write is
// guarded: the first failure is told through `aviso` (the log and the
// operator) and the run goes on without the ledger; the database of the
// point-of-sale system stays the truth.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ledger/BaseSqlite.h"
#include "shell/Historial.h"

namespace travesa {

class Conexion;

class HistorialSqlite : public Historial {
 public:
  static constexpr const char* kNombre = "historial.sqlite";
  static constexpr int kDiasPorOmision = 400;

  // Opens (or creates) the ledger and removes the runs older than `dias`.
  HistorialSqlite(const std::filesystem::path& archivo, std::function<void(const std::string&)> aviso,
                  int dias = kDiasPorOmision);
  ~HistorialSqlite() override;

  void Comienza(std::string_view tipo, std::string_view usuario, std::string_view vendedor) override;
  void Termina(std::string_view resultado) override;
  long long DocumentoPendiente(const DocumentoDelHistorial& d) override;
  void DocumentoConfirmado(long long id) override;
  void DocumentoDescartado(long long id) override;
  void Archivo(const ArchivoDelHistorial& a) override;
  void Falla(const FallaDelHistorial& f) override;
  void Rechazo(std::string_view archivo, std::string_view linea) override;
  void Pago(const PagoDelHistorial& p) override;
  void Cliente(std::string_view clave, std::string_view nombre) override;
  void Traspaso(const TraspasoDelHistorial& t) override;
  void Publicado(std::string_view archivo, long long tamano, std::string_view huella) override;

  // Documents a run left pending (killed between the write and the commit)
  // kept when the database holds them, dropped when it does not.
  void Reconcilia(Conexion& cn);

  // For the queries (null when the ledger could not be opened).
  BaseSqlite* base() { return base_.get(); }
  bool averiado() const { return averiado_; }

 private:
  // Runs `escribe`, and on failure tells it once and stops writing.
  void Guarda(const std::function<void(BaseSqlite&)>& escribe);
  void CreaTablas();

  // Confirmations are written a block at a time: a run broken before they
  // are is checked against the database at the next start all the same.
  void EscribeConfirmados();

  std::unique_ptr<BaseSqlite> base_;
  std::vector<long long> confirmados_;
  std::map<std::pair<std::string, std::string>, bool> cerrados_;  // (seller, day) of this run
  std::function<void(const std::string&)> aviso_;
  bool averiado_ = false;
  long long corrida_ = 0;
};

// "yyyy-mm-dd hh:nn:ss" of now, local time.
std::string AhoraLocal();

class Programa;
// Gives the program its ledger in its folder, kept "Días del historial" days
// ([Configuración] of the INI file; 400 when absent), with what earlier runs
// left pending checked
// against the database. A failure of the ledger is told in the warnings log
// and to the operator.
void InstalaHistorial(Programa& programa);
// The program's ledger file for queries; throws ErrorTravesa, saying why,
// when the program has none that can be read.
BaseSqlite& BaseDelHistorial(Programa& programa);

}  // namespace travesa
