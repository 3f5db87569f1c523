// The editable grid controller over a grid in memory: keys, editors,
// validation and call-backs, advancing, adding and deleting rows.
#include <gtest/gtest.h>

#include "RejaDePrueba.h"
#include "grid/EdicionGrid.h"
#include "grid/FormatoCelda.h"

namespace travesa {
namespace {

using prueba::OperadorDePrueba;
using prueba::RejaDePrueba;

// The payments review: 12 columns, only "A pagar" (8) editable, numbers
// only, checked against the balance in column 7, totalled after each edit.
struct Pagos : ::testing::Test {
  Pagos() : reja(3, 12), g(reja, op) {
    for (int r = 1; r <= 2; ++r) {
      reja.FijaTexto(r, 7, "100.00");
      reja.FijaTexto(r, 8, "12.50");
      reja.FijaTexto(r, 11, std::to_string(40 + r));
    }
    metodos.Validador("Validar", [this](const std::string& t, int r, int) {
      validados.push_back(t);
      const auto n = FormatoCelda::LeeNumero(t);
      return n && *n >= 0 && *n <= *FormatoCelda::LeeNumero(reja.Texto(r, 7));
    });
    metodos.Celda("Totaliza", [this](int r, int c) { totalizados.emplace_back(r, c); });
    g.ObjetoDeMetodos(metodos);
    g.AgregarRenglones(false);
    g.AgregaColumna(8, TipoDeEditor::kTexto, "9", 0, "#,0.00", "", "Validar", {}, {}, 0, "Totaliza");
    reja.VeA(1, 8);
  }
  void Tecla(char32_t t) { g.TeclaEscrita(t); }

  RejaDePrueba reja;
  OperadorDePrueba op;
  EdicionGrid g;
  ObjetoDeMetodos metodos;
  std::vector<std::string> validados;
  std::vector<std::pair<int, int>> totalizados;
};

TEST_F(Pagos, LaPlantillaDecideSiSeAbreElEditor) {
  Tecla(U'a');
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(op.pitidos, 1);
  Tecla(U'5');
  ASSERT_TRUE(reja.abierto);
  EXPECT_EQ(reja.editor, "5");
  EXPECT_FALSE(reja.apertura.seleccionaTodo);
  // Inside the editor the same template holds.
  EXPECT_EQ(g.TeclaEnEditor(U'x'), 0U);
  EXPECT_EQ(op.pitidos, 2);
  EXPECT_EQ(g.TeclaEnEditor(U'7'), U'7');
  // Columns without a descriptor take no key.
  g.EscapeEnEditor();
  reja.VeA(1, 7);
  Tecla(U'5');
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(reja.Texto(1, 8), "12.50");
}

TEST_F(Pagos, RetrocesoYEnterAbrenConElTextoDeLaCelda) {
  Tecla(teclas::kRetroceso);
  EXPECT_EQ(reja.editor, "12.5");
  g.EscapeEnEditor();
  EXPECT_EQ(reja.Texto(1, 8), "12.50");
  Tecla(teclas::kEnter);
  EXPECT_EQ(reja.editor, "12.50");
  EXPECT_TRUE(reja.apertura.seleccionaTodo);
  g.EscapeEnEditor();
  reja.FijaTexto(1, 8, "");
  Tecla(teclas::kRetroceso);
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(op.pitidos, 1);
  // Esc on the grid does nothing; handed to EditaCelda it beeps.
  Tecla(teclas::kEscape);
  EXPECT_EQ(op.pitidos, 1);
  char32_t esc = teclas::kEscape;
  g.EditaCelda(esc);
  EXPECT_EQ(op.pitidos, 2);
  EXPECT_EQ(esc, 0U);
}

TEST_F(Pagos, EnterValidaEscribeConFormatoTotalizaYBaja) {
  Tecla(U'9');
  reja.Teclea("9.5");
  g.EnterEnEditor();
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(reja.Texto(1, 8), "99.50");
  EXPECT_EQ(validados, std::vector<std::string>{"99.5"});
  EXPECT_EQ(totalizados, (std::vector<std::pair<int, int>>{{1, 8}}));
  // One editable column: the same column one row down, no editor there.
  EXPECT_EQ(reja.Renglon(), 2);
  EXPECT_EQ(reja.Columna(), 8);
  // On the last row, without adding rows, it stays.
  Tecla(U'0');
  g.EnterEnEditor();
  EXPECT_EQ(reja.Texto(2, 8), "0.00");
  EXPECT_EQ(reja.Renglones(), 3);
  EXPECT_EQ(reja.Renglon(), 2);
  EXPECT_FALSE(reja.abierto);
}

TEST_F(Pagos, UnValorRechazadoDejaElEditorAbierto) {
  Tecla(U'1');
  reja.Teclea("50.75");
  g.EnterEnEditor();
  EXPECT_TRUE(reja.abierto);
  EXPECT_EQ(reja.editor, "150.75");
  EXPECT_EQ(reja.Texto(1, 8), "12.50");
  EXPECT_TRUE(totalizados.empty());
  EXPECT_EQ(op.pitidos, 1);
  // Leaving by the focus is refused the same way; Esc gives the cell back.
  g.EditorPierdeFoco();
  EXPECT_TRUE(reja.abierto);
  EXPECT_FALSE(reja.focoEnReja);
  g.EscapeEnEditor();
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(reja.Texto(1, 8), "12.50");
  EXPECT_TRUE(totalizados.empty());
  // A value that is not a number is no amount.
  Tecla(U'-');
  g.EnterEnEditor();
  EXPECT_TRUE(reja.abierto);
}

TEST_F(Pagos, PerderElFocoEscribeSinAvanzar) {
  Tecla(U'3');
  g.EditorPierdeFoco();
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(reja.Texto(1, 8), "3.00");
  EXPECT_EQ(reja.Renglon(), 1);
  EXPECT_EQ(totalizados.size(), 1U);
  // Once closed, a late focus loss writes nothing again.
  g.EditorPierdeFoco();
  EXPECT_EQ(totalizados.size(), 1U);
}

TEST_F(Pagos, FlechasEscribenYMuevenUnRenglon) {
  Tecla(U'4');
  g.ArribaEnEditor();  // row 1: nowhere to go
  EXPECT_TRUE(reja.abierto);
  EXPECT_EQ(op.pitidos, 1);
  g.AbajoEnEditor();
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(reja.Texto(1, 8), "4.00");
  EXPECT_EQ(reja.Renglon(), 2);
  Tecla(U'6');
  g.AbajoEnEditor();  // last row
  EXPECT_TRUE(reja.abierto);
  g.ArribaEnEditor();
  EXPECT_EQ(reja.Texto(2, 8), "6.00");
  EXPECT_EQ(reja.Renglon(), 1);
}

TEST_F(Pagos, BorrarPreguntaYDejaSiempreUnRenglon) {
  reja.VeA(2, 8);
  op.respuestas = {Botones::kRespNo};
  g.TeclaEspecial(teclas::Especial::Suprimir);
  ASSERT_EQ(op.cajas.size(), 1U);
  EXPECT_EQ(op.cajas[0].texto, "¿Desea eliminar el renglón 2?");
  EXPECT_EQ(op.cajas[0].titulo, "Borrar línea");
  EXPECT_EQ(op.cajas[0].botones, Botones::kSiNo | Botones::kPregunta | Botones::kSegundoPorOmision);
  EXPECT_EQ(reja.Renglones(), 3);
  op.respuestas = {Botones::kRespSi};
  g.BorrarReglon();
  EXPECT_EQ(reja.Renglones(), 2);
  EXPECT_EQ(reja.Texto(1, 11), "41");
  // The only data row: one blank row remains, and it goes without a question.
  reja.VeA(1, 8);
  op.respuestas = {Botones::kRespSi};
  g.BorrarReglon();
  EXPECT_EQ(reja.Renglones(), 2);
  EXPECT_EQ(reja.Texto(1, 11), "");
  EXPECT_EQ(reja.Texto(1, 8), "");
  EXPECT_EQ(reja.Renglon(), 1);  // the current cell stays on the data row
  g.BorrarReglon();
  EXPECT_EQ(op.cajas.size(), 3U);
  EXPECT_EQ(reja.Renglones(), 2);
  // No rows can be added to this grid.
  g.AgregarRenglon();
  EXPECT_EQ(reja.Renglones(), 2);
}

TEST_F(Pagos, BorrarApagadoOSobreLosTitulosPita) {
  g.BorrarRenglones(false);
  g.BorrarReglon();
  EXPECT_EQ(op.pitidos, 1);
  g.BorrarRenglones(true);
  reja.VeA(0, 8);
  g.BorrarReglon();
  EXPECT_EQ(op.pitidos, 2);
  EXPECT_TRUE(op.cajas.empty());
  EXPECT_EQ(reja.Renglones(), 3);
  int suprimido = 0;
  g.SuprimeLinea([&](int r) { suprimido = r; });
  reja.VeA(2, 8);
  g.BorrarReglon();
  EXPECT_EQ(suprimido, 2);
  EXPECT_EQ(reja.Renglones(), 3);
}

TEST_F(Pagos, SinEditarNadaCambia) {
  g.EsEditable(false);
  EXPECT_FALSE(g.TeclaEscrita(U'5'));
  EXPECT_FALSE(g.TeclaEspecial(teclas::Especial::Suprimir));
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(reja.Renglones(), 3);
  g.EsEditable(true);
  reja.oculto = 1;
  Tecla(U'5');
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(op.pitidos, 1);
}

TEST_F(Pagos, UnMetodoQueLaVentanaNoTieneSeDiceYNoDejaEscribir) {
  EdicionGrid otra(reja, op);
  otra.AgregaColumna(8, TipoDeEditor::kTexto, "9", 0, "#,0.00", "", "Valida");
  otra.TeclaEscrita(U'5');
  otra.EnterEnEditor();
  EXPECT_TRUE(reja.abierto);
  ASSERT_EQ(op.cajas.size(), 1U);
  EXPECT_EQ(op.cajas[0].texto, "La ventana no tiene el método «Valida» que pide su reja.");
  EXPECT_EQ(reja.Texto(1, 8), "12.50");
}

// A general grid: code, description, quantity, a mark; rows added as the
// list is typed.
struct Captura : ::testing::Test {
  Captura() : reja(2, 5), g(reja, op) {
    g.Numerar(true);
    g.ColumnaPrincipal(1);
    g.AntesDeInsertar([this](int r) { insertados.push_back(r); });
    g.AgregaColumna(1, TipoDeEditor::kTexto, "!", 5);
    g.AgregaColumna(2, TipoDeEditor::kTexto, "", 0, "", "", {}, [this] { return consulta; });
    g.AgregaColumna(3, TipoDeEditor::kTexto, "9", 0, "#,0");
    reja.VeA(1, 1);
  }
  RejaDePrueba reja;
  OperadorDePrueba op;
  EdicionGrid g;
  std::vector<int> insertados;
  std::string consulta;
};

TEST_F(Captura, SeEscribeDeCeldaEnCeldaYSeAgreganRenglones) {
  g.TeclaEscrita(U'a');
  EXPECT_EQ(reja.Texto(1, 0), "1");
  EXPECT_EQ(reja.editor, "A");
  EXPECT_EQ(reja.apertura.longitud, 5);
  reja.Teclea("B1");
  g.EnterEnEditor();
  EXPECT_EQ(reja.Texto(1, 1), "AB1");
  // On to the next column, editing it at once.
  EXPECT_EQ(reja.Columna(), 2);
  ASSERT_TRUE(reja.abierto);
  reja.FijaTextoEditor("Pan's \"dulce\"");
  g.EnterEnEditor();
  EXPECT_EQ(reja.Columna(), 3);
  reja.FijaTextoEditor("1500");
  g.EnterEnEditor();
  EXPECT_EQ(reja.Texto(1, 3), "1,500");
  // Past the last cell: a new numbered row, its first column being edited.
  EXPECT_EQ(reja.Renglones(), 3);
  EXPECT_EQ(insertados, std::vector<int>{2});
  EXPECT_EQ(reja.Texto(2, 0), "2");
  EXPECT_EQ(reja.Renglon(), 2);
  EXPECT_EQ(reja.Columna(), 1);
  EXPECT_TRUE(reja.abierto);
  g.EscapeEnEditor();
  // Insert on an empty last row goes there instead of adding another.
  reja.VeA(1, 3);
  g.TeclaEspecial(teclas::Especial::Insertar);
  EXPECT_EQ(reja.Renglones(), 3);
  EXPECT_EQ(reja.Renglon(), 2);
  EXPECT_TRUE(reja.abierto);
  g.EscapeEnEditor();
}

TEST_F(Captura, LaColumnaPrincipalEnBlancoImpideEditarLasDemas) {
  reja.VeA(1, 3);
  g.TeclaEscrita(U'5');
  EXPECT_FALSE(reja.abierto);
  EXPECT_EQ(op.pitidos, 1);
  reja.FijaTexto(1, 1, "P1");
  g.TeclaEscrita(U'5');
  EXPECT_TRUE(reja.abierto);
  EXPECT_EQ(g.TeclaEnEditor(U'\''), 0U);  // a double quote is no number
  g.EscapeEnEditor();
  reja.VeA(1, 2);
  g.TeclaEscrita(U'\'');
  EXPECT_EQ(reja.editor, "\"");
}

TEST_F(Captura, ShiftF1PasaLaConsultaPorElEditor) {
  reja.FijaTexto(1, 1, "P1");
  reja.FijaTexto(1, 2, "antes");
  reja.VeA(1, 2);
  consulta = "";  // a look-up given up leaves the cell alone
  g.TeclaEspecial(teclas::Especial::ShiftF1);
  EXPECT_EQ(reja.Texto(1, 2), "antes");
  EXPECT_FALSE(reja.abierto);
  consulta = "Pan dulce";
  g.TeclaEspecial(teclas::Especial::ShiftF1);
  EXPECT_EQ(reja.Texto(1, 2), "Pan dulce");
  EXPECT_EQ(reja.Columna(), 3);  // written as with Enter, and on to the next column
  g.EscapeEnEditor();
  // Inside the editor it replaces the text.
  reja.VeA(1, 2);
  g.Modificar();
  consulta = "Bolillo";
  g.ShiftF1EnEditor();
  EXPECT_EQ(reja.editor, "Bolillo");
}

TEST_F(Captura, EspacioConPorEspacioLlamaALaVentana) {
  std::vector<std::pair<int, int>> espacios;
  g.PorEspacio("Marcar");
  ObjetoDeMetodos metodos;
  metodos.Celda("Marcar", [&](int r, int c) { espacios.emplace_back(r, c); });
  g.ObjetoDeMetodos(metodos);
  reja.FijaTexto(1, 1, "P1");
  reja.VeA(1, 2);
  EXPECT_TRUE(g.TeclaEspecial(teclas::Especial::Espacio));
  EXPECT_TRUE(g.TeclaEscrita(teclas::kEspacio));  // swallowed, no editor
  EXPECT_EQ(espacios, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_FALSE(reja.abierto);
}

TEST_F(Captura, BorrarRenumera) {
  reja.FijaRenglones(4);
  for (int r = 1; r <= 3; ++r) reja.FijaTexto(r, 1, "P" + std::to_string(r));
  g.Borrarlo(1);
  EXPECT_EQ(reja.Renglones(), 3);
  EXPECT_EQ(reja.Texto(1, 0), "1");
  EXPECT_EQ(reja.Texto(1, 1), "P2");
  EXPECT_EQ(reja.Texto(2, 0), "2");
  EXPECT_EQ(reja.Texto(2, 1), "P3");
  g.Borrarlo(7);  // no such row
  EXPECT_EQ(reja.Renglones(), 3);
}

TEST(Editores, MarcaComboYMascara) {
  RejaDePrueba reja(3, 4);
  OperadorDePrueba op;
  EdicionGrid g(reja, op);
  std::vector<std::pair<int, int>> despues;
  g.CambioAutomatico(false);
  g.AgregaColumna(1, TipoDeEditor::kMarca, "1", 0, "", "", {}, {}, {}, 14,
                  [&](int r, int c) { despues.emplace_back(r, c); });
  g.AgregaColumna(2, TipoDeEditor::kCombo, "", 0, "", "", {}, {},
                  [](ListaDeOpciones& l, int, int) { l.Agrega("Contado"), l.Agrega("Crédito"); });
  g.AgregaColumna(3, TipoDeEditor::kMascara, "", 0, "dd/mmm/yyyy", "##/##/####");

  reja.VeA(1, 1);
  g.TeclaEscrita(teclas::kEspacio);
  EXPECT_EQ(reja.Texto(1, 1), EdicionGrid::kMarcada);
  EXPECT_TRUE(g.CeldaMarcada());
  EXPECT_EQ(reja.puntosDeMarca, 14);
  g.TeclaEscrita(teclas::kEnter);
  EXPECT_FALSE(g.CeldaMarcada());
  g.TeclaEscrita(U'x');
  EXPECT_FALSE(g.CeldaMarcada());
  EXPECT_EQ(despues.size(), 2U);
  EXPECT_FALSE(reja.abierto);

  reja.VeA(1, 2);
  g.TeclaEscrita(teclas::kEnter);
  EXPECT_EQ(reja.lista.opciones, (std::vector<std::string>{"Contado", "Crédito"}));
  EXPECT_EQ(reja.editor, "Contado");
  reja.FijaTextoEditor("Crédito");
  g.EnterEnEditor();
  EXPECT_EQ(reja.Texto(1, 2), "Crédito");
  g.TeclaEscrita(teclas::kEnter);  // the cell's own text now, the list filled afresh
  EXPECT_EQ(reja.editor, "Crédito");
  EXPECT_EQ(reja.lista.Cuantas(), 2);
  g.EscapeEnEditor();

  reja.VeA(1, 3);
  g.TeclaEscrita(U'3');
  EXPECT_EQ(reja.apertura.mascara, "##/##/####");
  reja.FijaTextoEditor("31/02/2026");
  g.EnterEnEditor();
  EXPECT_TRUE(reja.abierto);
  reja.FijaTextoEditor("08/12/2026");
  g.EnterEnEditor();
  EXPECT_EQ(reja.Texto(1, 3), "08/dic/2026");
  EXPECT_EQ(reja.Renglon(), 1);  // no advancing

  // Advancing onto a check mark goes there without flipping it.
  g.CambioAutomatico(true);
  reja.VeA(2, 3);
  g.TeclaEscrita(teclas::kEnter);
  reja.FijaTextoEditor("01/01/2027");
  g.EnterEnEditor();
  EXPECT_EQ(reja.Renglones(), 4);
  EXPECT_EQ(reja.Renglon(), 3);
  EXPECT_EQ(reja.Columna(), 1);
  EXPECT_EQ(reja.Texto(3, 1), "");
  EXPECT_FALSE(reja.abierto);
}

}  // namespace
}  // namespace travesa
