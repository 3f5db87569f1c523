#pragma once
// How the core talks to the person at the desk: messages and Yes/No questions
// with the standard message-box codes, the progress label, and yielding so a
// window can repaint. Each front end implements it; the core knows no other.
#include <string_view>

namespace travesa {

// Message-box flags and answers (the standard codes).
namespace Botones {
inline constexpr int kSoloAceptar = 0;
inline constexpr int kAceptarCancelar = 1;
inline constexpr int kSiNo = 4;
inline constexpr int kCritico = 16;
inline constexpr int kPregunta = 32;
inline constexpr int kExclamacion = 48;
inline constexpr int kInformacion = 64;
inline constexpr int kSegundoPorOmision = 256;

inline constexpr int kRespAceptar = 1;
inline constexpr int kRespCancelar = 2;
inline constexpr int kRespSi = 6;
inline constexpr int kRespNo = 7;

inline constexpr int Icono(int botones) { return botones & 0x70; }
inline constexpr bool EsPregunta(int botones) { return (botones & 0x0F) == kSiNo; }
}  // namespace Botones

class Operador {
 public:
  virtual ~Operador() = default;

  // The program's message box. Returns the button pressed; 0 when it could not
  // be shown (which every caller reads as "not Yes").
  virtual int Mensaje(std::string_view texto, int botones, std::string_view titulo) = 0;
  // The plain system box that start-up and the login use.
  virtual int MensajeSimple(std::string_view texto, int botones, std::string_view titulo) {
    return Mensaje(texto, botones, titulo);
  }
  // The progress label of the running job; an empty text hides it.
  virtual void Aviso(std::string_view texto) = 0;
  // Bytes moved of a transfer, for a progress bar beside the label.
  virtual void Progreso(long long actual, long long total) {
    (void)actual;
    (void)total;
  }
  // Lets the window repaint; a job calls it inside its loops.
  virtual void Ceder() {}
  virtual void Pitido() {}
};

}  // namespace travesa
