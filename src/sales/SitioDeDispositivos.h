#pragma once
// The FTP site as the read run and the leftover stock transfer reach it to
// fetch the files the phones leave there (their customers and their stock):
// the connection with its error box, the folder with its slashes, and the
// three download attempts with a box after each failure.
#include <functional>
#include <string>
#include <string_view>

namespace travesa {

class clsFTP;
class Operador;
struct Ajustes;

class SitioDeDispositivos {
 public:
  static constexpr int kIntentos = 3;

  // Opens the site of `ajustes`; on failure says "Error inesperado al
  // conectar al servidor." and returns false.
  static bool Conecta(clsFTP& ftp, Operador& operador, const Ajustes& ajustes);
  // "carpeta" is "/carpeta/"; "/" stays "/".
  static std::string ConDiagonales(std::string_view carpeta);
  // Changes to `carpeta` (from the login folder, unless it starts with "/")
  // and reads back where the server stands, absolute, with its slashes. When
  // the change is refused the folder is the setting resolved the same way, so
  // files are never looked for in the login folder instead.
  static std::string Resuelve(clsFTP& ftp, std::string_view carpeta);
  // Up to three tries of `baja`; after each failure the box "Error inesperado
  // al descargar archivo de <que>." with the attempt number. True when one
  // try succeeded.
  static bool TresIntentos(Operador& operador, std::string_view que, const std::function<bool()>& baja);
};

}  // namespace travesa
