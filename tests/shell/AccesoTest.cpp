// The login loop: retries, cancelling, and the rights of user 1.
#include <gtest/gtest.h>

#include "comun/BaseDePrueba.h"
#include "comun/OperadorDePrueba.h"
#include "shell/clsAcceso.h"
#include "shell/host/BasesDD.h"
#include "shell/host/DeAcceso.h"

namespace travesa {
namespace {

// The login window, answered from a script of attempts; nothing left means
// the operator pressed Cerrar.
class VentanaGuionada : public PideCredenciales {
 public:
  explicit VentanaGuionada(std::vector<Credenciales> intentos) : intentos_(std::move(intentos)) {}
  std::optional<Credenciales> Pide(const Credenciales& recordadas) override {
    mostradas.push_back(recordadas);
    if (siguiente_ >= intentos_.size()) return std::nullopt;
    return intentos_[siguiente_++];
  }
  std::vector<Credenciales> mostradas;

 private:
  std::vector<Credenciales> intentos_;
  std::size_t siguiente_ = 0;
};

class AccesoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Usuario(1, "jefe", "uno", "NNN");
    Usuario(2, "ana", "dos", std::string(549, 'N') + "SS");
    bd_ = base_.Host();
    bd_.AbrirBdD(segunda_);  // no database, as at start-up
  }
  void Usuario(int id, const std::string& u, const std::string& c, const std::string& m) {
    const std::string k = "Kz" + std::to_string(id);
    base_.Ejecuta("INSERT INTO usuarios VALUES (" + std::to_string(id) + ",'" + DeAcceso::Encripta(u, k) + "','" +
                  DeAcceso::Encripta(c, k) + "','" + k + "','" + DeAcceso::Encripta(m, k) + "','','','Nombre " + u +
                  "')");
  }

  prueba::BaseDePrueba base_;
  BasesDD bd_;
  Conexion segunda_;
  prueba::OperadorDePrueba op_;
};

TEST_F(AccesoTest, ReintentaHastaAcertarYMuestraLoTecleado) {
  VentanaGuionada ventana({{"ana", "mal"}, {"ana", "dos"}});
  clsAcceso acceso(op_, ventana);
  EXPECT_TRUE(acceso.PuedeEntrar(bd_, segunda_, 550));
  ASSERT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(op_.cajas[0].texto, "Usuario incorrecto o inexistente");
  EXPECT_EQ(op_.cajas[0].titulo, "Error");
  EXPECT_TRUE(op_.cajas[0].simple);
  ASSERT_EQ(ventana.mostradas.size(), 2u);
  EXPECT_EQ(ventana.mostradas[1].codigo, "mal");  // the window shows the typed values again
  EXPECT_EQ(acceso.Nombre(), "Nombre ana");
  EXPECT_TRUE(clsAcceso::Accede(551, acceso.Modulos()));
  EXPECT_FALSE(clsAcceso::Accede(552, acceso.Modulos()));
  EXPECT_EQ(op_.avisos.back(), "");  // the wait notice is removed
}

TEST_F(AccesoTest, CerrarTrasUnFalloTerminaSinOtroMensaje) {
  VentanaGuionada ventana({Credenciales{"nadie", "x"}});
  clsAcceso acceso(op_, ventana);
  EXPECT_FALSE(acceso.PuedeEntrar(bd_, segunda_, 550));
  EXPECT_EQ(op_.cajas.size(), 1u);
  EXPECT_EQ(acceso.Usuario(), "");
}

TEST_F(AccesoTest, ElUsuarioUnoTieneTodoHastaElLargoDeSuCadena) {
  VentanaGuionada ventana({Credenciales{"jefe", "uno"}});
  clsAcceso acceso(op_, ventana);
  EXPECT_TRUE(acceso.PuedeEntrar(bd_, segunda_, 0));
  EXPECT_EQ(acceso.Modulos(), "SSS");
  EXPECT_TRUE(clsAcceso::Accede(3, acceso.Modulos()));
  EXPECT_FALSE(clsAcceso::Accede(4, acceso.Modulos()));
  VentanaGuionada otra({Credenciales{"jefe", "uno"}});
  clsAcceso conDerecho(op_, otra);
  EXPECT_FALSE(conDerecho.PuedeEntrar(bd_, segunda_, 550));
  EXPECT_EQ(op_.cajas.back().texto, "Sus atributos como usuario no le permiten entrar a este programa");
  EXPECT_EQ(op_.cajas.back().titulo, "Alerta");
}

}  // namespace
}  // namespace travesa
