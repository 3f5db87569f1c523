#pragma once
// The day a command asks about: --dia as given (checked), or today.
#include <string>

#include "cli/LineaDeComandos.h"

namespace travesa {

std::string DiaDeLaOrden(const Orden& orden);

}  // namespace travesa
