#pragma once
// Everything written between construction and Confirma is one unit: leaving the
// scope without Confirma (an error, an early return) rolls it back.
namespace travesa {

class Conexion;

class Transaccion {
 public:
  explicit Transaccion(Conexion& cn);
  ~Transaccion();
  Transaccion(const Transaccion&) = delete;
  Transaccion& operator=(const Transaccion&) = delete;
  void Confirma();

 private:
  Conexion& cn_;
  bool terminada_ = false;
};

}  // namespace travesa
