#pragma once
// The run page "Ejecución": the seller list with the chosen seller's name, the
// server, the last and next upload, the progress of the running job, and the
// command buttons the user's rights allow. It also keeps, hidden, the saved
// copies of the options the jobs read.
#include <QWidget>

#include <vector>

#include "shell/Ajustes.h"
#include "shell/Permisos.h"
#include "shell/Programa.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace travesa {

class ValidadorDeClaves;

class PaginaEjecucion : public QWidget {
  Q_OBJECT

 public:
  explicit PaginaEjecucion(QWidget* padre);

  void LlenaVendedores(const std::vector<travesa::Vendedor>& vendedores);
  // The chosen seller's key, trimmed; empty for all.
  QString Vendedor() const;
  void setNombreVendedor(const QString& nombre);
  void EnfocaVendedores();

  void setMuestra(const QString& texto);
  void setUltSubida(const QString& texto);
  void setActProgramada(const QString& texto);
  void MuestraActProgramada(bool visible);

  void MuestraComandos(const Permisos& permisos);
  // The saved options, as the INI file holds them.
  void MuestraOpciones(const Ajustes& a);

  // The running job's progress: empty and shown at its start, hidden at its end.
  void IniciaAviso();
  void setAviso(const QString& texto);
  void setProgreso(qint64 actual, qint64 total);
  void TerminaAviso();

 signals:
  void VendedorElegido(const QString& clave);
  void Generar();
  void Leer();
  void Pagos();
  void Borrar();
  void Configurar();

 private:
  QWidget* CreaOpcionesGuardadas();
  QWidget* CreaComandos();

  QComboBox* dtcVendedores_;
  ValidadorDeClaves* validador_;
  QLabel* lblNombre_;
  QLabel* lblMuestra_;
  QLabel* lblUltSubida_;
  QLabel* lblActProgramada_;
  QLabel* lblWMS_;
  QLabel* lblAviso_;
  QProgressBar* barAviso_;
  QPushButton* cmdGenerar_;
  QPushButton* cmdLeer_;
  QPushButton* cmdPagos_;
  QPushButton* cmdBorrar_;
  QPushButton* cmdConfigurar_;
  QRadioButton* optTickets_;
  QRadioButton* optPedidos_;
  QRadioButton* optRemisiones_;
  QCheckBox* chkDomics_;
  QCheckBox* chkSinExist_;
  QCheckBox* chkConPresentacion_;
};

}  // namespace travesa
