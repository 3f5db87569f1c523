#pragma once
// The configuration page "Configuración": the FTP site and every option of
// the settings record, with the page's own behaviour (masked fields and "Ver
// datos", the folder normalised on leaving it, the one-digit price number and
// the minutes, the fields that a check box enables, the series list of orders
// and remissions). The commands Probar, Grabar and Regresar are the window's.
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Ajustes.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace travesa {

class NavegacionConTeclas;

class PaginaConfiguracion : public QWidget {
  Q_OBJECT

 public:
  // The series of a prefix ("PE-" or "RE-"), as the database offers them.
  using FuenteDeSeries = std::function<std::vector<std::string>(std::string_view prefijo)>;

  PaginaConfiguracion(FuenteDeSeries series, QWidget* padre);

  // The five FTP fields (txtConfig 0, 1, 2, 3 and 6).
  void MuestraFTP(const Ajustes& a);
  // Every option, as LeeOpciones puts them on the page.
  void MuestraOpciones(const Ajustes& a);
  // What the page shows, into the record (the fields Grabar saves).
  void LeeEn(Ajustes& a) const;

  // With every product in the price lists, "Solamente productos que salen en
  // listas de precios" is off and cannot be changed.
  void AplicaSalenTodosEnLista(bool salenTodos);

  QString Sitio() const;
  QString Usuario() const;
  QString Contrasena() const;
  QString Carpeta() const;
  void NormalizaCarpeta();
  bool Automatico() const;
  QString Minutos() const;
  void EnfocaSitio();
  // Leaving the page: "Ver datos" is cleared.
  void AlSalir();
  // While Probar runs, the page says so.
  void MuestraProbando(const QString& sitio);
  void TerminaProbando();

 signals:
  void Probar();
  void Grabar();
  void Regresar();

 private:
  QWidget* CreaSitio();
  QWidget* CreaMovimientos();
  QWidget* CreaOpciones();
  QWidget* CreaTraspaso();
  QWidget* CreaEtiquetas();
  QWidget* CreaTemporizador();
  QWidget* CreaBotones();
  void Conecta();
  void OrdenDeLectura();

  void VerDatos(bool ver);
  void MovimientoElegido();
  void LlenaSeries(const char* prefijo);
  void SeleccionaSerie(const QString& serie);
  QString MovimientoMarcado() const;

  FuenteDeSeries series_;
  NavegacionConTeclas* teclas_;
  QString serieGuardada_;
  bool salenTodos_ = false;
  std::array<QLineEdit*, 8> txtConfig_{};
  QLabel* lblContrasenaApp_ = nullptr;
  QCheckBox* chkVer_ = nullptr;
  std::array<QRadioButton*, 3> OptMovs_{};
  QLabel* lblSerie_ = nullptr;
  QComboBox* cmbSerie_ = nullptr;
  QCheckBox* chkEnvDomics_ = nullptr;
  QCheckBox* chkPasarProds_ = nullptr;
  QCheckBox* chkPresentacion_ = nullptr;
  QCheckBox* chkPreciosNegociados_ = nullptr;
  QCheckBox* chkSoloProdsLdeP_ = nullptr;
  QCheckBox* chkTraspaso_ = nullptr;
  std::array<QCheckBox*, 4> chkEtiqs_{};
  QCheckBox* chkTimer_ = nullptr;
  QLineEdit* txtTimer_ = nullptr;
  QPushButton* cmdProbar_ = nullptr;
  QPushButton* cmdGrabar_ = nullptr;
  QPushButton* cmdRegresar_ = nullptr;
  QLabel* lblProbando_ = nullptr;
};

}  // namespace travesa
