"""The device simulator against the real FTP test server and a catalogue that the
real program published from the demo database: every file it uploads is read back
here with the rules the desk reads it by (line cutting, value splitting, the
positions of both layouts, the payment file name and groups, the tag search of
the customers and products files)."""
import datetime as dt
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET
from collections import Counter, defaultdict
from decimal import Decimal

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "comun"))
import travesa_prueba as tp  # noqa: E402

MESES = {m: i + 1 for i, m in enumerate(("jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct",
                                        "nov", "dec"))}
MESES.update({m: i + 1 for i, m in enumerate(("ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep",
                                             "oct", "nov", "dic"))})


def lee(ruta):
    with open(ruta, "rb") as f:
        return f.read()


def separa_valores(texto, ultimo):
    """A value list split as the desk does: quotes group, ", " separates, a
    closing quote emits; the result is forced to ultimo + 1 values."""
    valores, actual, comillas, i = [], "", False, 0
    while i < len(texto):
        c = texto[i]
        if c == "'" and comillas:
            valores.append(actual)
            actual, comillas = "", False
            if i < len(texto) - 1:
                i += 2
            else:
                valores.append("")
        elif c == "'":
            comillas = True
        elif c == "," and not comillas:
            valores.append(actual)
            actual = ""
            i += 1
        else:
            actual += c
            if i == len(texto) - 1:
                valores.append(actual)
        i += 1
    return (valores + [""] * (ultimo + 1))[: ultimo + 1]


def lineas_de_ventas(datos):
    texto = datos.replace(b"\\'", b'"').decode("utf-8")
    lineas = []
    while "\n" in texto:
        linea, texto = texto.split("\n", 1)
        resto = linea.split("(", 1)[1]
        campos = resto.split(")", 1)[0].split(", ")
        valores = resto.split("(", 1)[1].split(")", 1)[0]
        lineas.append((campos, separa_valores(valores, len(campos) - 1)))
    assert texto == "", "la última línea no termina en LF y no se leería"
    return lineas


def fecha_hora(texto):
    """The device date-time forms the desk accepts."""
    m = re.fullmatch(r"(\w{3}) (\d{1,2}),? (\d{4}) (\d{1,2}):(\d{2}):(\d{2})(?: (AM|PM))?", texto)
    assert m, f"fecha del teléfono no válida: {texto!r}"
    mes, dia, anio, h, mi, s, ampm = m.groups()
    h = int(h)
    if ampm:
        h = h % 12 + (12 if ampm == "PM" else 0)
    return dt.date(int(anio), MESES[mes.lower()], int(dia)), dt.time(h, int(mi), int(s))


def grupos_de_pagos(datos):
    """Payment records as the desk finds them: from each "values (" to the next ")"
    followed by a line end, split at every comma."""
    texto = datos.replace(b"\\'", b"'").decode("utf-8")
    registros, pos = [], 0
    while (ini := texto.find("values (", pos)) >= 0:
        ini += len("values (")
        fin = min((p for p in (texto.find(")\n", ini), texto.find(")\r\n", ini), texto.find(")\r", ini)) if p >= 0),
                  default=-1)
        assert fin >= 0, "grupo de pago sin cierre"
        registros.append(texto[ini:fin].split(","))
        pos = fin
    return registros


def etiquetas(texto, nombres):
    """The tag search of the desk: each element found after the previous one."""
    pos, valores = 0, {}
    for n in nombres:
        ini = texto.index(f"<{n}>", pos) + len(n) + 2
        fin = texto.index(f"</{n}>", ini)
        valores[n], pos = texto[ini:fin], fin
    return valores, pos


class PruebaDispositivo(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.inst = tp.Instalacion("dispositivo")
        cls.inst.travesa("generar")
        cls.catalogo = {n: lee(os.path.join(cls.inst.en_disco, n))
                        for n in ("vendedores.xml", "productos.xml", "clientes.xml", "cxcs.xml")}
        cls.manifiesto_archivo = os.path.join(cls.inst.programa, "manifiesto.json")
        cls.salida = cls.inst.dispositivo("--semilla", "7", "--fecha", "2026-12-08", "--vendedores", "3",
                                          "--ventas", "30", "--pagos", "12", "--archivos-pagos", "4",
                                          "--manifiesto", cls.manifiesto_archivo).stdout
        with open(cls.manifiesto_archivo, encoding="utf-8") as f:
            cls.m = json.load(f)

    @classmethod
    def tearDownClass(cls):
        cls.inst.cierra()

    def sitio(self, nombre):
        return lee(os.path.join(self.inst.en_disco, nombre))

    def registros(self, nombre):
        return [{h.tag: h.text or "" for h in r} for r in ET.fromstring(self.catalogo[nombre])]

    def test_archivos_de_ventas_en_el_formato_de_lineas(self):
        ventas = {(v["vendedor"], v["cliente"], v["fecha"], v["hora"]): v for v in self.m["ventas"]}
        productos = {p["clave"] for p in self.registros("productos.xml")}
        vistas, disenos, notas = Counter(), Counter(), set()
        nombres = [n for n in os.listdir(self.inst.en_disco) if n.startswith("ventas_")]
        self.assertEqual(sorted(nombres), sorted({v["archivo"] for v in self.m["ventas"]}))
        for nombre in nombres:
            self.assertRegex(nombre, r"^ventas_tel\d\d_V\d\d_\d\d_\d\d_2026_\d\d_\d\d_\d\d\.sql$")
            anterior = None
            for campos, valores in lineas_de_ventas(self.sitio(nombre)):
                self.assertIn(len(campos), (18, 21))
                disenos[len(campos)] += 1
                fecha, hora = fecha_hora(valores[0])
                clave = (valores[1], valores[2], fecha.isoformat(), hora.isoformat())
                self.assertIn(clave, ventas)
                venta = ventas[clave]
                self.assertEqual(venta["archivo"], nombre)
                self.assertEqual(venta["columnas"], len(campos))
                partida = venta["partidas"][vistas[clave]]
                vistas[clave] += 1
                self.assertEqual(valores[3], partida["producto"])
                self.assertIn(valores[3], productos)
                self.assertEqual(Decimal(valores[4]), Decimal(partida["cantidad"]))
                self.assertEqual(Decimal(valores[6]), (Decimal(valores[4]) * Decimal(valores[5])).quantize(Decimal("0.01")))
                self.assertIn(valores[7], ("CO", "C"))
                self.assertEqual(valores[7], venta["forma"])
                lista = valores[10] if len(campos) == 21 and valores[10].isdigit() else valores[8]
                self.assertEqual(int(lista), partida["numPrecio"])
                self.assertEqual(valores[9], venta["nota_guardada"])
                notas.add(valores[9])
                formas = [Decimal(x) for x in valores[-8:]]
                self.assertEqual(formas, [Decimal(x) for x in venta["formas"]])
                if venta["forma"] == "CO":
                    self.assertEqual(sum(formas), Decimal(venta["total"]))
                else:
                    self.assertEqual(sum(formas), 0)
                # One sale is one run of lines with the same client, date and time.
                if anterior is not None and anterior != clave:
                    self.assertEqual(vistas[anterior], len(ventas[anterior]["partidas"]))
                anterior = clave
        self.assertEqual(sum(vistas.values()), sum(len(v["partidas"]) for v in self.m["ventas"]))
        for clave, venta in ventas.items():
            self.assertEqual(sum(Decimal(p["importe"]) for p in venta["partidas"]), Decimal(venta["total"]))
        self.assertEqual(len(ventas), 30)
        self.assertTrue(disenos[18] and disenos[21], "los dos diseños de línea")
        self.assertIn('Cliente dice: "pago el viernes"', notas, "el apóstrofo llega como comillas")
        self.assertIn("Doña Inés pidió factura", notas)
        self.assertEqual({v["forma"] for v in self.m["ventas"]}, {"CO", "C"})
        self.assertTrue(any(len(v["partidas"]) > 1 for v in self.m["ventas"]))
        # The desk tells sales apart by seller, client and minute (tickets) or second.
        minutos = Counter((v["vendedor"], v["cliente"], v["fecha"], v["hora"][:5]) for v in self.m["ventas"])
        self.assertEqual(max(minutos.values()), 1)

    def test_archivos_de_pagos_contra_cuentas_abiertas(self):
        cxcs = {int(c["id"]): c for c in self.registros("cxcs.xml")}
        nombres = sorted(n for n in os.listdir(self.inst.en_disco) if n.startswith("cxcs_"))
        self.assertEqual(len(nombres), 4)
        leidos = []
        for nombre in nombres:
            partes = nombre.split("_")
            self.assertEqual(len(partes), 8, "siete guiones bajos")
            self.assertTrue(partes[7].endswith(".sql"))
            _, dispositivo, vendedor, d, m, a, h, mi = partes
            self.assertEqual(f"{a}-{m}-{d}", "2026-12-08")
            hora = f"{h}:{mi[:-4]}"
            por_archivo = []
            for items in grupos_de_pagos(self.sitio(nombre)):
                self.assertGreaterEqual(len(items), 5)
                por_archivo.append(int(items[3]))
                leidos.append((nombre, int(items[3]), Decimal(items[4].strip()), hora))
            self.assertEqual(len(por_archivo), len(set(por_archivo)), "una cuenta, una vez por archivo")
        esperados = [(p["archivo"], p["cxc"], Decimal(p["monto"]), p["hora"]) for p in self.m["pagos"]]
        self.assertEqual(sorted(leidos), sorted(esperados))
        self.assertEqual(len(leidos), 12)
        pagado = defaultdict(Decimal)
        for _, cxc, monto, _ in leidos:
            self.assertIn(cxc, cxcs)
            self.assertGreater(monto, 0)
            pagado[cxc] += monto
        for cxc, total in pagado.items():
            resto = Decimal(cxcs[cxc]["saldo"]) - total
            self.assertTrue(resto == 0 or resto >= 1, f"cuenta {cxc}: queda {resto}")
        self.assertIn(b"\r\n", b"".join(self.sitio(n) for n in nombres), "un teléfono termina en CR LF")

    def test_clientes_del_telefono(self):
        texto = self.sitio("clientes.xml").decode("utf-8")
        ET.fromstring(texto)  # still well formed for the phones
        campos = ("clave", "nombre", "numPrecio", "calle", "numExterior", "numInterior", "colonia", "cp",
                  "ciudad", "estado", "telefono1", "telefono2", "telefono3", "telefono4", "atencion",
                  "diascredito")
        vistos, pos = {}, 0
        while (ini := texto.find("<clave>", pos)) >= 0:
            valores, fin = etiquetas(texto[ini:], campos)
            vistos[valores["clave"]] = valores
            pos = ini + fin
        publicados = {c["clave"] for c in self.registros("clientes.xml")}
        nuevos = {c["clave"]: c for c in self.m["clientes"]}
        self.assertEqual(set(vistos), publicados | set(nuevos))
        self.assertEqual(len(nuevos), 3)
        self.assertFalse(publicados & set(nuevos))
        self.assertTrue(any(k.startswith("Ñ") for k in nuevos))
        for clave, c in nuevos.items():
            self.assertEqual(vistos[clave]["nombre"].replace("&amp;", "&"), c["nombre"])
            self.assertTrue(0 < int(vistos[clave]["numPrecio"]) <= 5)
            self.assertTrue(0 <= int(vistos[clave]["diascredito"]) <= 255)
        existentes = self.inst.base.filas("SELECT Clave FROM clientes")
        self.assertFalse({f[0] for f in existentes} & set(nuevos))
        # A new customer buys the same day.
        self.assertTrue(set(nuevos) & {v["cliente"] for v in self.m["ventas"]})

    def test_productos_con_el_sobrante(self):
        texto = self.sitio("productos.xml").decode("utf-8")
        ET.fromstring(texto)
        leido, pos = {}, 0
        while (ini := texto.find("<clave>", pos)) >= 0:
            valores, fin = etiquetas(texto[ini:], ("clave", "descripcion", "existencia"))
            leido[valores["clave"]] = Decimal(valores["existencia"])
            pos = ini + fin
        self.assertEqual(set(leido), {p["clave"] for p in self.registros("productos.xml")})
        sobrante = {s["clave"]: Decimal(s["existencia"]) for s in self.m["sobrante"]}
        self.assertEqual({k: q for k, q in leido.items() if q}, sobrante)
        self.assertIn(Decimal("2.5"), sobrante.values())
        self.assertEqual(len(sobrante), 5)

    def test_misma_semilla_y_fecha_mismos_archivos_otra_fecha_otro_dia(self):
        with tempfile.TemporaryDirectory() as d:
            catalogo = os.path.join(d, "catalogo")
            os.makedirs(catalogo)
            for n, datos in self.catalogo.items():
                with open(os.path.join(catalogo, n), "wb") as f:
                    f.write(datos)

            def local(carpeta, *extra):
                subprocess.run(["/usr/bin/python3", tp.DISPOSITIVO, "--catalogo", catalogo, "--salida",
                                os.path.join(d, carpeta), "--semilla", "7", "--vendedores", "3", "--ventas", "30",
                                "--pagos", "12", "--archivos-pagos", "4", *extra], check=True, capture_output=True)
                r = os.path.join(d, carpeta)
                return {n: lee(os.path.join(r, n)) for n in os.listdir(r)}

            uno = local("uno", "--fecha", "2026-12-08")
            self.assertEqual(uno, local("dos", "--fecha", "2026-12-08"))
            subidos = {n: self.sitio(n) for n in uno}
            self.assertEqual(uno, subidos, "lo subido y lo escrito en carpeta son lo mismo")
            otro = local("tres", "--fecha", "2026-12-09")
            self.assertFalse({n for n in uno if n.startswith(("ventas_", "cxcs_"))} & set(otro))
            self.assertNotEqual(uno["clientes.xml"], otro["clientes.xml"])

    def test_tamano_por_opciones(self):
        with tempfile.TemporaryDirectory() as d:
            r = subprocess.run(["/usr/bin/python3", tp.DISPOSITIVO, "--catalogo", self.inst.programa, "--salida", d,
                                "--vendedores", "4", "--ventas", "600", "--archivos-ventas", "20", "--partidas", "6",
                                "--pagos", "150", "--archivos-pagos", "10", "--fecha", "2026-12-10",
                                "--manifiesto", "-"], check=True, capture_output=True, text=True)
            m = json.loads(r.stdout)
            nombres = os.listdir(d)
            self.assertEqual(sum(n.startswith("ventas_") for n in nombres), 20)
            self.assertEqual(sum(n.startswith("cxcs_") for n in nombres), 10)
            self.assertEqual(len(m["ventas"]), 600)
            self.assertEqual(len(m["pagos"]), 150)
            self.assertLessEqual(max(len(v["partidas"]) for v in m["ventas"]), 6)
            self.assertEqual({v["vendedor"] for v in m["ventas"]}, {"V01", "V02", "V03", "V04"})
            minutos = Counter((v["vendedor"], v["cliente"], v["hora"][:5]) for v in m["ventas"])
            self.assertEqual(max(minutos.values()), 1)
            por_archivo = Counter((p["archivo"], p["cxc"]) for p in m["pagos"])
            self.assertEqual(max(por_archivo.values()), 1)
            lineas = sum(len(lineas_de_ventas(lee(os.path.join(d, n))))
                         for n in nombres if n.startswith("ventas_"))
            self.assertEqual(lineas, sum(len(v["partidas"]) for v in m["ventas"]))

    def test_resumen_en_la_salida(self):
        self.assertIn("30 ventas", self.salida)
        self.assertIn("12 pagos en 4 archivos", self.salida)


if __name__ == "__main__":
    unittest.main()
