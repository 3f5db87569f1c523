#pragma once
// A MariaDB server of one test's own, started as scripts/servidores-prueba
// starts the shared one (own data folder, a free loopback port, the test
// user), so that the test may kill it in the middle of a run and start it
// again on the same data and port, as after a crash of the database server.
// Databases are made on it with Instalacion(servidor()) or BaseDePrueba.
#include <memory>

#include "comun/CarpetaTemporal.h"
#include "comun/Entorno.h"
#include "comun/Proceso.h"

namespace travesa::prueba {

class BasePropia {
 public:
  // Installs the system tables and starts the server; enMarcha() tells
  // whether it answered.
  BasePropia();
  ~BasePropia();
  BasePropia(const BasePropia&) = delete;
  BasePropia& operator=(const BasePropia&) = delete;

  bool enMarcha() const { return listo_; }
  // Where it listens, and the test user (every right).
  ServidorBD servidor() const;

  void Mata();     // SIGKILL: every connection drops, nothing is shut down cleanly
  void Arranca();  // again, on the same data and port, once it answers (after Mata)

 private:
  CarpetaTemporal dir_;
  unsigned puerto_ = 0;
  std::unique_ptr<ProcesoEnFondo> proceso_;
  bool listo_ = false;
};

}  // namespace travesa::prueba
