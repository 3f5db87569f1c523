// The streaming writer gives, byte for byte, the file the document tree gives,
// on texts that need escaping or filtering and on documents of every shape.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "comun/CarpetaTemporal.h"
#include "publish/DocumentoXML.h"
#include "publish/EscritorXML.h"
#include "shell/host/ErrorTravesa.h"

namespace travesa {
namespace {

using prueba::LeeArchivo;

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
  };
  return textos;
}

class EscritorXMLTest : public ::testing::Test {
 protected:
  // The same document through the tree writer and the streaming one.
  void Compara(const std::string& raiz, const std::string& registro, const std::vector<Registro>& registros) {
    DocumentoXML doc(raiz);
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
    EXPECT_FALSE(std::filesystem::exists(dir_ / "stream.xml.tmp"));
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
  Compara("productos", "producto", {});                        // root alone: <productos/>
  Compara("vendedores", "vendedor", {{}, {{{"clave", "V1"}}}});  // a record without fields
  // Large enough to be written in several blocks.
  std::vector<Registro> muchos;
  for (int i = 0; i < 20000; ++i)
    muchos.push_back({{{"clave", "C" + std::to_string(i)}, {"nombre", "Peña & <Hijos> " + std::to_string(i)}}});
  muchos.push_back({{{"largo", std::string(300000, 'x') + "&"}}});
  Compara("clientes", "cliente", muchos);
}

TEST_F(EscritorXMLTest, ElementosBajoLaRaizComoLaConfiguracion) {
  DocumentoXML doc("Configuracion");
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
  EXPECT_FALSE(std::filesystem::exists(dir_ / "productos.xml.tmp"));
  EscritorXML escritor(dir_ / "productos.xml", "productos");
  escritor.Termina();
  EXPECT_EQ(LeeArchivo(dir_ / "productos.xml"), "<?xml version=\"1.0\"?><productos/>");
  EXPECT_THROW(EscritorXML(dir_ / "no" / "existe.xml", "x"), ErrorTravesa);
}

}  // namespace
}  // namespace travesa
