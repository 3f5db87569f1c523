// The forward-only record set against the real server: rows as they come,
// columns by any letter case, the connection free again after it, and a
// connection lost halfway that never passes for a shorter result.
#include <gtest/gtest.h>

#include "comun/BaseDePrueba.h"
#include "shell/host/BasesDD.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

class RecordSetSecuencialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bd_ = base_.Host();
    bd_.AbrirBdD(cn_, bd_.cMiBase);
  }

  prueba::BaseDePrueba base_;
  BasesDD bd_;
  Conexion cn_;
};

TEST_F(RecordSetSecuencialTest, LeeHaciaAdelantePorNombreYPosicion) {
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

TEST_F(RecordSetSecuencialTest, MuchasFilasEnOrdenYConexionCortadaEsError) {
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
