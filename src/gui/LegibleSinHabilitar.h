#pragma once
// A label or bar that stays readable while its page is disabled for a job.
#include <QPalette>
#include <QWidget>

namespace travesa {

inline void LegibleSinHabilitar(QWidget* w) {
  QPalette p = w->palette();
  for (const auto rol : {QPalette::WindowText, QPalette::Text, QPalette::Highlight})
    p.setColor(QPalette::Disabled, rol, p.color(QPalette::Active, rol));
  w->setPalette(p);
}

}  // namespace travesa
