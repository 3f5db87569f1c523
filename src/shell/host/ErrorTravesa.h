#pragma once
// Errors that end a job: the message is already in the operator's words.
#include <stdexcept>
#include <string>

namespace travesa {

class ErrorTravesa : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A database error: lost connection, refused statement, unknown column...
class ErrorBD : public ErrorTravesa {
 public:
  ErrorBD(const std::string& mensaje, unsigned numero = 0) : ErrorTravesa(mensaje), numero_(numero) {}
  unsigned numero() const { return numero_; }

 private:
  unsigned numero_;
};

}  // namespace travesa
