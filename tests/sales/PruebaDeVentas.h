#pragma once
// A sales import against the real MariaDB and FTP servers: a program folder
// and a database of its own with a small catalogue (products P1..P3, clients
// C1 and C2, counters at 41), and a folder of its own on the FTP site.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "comun/ArchivoDeVentas.h"
#include "comun/Instalacion.h"
#include "comun/OperadorDePrueba.h"
#include "comun/SitioDePrueba.h"
#include "sales/ResultadoVentas.h"
#include "shell/Programa.h"

namespace travesa::prueba {

class PruebaDeVentas : public ::testing::Test {
 protected:
  PruebaDeVentas();
  void SetUp() override;

  // One sales import: tipo "T", "P" or "R".
  ResultadoVentas Lee(const std::string& tipo = "T", bool sinExistencia = false, const std::string& serie = "N/A");
  void Sube(const std::string& nombre, const ArchivoDeVentas& archivo) { sitio_.Escribe(nombre, archivo.contenido()); }
  bool EnSitio(const std::string& nombre) const;
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }
  void Ejecuta(const std::string& sql) { inst_.base().Ejecuta(sql); }
  // Every row of the query, its columns joined by "|" (NULL as "NULL").
  std::vector<std::string> Filas(const std::string& sql);
  std::string Bitacora() const;

  OperadorDePrueba op_;
  Instalacion inst_;
  SitioDePrueba sitio_;
  Programa programa_;
};

}  // namespace travesa::prueba
