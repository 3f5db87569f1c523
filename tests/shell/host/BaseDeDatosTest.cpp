// Record sets (stored and forward-only), inserts, sums and key/value reads against the real server.
#include <functional>

#include <gtest/gtest.h>

#include "comun/BaseDePrueba.h"
#include "comun/Entorno.h"
#include "shell/host/BasesDD.h"
#include "shell/host/BloqueoNombrado.h"
#include "shell/host/ErrorTravesa.h"
#include "shell/host/Transaccion.h"
#include "shell/host/Utilerias.h"

namespace travesa {
namespace {

class BaseDeDatosTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bd_ = base_.Host();
    bd_.AbrirBdD(cn_, bd_.cMiBase);
  }

  prueba::BaseDePrueba base_;
  BasesDD bd_;
  Conexion cn_;
};

TEST_F(BaseDeDatosTest, LeePorNombreDeColumnaSinImportarMayusculas) {
  base_.Ejecuta("INSERT INTO vendedores VALUES ('V01','  Ana Ruiz ','1234'),('V02','Luis','99')");
  RecordSet rs;
  ASSERT_TRUE(bd_.AbrirTabla(rs, cn_, "vendedores order by Clave", "Clave as clave,TRim(Nombre) as nombre, NIP"));
  EXPECT_EQ(rs.FieldCount(), 3u);
  EXPECT_EQ(rs.FieldName(0), "clave");
  EXPECT_EQ(rs.Fields("CLAVE").Texto(), "V01");
  EXPECT_EQ(rs.Fields("Nombre").Texto(), "Ana Ruiz");
  rs.MoveNext();
  EXPECT_EQ(rs.Fields("nip").Texto(), "99");
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
  EXPECT_TRUE(rs.Fields("clave").EsNulo());
  EXPECT_FALSE(bd_.AbrirTabla(rs, cn_, "vendedores where Clave='nadie'"));
}

TEST_F(BaseDeDatosTest, AgregaValoresDificilesSinAlterarlos) {
  const std::string raro = "O'Brien \\ \"Peña\" ñÑ «x» %_;--";
  RecordSet rs;
  ASSERT_FALSE(bd_.AbrirTabla(rs, cn_, "clientes WHERE Clave='-9'"));
  rs.AddNew();
  rs.Set("Clave", Valor("X' OR '1'='1"));
  rs.Set("nombre", Valor(raro));
  rs.Set("Calle", Valor());  // NULL
  rs.Set("DCredito", Valor(30));
  rs.Update();
  EXPECT_EQ(rs.Fields("Nombre").Texto(), raro);

  RecordSet leido;
  ASSERT_TRUE(bd_.AbrirTabla(leido, cn_, Utilerias::CambXXX("clientes where Clave='XXX'", "X' OR '1'='1")));
  EXPECT_EQ(leido.RecordCount(), 1u);
  EXPECT_EQ(leido.Fields("Nombre").Texto(), raro);
  EXPECT_TRUE(leido.Fields("Calle").EsNulo());
  EXPECT_EQ(leido.Fields("DCredito").Entero(), 30);
  EXPECT_EQ(leido.Fields("Telefono1").Texto(), "");  // the table's default
  EXPECT_EQ(bd_.LastRec(cn_, "clientes"), 1);
}

// The same insert again reuses its prepared statement: each row keeps its own
// values and id, a refused row leaves the next one unharmed, and a reopened
// connection prepares anew.
TEST_F(BaseDeDatosTest, InsercionesRepetidasConservanCadaValor) {
  const std::vector<std::string> columnas = {"Clave", "Tipo", "Numero", "Saldo", "Vencimiento"};
  for (int i = 1; i <= 50; ++i) {
    const Valor vence = i % 5 ? Valor("2026-01-" + std::to_string(10 + i % 20)) : Valor();
    const auto id = cn_.Inserta(
        "cxc", columnas, {Valor("C" + std::to_string(i)), Valor(i % 2 ? "F" : "C"), Valor(i), Valor(i * 1.25), vence});
    ASSERT_EQ(id, static_cast<unsigned long long>(i));
  }
  EXPECT_EQ(cn_.Escalar("SELECT CONCAT_WS('|',Clave,Tipo,Numero,Saldo,Vencimiento) FROM cxc WHERE Id=7").Texto(),
            "C7|F|7|8.7500|2026-01-17");
  EXPECT_EQ(cn_.Escalar("SELECT COUNT(*) FROM cxc WHERE Vencimiento IS NULL").Entero(), 10);
  EXPECT_DOUBLE_EQ(cn_.Escalar("SELECT SUM(Saldo) FROM cxc").Numero(), 1593.75);
  const std::vector<std::string> clave = {"Clave", "Nombre"};
  cn_.Inserta("vendedores", clave, {Valor("V1"), Valor("Ana")});
  EXPECT_THROW(cn_.Inserta("vendedores", clave, {Valor("V1"), Valor("Otra")}), ErrorBD);  // duplicate key
  cn_.Inserta("vendedores", clave, {Valor("V2"), Valor("Luis")});
  bd_.AbrirBdD(cn_, bd_.cMiBase);
  cn_.Inserta("vendedores", clave, {Valor("V3"), Valor("Eva")});
  EXPECT_EQ(cn_.Escalar("SELECT GROUP_CONCAT(Nombre ORDER BY Clave) FROM vendedores").Texto(), "Ana,Luis,Eva");
}

// Whatever path a statement takes (a plain statement, a stored or forward-only
// query, a prepared insert that the server refuses or cannot prepare), the
// operator reads the server, the error number and message, and the start of
// the statement, in one form.
TEST_F(BaseDeDatosTest, ErrorDelServidorDiceLoMismoPorCualquierCamino) {
  const std::string servidor = cn_.datos().servidor + ":" + std::to_string(cn_.datos().puerto);
  const auto mensaje = [&](const std::function<void()>& paso) {
    try {
      paso();
    } catch (const ErrorBD& e) {
      return std::string(e.what());
    }
    return std::string("(no falló)");
  };
  const auto enLaForma = [&](const std::string& m, int numero, const std::string& instruccion) {
    return m.starts_with("Error de la base de datos (" + servidor + ") " + std::to_string(numero) + ": ") &&
           m.ends_with("\nInstrucción: " + instruccion);
  };
  const std::string largo = "SELECT Clave FROM noexiste WHERE Clave IN ('" + std::string(600, 'x') + "')";
  EXPECT_TRUE(enLaForma(mensaje([&] { cn_.Execute(largo); }), 1146, largo.substr(0, 500)));
  RecordSet rs;
  EXPECT_TRUE(
      enLaForma(mensaje([&] { rs.Abre(cn_, "SELECT * FROM noexiste", "noexiste"); }), 1146, "SELECT * FROM noexiste"));
  RecordSetSecuencial secuencial;
  EXPECT_TRUE(
      enLaForma(mensaje([&] { secuencial.Abre(cn_, "SELECT * FROM noexiste"); }), 1146, "SELECT * FROM noexiste"));
  const std::vector<std::string> clave = {"Clave", "Nombre"};
  cn_.Inserta("vendedores", clave, {Valor("V1"), Valor("Ana")});
  EXPECT_TRUE(enLaForma(mensaje([&] {
                          cn_.Inserta("vendedores", clave, {Valor("V1"), Valor("Otra")});
                        }),
                        1062, "INSERT INTO `vendedores` (`Clave`,`Nombre`) VALUES (?,?)"));
  EXPECT_TRUE(enLaForma(mensaje([&] {
                          cn_.Inserta("noexiste", clave, {Valor("V1"), Valor("Otra")});
                        }),
                        1146, "INSERT INTO `noexiste` (`Clave`,`Nombre`) VALUES (?,?)"));
}

// A connection moved elsewhere takes its prepared inserts along; the one left
// behind is closed and opens again; one moved over an open connection with
// statements of its own replaces it; every one of them is destroyed safely.
TEST_F(BaseDeDatosTest, ConexionMovidaSigueSirviendoYLaVaciaSeReabre) {
  const std::vector<std::string> clave = {"Clave", "Nombre"};
  cn_.Inserta("vendedores", clave, {Valor("V1"), Valor("Ana")});
  Conexion movida(std::move(cn_));
  EXPECT_FALSE(cn_.Abierta());
  EXPECT_THROW(cn_.Execute("SELECT 1"), ErrorBD);
  movida.Inserta("vendedores", clave, {Valor("V2"), Valor("Luis")});

  Conexion otra;
  bd_.AbrirBdD(otra, bd_.cMiBase);
  otra.Inserta("vendedores", clave, {Valor("V3"), Valor("Eva")});
  otra = std::move(movida);
  EXPECT_FALSE(movida.Abierta());
  otra.Inserta("vendedores", clave, {Valor("V4"), Valor("Rosa")});

  bd_.AbrirBdD(cn_, bd_.cMiBase);
  cn_.Inserta("vendedores", clave, {Valor("V5"), Valor("Sara")});
  bd_.AbrirBdD(movida, bd_.cMiBase);
  EXPECT_EQ(movida.Escalar("SELECT GROUP_CONCAT(Nombre ORDER BY Clave) FROM vendedores").Texto(),
            "Ana,Luis,Eva,Rosa,Sara");
}

TEST_F(BaseDeDatosTest, ColumnaInexistenteDaMensajeClaro) {
  RecordSet rs;
  bd_.AbrirTabla(rs, cn_, "cxc WHERE Id=-9");
  rs.AddNew();
  try {
    rs.Set("NoExiste", Valor(1));
    FAIL() << "debió fallar";
  } catch (const ErrorBD& e) {
    EXPECT_NE(std::string(e.what()).find("no tiene la columna «NoExiste»"), std::string::npos);
  }
  EXPECT_THROW(bd_.AbrirTabla(rs, cn_, "tablainexistente"), ErrorBD);
}

TEST_F(BaseDeDatosTest, LastIdSumYLeeDato) {
  RecordSet rs;
  bd_.AbrirTabla(rs, cn_, "edoctacli WHERE AutoInc=-9");
  for (int i = 1; i <= 3; ++i) {
    rs.AddNew();
    rs.Set("Id", Valor(100 + i));
    rs.Set("Clave", Valor("C1"));
    rs.Set("CantidadCargo", Valor(10.25 * i));
    rs.Update();
  }
  EXPECT_EQ(bd_.LastId(cn_, "edoctacli", "Id"), 103);
  EXPECT_EQ(bd_.LastId(cn_, "edoctacli", "AutoInc"), rs.Fields("AutoInc").Entero());
  EXPECT_DOUBLE_EQ(bd_.Sum(cn_, "edoctacli where Clave='C1'", "CantidadCargo"), 61.5);
  EXPECT_DOUBLE_EQ(bd_.Sum(cn_, "edoctacli where Clave='nadie'", "CantidadCargo"), 0);
  base_.Ejecuta("INSERT INTO configura VALUES ('FDPEVACDPDV','3'),('Raro''s','ñ')");
  EXPECT_EQ(bd_.LeeDato("FDPEVACDPDV", cn_, "configura"), "3");
  EXPECT_EQ(bd_.LeeDato("Raro's", cn_, "configura"), "ñ");
  EXPECT_EQ(bd_.LeeDato("falta", cn_, "configura"), "");
}

TEST_F(BaseDeDatosTest, TransaccionSinConfirmarSeDeshace) {
  try {
    Transaccion t(cn_);
    cn_.Execute("INSERT INTO vendedores (Clave) VALUES ('V09')");
    throw ErrorTravesa("corte a la mitad");
  } catch (const ErrorTravesa&) {
  }
  EXPECT_EQ(base_.Dato("SELECT COUNT(*) FROM vendedores"), "0");
  {
    Transaccion t(cn_);
    cn_.Execute("INSERT INTO vendedores (Clave) VALUES ('V10')");
    t.Confirma();
  }
  EXPECT_EQ(base_.Dato("SELECT COUNT(*) FROM vendedores"), "1");
}

TEST_F(BaseDeDatosTest, BloqueoNombradoHaceEsperarAlSegundo) {
  Conexion otra = base_.Conecta();
  BloqueoNombrado primero(cn_, "travesa-prueba-" + base_.nombre(), 1);
  try {
    BloqueoNombrado segundo(otra, "travesa-prueba-" + base_.nombre(), 1);
    FAIL() << "el segundo no debió obtener el bloqueo";
  } catch (const ErrorTravesa& e) {
    EXPECT_NE(std::string(e.what()).find("Otro equipo"), std::string::npos);
  }
}

TEST(ConexionTest, ServidorQueRechazaDaMensajeConServidorYPuerto) {
  const prueba::ServidorBD s = prueba::BD();
  DatosConexion d{s.host, s.puerto, s.usuario, "contraseña-mala", ""};
  try {
    Conexion cn(d);
    FAIL() << "debió rechazarse";
  } catch (const ErrorBD& e) {
    const std::string m = e.what();
    EXPECT_NE(m.find("No se pudo conectar con el servidor de base de datos"), std::string::npos);
    EXPECT_NE(m.find(s.host + ":" + std::to_string(s.puerto)), std::string::npos);
  }
  d.password = s.password;
  d.puerto = 1;  // nothing listens there
  EXPECT_THROW(Conexion cn(d), ErrorBD);
}

// The forward-only record set: rows as they come, columns by any letter case,
// the connection free again after it, and a connection lost halfway that
// never passes for a shorter result.
TEST_F(BaseDeDatosTest, SecuencialLeeHaciaAdelantePorNombreYPosicion) {
  base_.Ejecuta(
      "INSERT INTO vendedores VALUES ('V01','  Ana Ruiz ','1234'),('V02','Peña & <Cía>','22');"
      "INSERT INTO productos (Clave,Descrip,Precio1,Existencia) VALUES ('P1','Frijol',20.5,3)");
  RecordSetSecuencial rs;
  ASSERT_TRUE(bd_.AbrirTabla(rs, cn_, "vendedores order by Clave",
                             "Clave as clave,TRim(Nombre) as nombre, NULLIF(NIP,'22') as NIP"));
  ASSERT_EQ(rs.FieldCount(), 3u);
  EXPECT_EQ(rs.FieldName(1), "nombre");
  const std::size_t nombre = rs.Columna("NOMBRE"), nip = rs.Columna("nip");
  EXPECT_EQ(rs.Texto(nombre), "Ana Ruiz");
  EXPECT_EQ(rs.Fields("Clave").Texto(), "V01");
  rs.MoveNext();
  EXPECT_EQ(rs.Texto(nombre), "Peña & <Cía>");
  EXPECT_TRUE(rs.EsNulo(nip));
  EXPECT_TRUE(rs.Fields(nip).EsNulo());
  EXPECT_EQ(rs.Texto(nip), "");
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
  EXPECT_EQ(rs.Texto(0), "");
  EXPECT_THROW(rs.Columna("telefono"), ErrorBD);

  // Numbers keep their kind; an empty result says so; the connection is free
  // for the next query once the rows are read or the set closed halfway.
  ASSERT_TRUE(bd_.AbrirTabla(rs, cn_, "productos", "Precio1,Existencia"));
  EXPECT_EQ(rs.Fields(0).tipo(), Valor::Tipo::Real);
  EXPECT_DOUBLE_EQ(rs.Fields("precio1").Numero(), 20.5);
  EXPECT_FALSE(bd_.AbrirTabla(rs, cn_, "vendedores where Clave='nadie'"));
  ASSERT_TRUE(bd_.AbrirTabla(rs, cn_, "vendedores order by Clave"));
  bd_.CierraTabla(rs);
  EXPECT_EQ(cn_.Escalar("SELECT COUNT(*) FROM vendedores").Entero(), 2);
  EXPECT_THROW(bd_.AbrirTabla(rs, cn_, "no_existe"), ErrorBD);
  EXPECT_EQ(cn_.Escalar("SELECT 7").Entero(), 7);
}

TEST_F(BaseDeDatosTest, SecuencialMuchasFilasEnOrdenYConexionCortadaEsError) {
  RecordSetSecuencial rs;
  ASSERT_TRUE(bd_.AbrirTabla(rs, cn_, "seq_1_to_50000", "seq"));
  long long esperado = 1;
  for (; !rs.Eof(); rs.MoveNext()) ASSERT_EQ(rs.Fields(0).Entero(), esperado++);
  EXPECT_EQ(esperado, 50001);

  // The server drops the connection while rows are still coming.
  const long long id = cn_.Escalar("SELECT CONNECTION_ID()").Entero();
  ASSERT_TRUE(bd_.AbrirTabla(rs, cn_, "seq_1_to_5000000", "seq, REPEAT('x', 200) AS relleno"));
  Conexion otra = base_.Conecta();
  otra.Execute("KILL " + std::to_string(id));
  long long leidas = 0;
  EXPECT_THROW(
      {
        for (; !rs.Eof(); rs.MoveNext()) ++leidas;
      },
      ErrorBD);
  EXPECT_LT(leidas, 5000000);
}

}  // namespace
}  // namespace travesa
