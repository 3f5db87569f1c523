#pragma once
// The operator as a test sees it: every message recorded, questions answered
// from a list (No when the list runs out).
#include <deque>
#include <string>
#include <vector>

#include "shell/Operador.h"

namespace travesa::prueba {

class OperadorDePrueba : public Operador {
 public:
  struct Caja {
    std::string texto;
    int botones = 0;
    std::string titulo;
    bool simple = false;
  };

  int Mensaje(std::string_view texto, int botones, std::string_view titulo) override;
  int MensajeSimple(std::string_view texto, int botones, std::string_view titulo) override;
  void Aviso(std::string_view texto) override { avisos.emplace_back(texto); }
  void Progreso(long long actual, long long total) override { progresos.emplace_back(actual, total); }
  void Ceder() override { ++cesiones; }
  void Pitido() override { ++pitidos; }

  std::deque<int> respuestas;  // for Yes/No questions
  std::vector<Caja> cajas;
  std::vector<std::string> avisos;
  std::vector<std::pair<long long, long long>> progresos;
  int cesiones = 0;
  int pitidos = 0;

 private:
  int Responde(int botones);
};

}  // namespace travesa::prueba
