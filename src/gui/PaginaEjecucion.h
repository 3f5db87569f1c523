#pragma once
// The run page "Ejecución": the seller list (code and name, "(todos)" first)
// with the chosen seller's name, the server, the last and next upload, the
// summary of the last read run, the sellers at a glance (from the ledger),
// and the command buttons the user's rights allow. It also keeps, hidden, the
// saved copies of the options the jobs read.
#include <QWidget>
#include <vector>

#include "shell/Ajustes.h"
#include "shell/Permisos.h"
#include "shell/Programa.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace travesa {

class ComboDeVendedores;
class TablaDeEstado;
class TablaDeResumen;
struct ResumenLectura;

class PaginaEjecucion : public QWidget {
  Q_OBJECT

 public:
  explicit PaginaEjecucion(QWidget* padre);

  void LlenaVendedores(const std::vector<travesa::Vendedor>& vendedores);
  // The chosen seller's key; empty for all.
  QString Vendedor() const;
  // "V02 (María Guadalupe Torres Salinas)"; empty for all.
  QString VendedorConNombre() const;
  // Chooses the seller of that key; "(todos)" when the list has none.
  void SeleccionaVendedor(const QString& clave);
  void setNombreVendedor(const QString& nombre);
  void EnfocaVendedores();

  void setMuestra(const QString& texto);
  void setUltSubida(const QString& texto);
  void setActProgramada(const QString& texto);
  void MuestraActProgramada(bool visible);
  // "Conectado con WMS", once the user logged in.
  void MuestraConectado(bool conectado);

  void MuestraComandos(const Permisos& permisos);
  // The saved options, as the INI file holds them.
  void MuestraOpciones(const Ajustes& a);

  // What the last read run did, under the commands until the next run.
  void MuestraResumen(const ResumenLectura& resumen);
  void LimpiaResumen();
  // Each seller's last file, last publish and what waits on the site, as the
  // ledger tells it now.
  void ActualizaEstado(Programa& programa);

 signals:
  void VendedorElegido(const QString& clave);
  void Generar();
  void Leer();
  void Pagos();
  void Borrar();
  void Configurar();
  void Historial();
  void Liquidacion();

 private:
  QWidget* CreaOpcionesGuardadas();
  QWidget* CreaComandos();
  std::vector<QPushButton*> Comandos() const;

  ComboDeVendedores* dtcVendedores_;
  QLabel* lblNombre_;
  QLabel* lblAlcance_;
  QLabel* lblMuestra_;
  QLabel* lblUltSubida_;
  QLabel* lblActProgramada_;
  QLabel* lblWMS_;
  TablaDeEstado* estado_;
  TablaDeResumen* resumen_;
  QPushButton* cmdGenerar_;
  QPushButton* cmdLeer_;
  QPushButton* cmdPagos_;
  QPushButton* cmdBorrar_;
  QPushButton* cmdConfigurar_;
  QPushButton* cmdHistorial_;
  QPushButton* cmdLiquidacion_;
  QRadioButton* optTickets_;
  QRadioButton* optPedidos_;
  QRadioButton* optRemisiones_;
  QCheckBox* chkDomics_;
  QCheckBox* chkSinExist_;
  QCheckBox* chkConPresentacion_;
};

}  // namespace travesa
