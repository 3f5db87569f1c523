#pragma once
// One field value of a record set: NULL, text or number, as the database gave it
// or as the program assigns it before an insert.
#include <concepts>
#include <string>
#include <string_view>

namespace travesa {

class Valor {
 public:
  enum class Tipo { Nulo, Texto, Entero, Real };

  Valor() = default;
  Valor(std::string texto) : tipo_(Tipo::Texto), texto_(std::move(texto)) {}
  Valor(std::string_view texto) : tipo_(Tipo::Texto), texto_(texto) {}
  Valor(const char* texto) : tipo_(Tipo::Texto), texto_(texto) {}
  template <std::integral T>
  Valor(T n) : tipo_(Tipo::Entero), texto_(std::to_string(static_cast<long long>(n))) {}
  Valor(double n);
  Valor(float n) : Valor(static_cast<double>(n)) {}

  // A value read from the database in its text form.
  static Valor DesdeBD(const char* datos, std::size_t largo, Tipo tipo);

  Tipo tipo() const { return tipo_; }
  bool EsNulo() const { return tipo_ == Tipo::Nulo; }
  // The text form; empty for NULL.
  const std::string& Texto() const { return texto_; }
  // The leading number of the text (0 for NULL or text without a number).
  double Numero() const;
  long long Entero() const;

  bool operator==(const Valor&) const = default;

 private:
  Tipo tipo_ = Tipo::Nulo;
  std::string texto_;
};

}  // namespace travesa
