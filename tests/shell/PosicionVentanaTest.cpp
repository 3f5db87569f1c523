// Remembered window places in the INI file, and the restore text of a
// collapsed window.
#include <gtest/gtest.h>

#include "comun/CarpetaTemporal.h"
#include "shell/PosicionVentana.h"
#include "shell/host/libNalda.h"

namespace travesa {
namespace {

using prueba::CarpetaTemporal;

TEST(PosicionVentanaTest, GuardaEnTwipsYLeeLoMismo) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  const Geometria g{40, 25, 520, 380};
  PosicionVentana::GuardaPosicion(ini, "frmDescripcion", "Descripción del programa", g, true);
  EXPECT_EQ(libNalda::LeeIni("frmDescripcion", "Ventana", ini), "Descripción del programa");
  EXPECT_EQ(libNalda::LeeIni("frmDescripcion", "Linea", ini), "375");
  EXPECT_EQ(libNalda::LeeIni("frmDescripcion", "Columna", ini), "600");
  EXPECT_EQ(libNalda::LeeIni("frmDescripcion", "Ancho", ini), "7800");
  EXPECT_EQ(libNalda::LeeIni("frmDescripcion", "Alto", ini), "5700");
  const PosicionLeida p = PosicionVentana::LeePosicion(ini, "frmDescripcion", true);
  EXPECT_EQ(p.izquierda, 40);
  EXPECT_EQ(p.arriba, 25);
  EXPECT_EQ(p.ancho, 520);
  EXPECT_EQ(p.alto, 380);

  // Without the size flag neither size key is written.
  PosicionVentana::GuardaPosicion(ini, "frmOtra", "Otra", g, false);
  EXPECT_EQ(libNalda::LeeIni("frmOtra", "Ancho", ini), "");
  EXPECT_FALSE(PosicionVentana::LeePosicion(ini, "frmOtra", true).ancho);
}

TEST(PosicionVentanaTest, SinSeccionOValoresMalosLaVentanaQuedaArribaALaIzquierda) {
  CarpetaTemporal dir;
  const auto ini = dir / "travesa.ini";
  // A window never closed before: top left corner, design size.
  PosicionLeida p = PosicionVentana::LeePosicion(ini, "frmDescripcion", true);
  EXPECT_EQ(p.izquierda, 0);
  EXPECT_EQ(p.arriba, 0);
  EXPECT_FALSE(p.ancho);
  EXPECT_FALSE(p.alto);

  // A value beyond 16 bits leaves its step undone; a size needs both values.
  libNalda::EscribeIni("frmX", "Linea", "40000", ini);
  libNalda::EscribeIni("frmX", "Columna", "150", ini);
  libNalda::EscribeIni("frmX", "Ancho", "3000", ini);
  libNalda::EscribeIni("frmX", "Alto", "mucho", ini);
  p = PosicionVentana::LeePosicion(ini, "frmX", true);
  EXPECT_FALSE(p.arriba);
  EXPECT_EQ(p.izquierda, 10);
  EXPECT_FALSE(p.ancho);
  libNalda::EscribeIni("frmX", "Alto", "0", ini);
  EXPECT_FALSE(PosicionVentana::LeePosicion(ini, "frmX", true).ancho);

  // No section name at all: the corner, whatever the file holds.
  p = PosicionVentana::LeePosicion(ini, "", true);
  EXPECT_EQ(p.izquierda, 0);
  EXPECT_EQ(p.arriba, 0);
}

TEST(PosicionVentanaTest, LaSeccionEsLaEtiquetaOElNombre) {
  EXPECT_EQ(PosicionVentana::Seccion("  ", " frmDescripcion "), "frmDescripcion");
  EXPECT_EQ(PosicionVentana::Seccion(" Ayuda ", "frmDescripcion"), "Ayuda");
}

TEST(PosicionVentanaTest, EncogerYRestaurarDevuelveLaGeometriaExacta) {
  const Geometria antes{123, 77, 641, 459};
  const std::string texto = PosicionVentana::TextoRestauracion(antes);
  EXPECT_EQ(texto, "9615\t6885\t1845\t1155");
  EXPECT_EQ(PosicionVentana::LeeTextoRestauracion(texto), antes);
  EXPECT_FALSE(PosicionVentana::LeeTextoRestauracion("9615\t6885\t1845"));
  EXPECT_FALSE(PosicionVentana::LeeTextoRestauracion(""));

  // A 30-pixel bar on a 768-pixel screen, its caption 200 pixels wide.
  const Geometria encogida = PosicionVentana::Encogida(768, 30, 200);
  EXPECT_EQ(encogida.alto, 30);
  EXPECT_EQ(encogida.arriba, 768 - 30 - 33);
  EXPECT_EQ(encogida.izquierda, 13);
  EXPECT_EQ(encogida.ancho, 200 + 53);
}

}  // namespace
}  // namespace travesa
