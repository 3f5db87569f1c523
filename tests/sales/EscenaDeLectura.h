#pragma once
// What the read-run tests share: a program folder, a database with the demo
// data and a folder of the test FTP site, the program started on them with its
// FTP settings pointing there, and an operator that records every box.
#include <string>

#include <gtest/gtest.h>

#include "comun/Instalacion.h"
#include "comun/OperadorDePrueba.h"
#include "comun/SitioDePrueba.h"
#include "shell/Programa.h"

namespace travesa::prueba {

class EscenaDeLectura : public ::testing::Test {
 protected:
  EscenaDeLectura();
  void SetUp() override;

  // The texts of the boxes shown so far, in order.
  std::vector<std::string> Textos() const;
  // A query's first column of the first row ("" for NULL or no row).
  std::string Dato(const std::string& sql) { return inst_.base().Dato(sql); }

  OperadorDePrueba op_;
  Instalacion inst_;
  SitioDePrueba sitio_;
  Programa programa_;
};

}  // namespace travesa::prueba
