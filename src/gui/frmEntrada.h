#pragma once
// The login window "Acceso al programa": user name and access code, each at
// most 10 characters, the code masked. Enter in the code accepts; accepting
// with both fields empty beeps and keeps the window open.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace travesa {

class frmEntrada : public QDialog {
  Q_OBJECT

 public:
  explicit frmEntrada(QWidget* padre = nullptr);

  void setUsuario(const QString& usuario);
  void setCodigo(const QString& codigo);
  QString Usuario() const;
  QString Codigo() const;
  // True when the window was closed with Cerrar (or Escape, or its close box).
  bool blCancelado() const { return blCancelado_; }

 signals:
  // Aceptar with both fields empty (the window beeps and stays).
  void CamposVacios();

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  void reject() override;

 private:
  void Aceptar();
  void Cerrar();

  QLineEdit* txtDato0_;
  QLineEdit* txtDato1_;
  QPushButton* cmdAceptar_;
  QPushButton* cmdCancelar_;
  bool blCancelado_ = true;
  bool activada_ = false;
};

}  // namespace travesa
