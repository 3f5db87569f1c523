#include "gui/ArrastreConRaton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace travesa {

ArrastreConRaton::ArrastreConRaton(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
  ventana->installEventFilter(this);
}

void ArrastreConRaton::Agrega(QWidget* control) { control->installEventFilter(this); }

bool ArrastreConRaton::eventFilter(QObject* objeto, QEvent* evento) {
  const QEvent::Type tipo = evento->type();
  if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseMove && tipo != QEvent::MouseButtonRelease) return false;
  const auto* raton = static_cast<QMouseEvent*>(evento);
  const QPoint donde = raton->globalPosition().toPoint();
  if (tipo == QEvent::MouseButtonPress) {
    presionado_ = raton->button() == Qt::LeftButton;
    arrastrando_ = false;
    inicio_ = donde;
    desdeEsquina_ = donde - ventana_->pos();
    return false;
  }
  if (tipo == QEvent::MouseButtonRelease) {
    presionado_ = false;
    return false;
  }
  if (!presionado_ || !(raton->buttons() & Qt::LeftButton)) return false;
  if (!arrastrando_ && (donde - inicio_).manhattanLength() < QApplication::startDragDistance()) return false;
  if (!arrastrando_) {
    arrastrando_ = true;
    // Let go after a drag, a button must not click.
    if (auto* boton = qobject_cast<QAbstractButton*>(objeto)) boton->setDown(false);
  }
  ventana_->move(donde - desdeEsquina_);
  return true;
}

}  // namespace travesa
