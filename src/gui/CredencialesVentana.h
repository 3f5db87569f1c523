#pragma once
// The login rules ask for a user and code; this shows them frmEntrada, a new
// one each time, with the values typed the time before.
#include <QPointer>
#include <QWidget>

#include "shell/PideCredenciales.h"

namespace travesa {

class CredencialesVentana : public PideCredenciales {
 public:
  explicit CredencialesVentana(QWidget* padre) : padre_(padre) {}

  std::optional<Credenciales> Pide(const Credenciales& recordadas) override;

 private:
  QPointer<QWidget> padre_;
};

}  // namespace travesa
