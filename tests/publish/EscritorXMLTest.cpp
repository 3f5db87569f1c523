// The streaming writer gives, byte for byte, the file the catalogue's former
// document tree (pugixml, raw format) gives, on texts that need escaping or
// filtering and on documents of every shape; what XML cannot carry is left out.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "comun/CarpetaTemporal.h"
#include "publish/EscritorXML.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

using prueba::LeeArchivo;

// The catalogue files as they were written before: a whole tree, then saved.
class Arbol {
 public:
  explicit Arbol(const std::string& raiz) {
    doc_.append_child(pugi::node_declaration).append_attribute("version") = "1.0";
    raiz_ = doc_.append_child(raiz.c_str());
  }
  pugi::xml_node raiz() { return raiz_; }
  pugi::xml_node Agrega(pugi::xml_node padre, const std::string& nombre) { return padre.append_child(nombre.c_str()); }
  void AgregaTexto(pugi::xml_node padre, const std::string& nombre, std::string_view texto) {
    Agrega(padre, nombre).append_child(pugi::node_pcdata).set_value(EscritorXML::TextoValido(texto).c_str());
  }
  void Guarda(const std::filesystem::path& archivo) {
    ASSERT_TRUE(doc_.save_file(archivo.c_str(), "", pugi::format_raw, pugi::encoding_utf8));
  }

 private:
  pugi::xml_document doc_;
  pugi::xml_node raiz_;
};

std::vector<std::string> Archivos(const std::filesystem::path& carpeta) {
  std::vector<std::string> nombres;
  for (const auto& e : std::filesystem::directory_iterator(carpeta)) nombres.push_back(e.path().filename().string());
  std::sort(nombres.begin(), nombres.end());
  return nombres;
}

// A document as the catalogue writers see it: records of named texts.
struct Registro {
  std::vector<std::pair<std::string, std::string>> campos;
};

const std::vector<std::string>& TextosDificiles() {
  static const std::vector<std::string> textos = {
      "",
      "Jabón & Cía <barra> \"grande\" 'chica' ñÑ",
      "a>b]]>c &amp; &#38; &lt;",
      std::string("nulo\0medio", 10),
      "\x01\x02\x08\x0b\x0c\x1f control",
      "línea\r\nsegunda\nterce\rra\ttab",
      "€ 😀 «comillas» – guión",
      "\x7f borrar",
      "\xc3",  // a UTF-8 sequence cut short
      "a\xEF\xBF\xBE"
      "b\xC0\xAF"
      "c\xED\xA0\x80"
      "d\xF4\x90\x80\x80"
      "e\xFF & <f>",
  };
  return textos;
}

class EscritorXMLTest : public ::testing::Test {
 protected:
  // The same document through the tree writer and the streaming one.
  void Compara(const std::string& raiz, const std::string& registro, const std::vector<Registro>& registros) {
    Arbol doc(raiz);
    EscritorXML escritor(dir_ / "stream.xml", raiz);
    for (const Registro& r : registros) {
      pugi::xml_node nodo = doc.Agrega(doc.raiz(), registro);
      escritor.Abre(registro);
      for (const auto& [nombre, texto] : r.campos) {
        doc.AgregaTexto(nodo, nombre, texto);
        escritor.Elemento(nombre, texto);
      }
      escritor.Cierra();
    }
    doc.Guarda(dir_ / "arbol.xml");
    escritor.Termina();
    const std::string esperado = LeeArchivo(dir_ / "arbol.xml");
    ASSERT_EQ(LeeArchivo(dir_ / "stream.xml"), esperado);
    EXPECT_EQ(Archivos(dir_.ruta()), (std::vector<std::string>{"arbol.xml", "stream.xml"}));
  }

  prueba::CarpetaTemporal dir_;
};

TEST_F(EscritorXMLTest, TextosDificilesIgualesAlArbol) {
  std::vector<Registro> registros;
  for (const std::string& t : TextosDificiles()) registros.push_back({{{"clave", "P1"}, {"descripcion", t}}});
  Compara("productos", "producto", registros);
  // Every text in one field, and each byte on its own.
  std::string todos;
  for (const std::string& t : TextosDificiles()) todos += t;
  Compara("productos", "producto", {{{{"descripcion", todos}}}});
  std::vector<Registro> bytes;
  for (int b = 1; b < 256; ++b) bytes.push_back({{{"b", std::string(1, static_cast<char>(b))}}});
  Compara("bytes", "byte", bytes);
}

TEST_F(EscritorXMLTest, FormasDelDocumentoIgualesAlArbol) {
  Compara("productos", "producto", {});                          // root alone: <productos/>
  Compara("vendedores", "vendedor", {{}, {{{"clave", "V1"}}}});  // a record without fields
  // Large enough to be written in several blocks.
  std::vector<Registro> muchos;
  for (int i = 0; i < 20000; ++i)
    muchos.push_back({{{"clave", "C" + std::to_string(i)}, {"nombre", "Peña & <Hijos> " + std::to_string(i)}}});
  muchos.push_back({{{"largo", std::string(300000, 'x') + "&"}}});
  Compara("clientes", "cliente", muchos);
}

TEST_F(EscritorXMLTest, ElementosBajoLaRaizComoLaConfiguracion) {
  Arbol doc("Configuracion");
  EscritorXML escritor(dir_ / "stream.xml", "Configuracion");
  for (const char* n : {"modificaprecios", "vercxc", "claveconfiguracion"}) {
    doc.AgregaTexto(doc.raiz(), n, "S<");
    escritor.Elemento(n, "S<");
  }
  doc.Guarda(dir_ / "arbol.xml");
  escritor.Termina();
  EXPECT_EQ(LeeArchivo(dir_ / "stream.xml"), LeeArchivo(dir_ / "arbol.xml"));
}

TEST_F(EscritorXMLTest, SoloUnArchivoTerminadoReemplazaAlAnterior) {
  prueba::EscribeArchivo(dir_ / "productos.xml", "anterior");
  {
    EscritorXML escritor(dir_ / "productos.xml", "productos");
    escritor.Elemento("clave", "P1");
    // Ended by an error before Termina: the published copy stays, no leftovers.
  }
  EXPECT_EQ(LeeArchivo(dir_ / "productos.xml"), "anterior");
  EXPECT_EQ(Archivos(dir_.ruta()), std::vector<std::string>{"productos.xml"});
  EscritorXML escritor(dir_ / "productos.xml", "productos");
  escritor.Termina();
  EXPECT_EQ(LeeArchivo(dir_ / "productos.xml"), "<?xml version=\"1.0\"?><productos/>");
  EXPECT_THROW(EscritorXML(dir_ / "no" / "existe.xml", "x"), ErrorTravesa);
}

// What an XML 1.0 parser refuses never reaches a file: the non-characters
// U+FFFE and U+FFFF, control characters, and bytes of broken UTF-8.
TEST(TextoValidoTest, DejaFueraLoQueXmlNoAdmite) {
  const auto valido = [](std::string_view s) { return EscritorXML::TextoValido(s); };
  EXPECT_EQ(valido("Peña\t\r\n€ 😀 \xEF\xBF\xBD"), "Peña\t\r\n€ 😀 \xEF\xBF\xBD");  // U+FFFD stays
  EXPECT_EQ(valido("a\xEF\xBF\xBE"
                   "b\xEF\xBF\xBF"
                   "c\x01\x1F"
                   "d"),
            "abcd");
  EXPECT_EQ(valido("a\xC0\xAF"
                   "b\xE0\x80\xAF"
                   "c\xED\xA0\x80"
                   "d\xF4\x90\x80\x80"
                   "e"),
            "abcde");  // overlong, surrogate, > U+10FFFF
  EXPECT_EQ(valido("a\x80"
                   "b\xC3"
                   "c\xE2\x82"
                   "d\xF5\x80\x80\x80"
                   "e\xFF"),
            "abcde");  // stray and cut sequences
  EXPECT_EQ(valido("Ni\xC3\xB1o\xC3"), "Niño");
  std::string escapado;
  EscritorXML::AgregaValido(escapado, "Peña & <Cía>\x01 \xEF\xBF\xBE\"'", true);
  EXPECT_EQ(escapado, "Peña &amp; &lt;Cía&gt; \"'");
}

}  // namespace
}  // namespace travesa
