#pragma once
// Answers the program's modal windows the way a person at the desk would, from
// a script: every message box is recorded and answered (questions from the
// list of answers, No when it runs out), and each login window gets the next
// scripted action (Cerrar when none is left). So no test ever waits on a box.
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>

class QDialog;

namespace travesa::prueba {

class Piloto : public QObject {
  Q_OBJECT

 public:
  struct Caja {
    QString titulo;
    QString texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    bool noPorOmision = false;    // a question whose default button is No
    bool ventanaOcupada = false;  // the main window was disabled under it
    QRect lugar;                  // where the box stood, frame included
  };
  using AccionDeEntrada = std::function<void(QDialog& frmEntrada)>;

  Piloto();

  std::deque<QMessageBox::StandardButton> respuestas;
  std::deque<AccionDeEntrada> entradas;
  QList<Caja> cajas;
  // The user and code frmEntrada showed each time it opened.
  QList<QPair<QString, QString>> mostradas;

  // frmEntrada: type the user and the code, then Aceptar (or Enter in the code).
  static AccionDeEntrada Teclea(const QString& usuario, const QString& codigo, bool conEnter = false);

 private:
  void Revisa();
  void AtiendeCaja(QMessageBox& caja);
  void AtiendeEntrada(QDialog& ventana);

  QTimer reloj_;
};

}  // namespace travesa::prueba
