"""The day's settlement of each seller against what the database holds: a
simulated day of three sellers (cash, card and credit sales, payments on the
road), a sale paid with every other payment form, a sale that fails, then the
day closed and a file that arrives after the close. Every figure of
`travesa liquidacion --json` is compared with sums taken from the tables and
from the phones' files, never from the ledger. The printed settlement that
`--pdf` writes, with no screen at all, is read back with pdftotext."""
import json
import os
import subprocess
import sys
import tempfile
import unittest
from collections import defaultdict
from decimal import Decimal

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "comun"))
import travesa_prueba as tp  # noqa: E402

DIA = "2026-12-08"
CENTAVO = Decimal("0.01")


def dinero(x):
    return Decimal(x).quantize(CENTAVO)


def linea(vendedor, cliente, hora, producto, cantidad, precio, forma, formas):
    importe = cantidad * precio
    valores = [f"'Dec 8, 2026 {hora}'", f"'{vendedor}'", f"'{cliente}'", f"'{producto}'", str(cantidad), str(precio),
               str(importe), f"'{forma}'", "1", "'a mano'"] + [str(f) for f in formas]
    return ("INSERT INTO ventas (fecha, vendedor, cliente, producto, cantidad, precio, importe, formapago, numprecio, "
            "nota, efectivo, tarjeta, fpago3, fpago4, fpago5, fpago6, fpago7, fpago8) VALUES (" +
            ", ".join(valores) + ");\n")


class Liquidacion(unittest.TestCase):
    def setUp(self):
        self.inst = tp.Instalacion("liquidacion")
        self.addCleanup(self.inst.cierra)
        self.inst.travesa("ajustes", "TipoMovimiento=R", "Traspaso=S", "EmpresaTraspaso=SUC")
        self.inst.travesa("generar")
        manifiesto = os.path.join(self.inst.programa, "dia.json")
        self.inst.dispositivo("--semilla", "11", "--fecha", DIA, "--vendedores", "3", "--ventas", "24",
                              "--pagos", "6", "--manifiesto", manifiesto)
        with open(manifiesto, encoding="utf-8") as f:
            self.dia = json.load(f)
        self.vendedores = [v["clave"] for v in self.dia["vendedores"]]
        self.productos = [f[0] for f in self.inst.base.filas("SELECT Clave FROM productos ORDER BY Clave LIMIT 2")]
        self.clientes = [f[0] for f in self.inst.base.filas("SELECT Clave FROM clientes ORDER BY Clave LIMIT 2")]

    def sube(self, nombre, texto):
        with open(os.path.join(self.inst.en_disco, nombre), "w", encoding="utf-8") as f:
            f.write(texto)

    def liquidacion(self, vendedor, *extra):
        r = self.inst.travesa("liquidacion", "--vendedor", vendedor, "--dia", DIA, "--json", *extra)
        # The question of --cerrar is answered on the screen before it.
        return json.loads(r.stdout[r.stdout.index("{\"vendedor\""):])

    def filas(self, sql):
        return self.inst.base.filas(sql)

    def comprueba(self, vendedor, l, formas_del_telefono):
        v = tp.literal(vendedor)
        cuantas, total = self.filas(f"SELECT COUNT(*), COALESCE(SUM(SubTotal), 0) FROM remisiones WHERE Vendedor = {v} "
                                    f"AND Fecha = '{DIA}'")[0]
        ventas = {x["tipo"]: x for x in l["ventas"]}
        self.assertEqual(ventas.get("Remisión", {"cuantas": 0})["cuantas"], int(cuantas), l)
        self.assertEqual(dinero(l["total"]), dinero(total), l)
        # Paid with the sale, per form, as the phones sent it; a cash sale with
        # no amounts is cash.
        pagado = [dinero(x["monto"]) for x in l["pagado"]]
        self.assertEqual(pagado, [dinero(x) for x in formas_del_telefono], l)
        credito = self.filas(f"SELECT COALESCE(SUM(Saldo), 0) FROM remisiones WHERE Vendedor = {v} AND "
                             f"Fecha = '{DIA}' AND FormaPAgo = 'C'")[0][0]
        self.assertEqual(dinero(l["a_credito"]), dinero(credito), l)
        cobrados = sum((Decimal(p["monto"]) for p in self.dia["pagos"] if p["vendedor"] == vendedor), Decimal(0))
        self.assertEqual(dinero(l["cobros_aplicados"]), dinero(cobrados), l)
        self.assertEqual(dinero(l["efectivo_por_entregar"]), dinero(pagado[0] + cobrados), l)
        vendido = {f[0]: Decimal(f[1]) for f in self.filas(
            f"SELECT d.Producto, SUM(d.Cantidad) FROM remisionesdetalle d JOIN remisiones r ON r.Id = d.Id "
            f"WHERE r.Vendedor = {v} AND r.Fecha = '{DIA}' GROUP BY d.Producto")}
        self.assertEqual({k: Decimal(str(p["vendido"])) for k, p in l["productos"].items() if p["vendido"]},
                         vendido, l)

    def pdf(self, vendedor, l):
        """`--pdf` named relative to where the command is typed, on a machine
        without a display: the file is there, and its text holds the figures."""
        pantalla = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")
        sin_pantalla = {k: v for k, v in os.environ.items() if k not in pantalla}
        with tempfile.TemporaryDirectory() as aqui:
            self.inst.travesa("liquidacion", "--vendedor", vendedor, "--dia", DIA, "--pdf", "liquidacion.pdf",
                              cwd=aqui, env=sin_pantalla)
            archivo = os.path.join(aqui, "liquidacion.pdf")
            with open(archivo, "rb") as f:
                self.assertEqual(f.read(5), b"%PDF-")
            return subprocess.run(["pdftotext", "-layout", archivo, "-"], capture_output=True, text=True,
                                  check=True).stdout

    def formas(self, vendedor, extra=None):
        suma = [Decimal(0)] * 8
        for venta in self.dia["ventas"]:
            if venta["vendedor"] != vendedor:
                continue
            formas = [Decimal(f) for f in venta["formas"]]
            if not any(formas) and venta["forma"] == "CO":
                formas[0] = Decimal(venta["total"])
            suma = [a + b for a, b in zip(suma, formas)]
        if extra:
            suma = [a + b for a, b in zip(suma, extra)]
        return suma

    def test_liquidacion_de_cada_vendedor_y_archivo_tardio(self):
        primero = self.vendedores[0]
        otras = [Decimal(0), Decimal(0), Decimal("10.5"), Decimal("4"), Decimal("3"), Decimal("2"), Decimal("1"),
                 Decimal("0.5")]
        # One sale paid with the six other forms; one that fails (a code too
        # long for the product column).
        self.sube("ventas_mano_1.sql",
                  linea(primero, self.clientes[0], "6:10:00 PM", self.productos[0], 1, 21, "CO", otras) +
                  linea(primero, self.clientes[1], "6:20:00 PM", "X" * 40, 1, 5, "C", [0] * 8))
        self.inst.travesa("leer", "--si", correcto=False)
        self.inst.travesa("pagos", "--aplicar", "--si")
        for vendedor in self.vendedores:
            l = self.liquidacion(vendedor)
            self.comprueba(vendedor, l, self.formas(vendedor, otras if vendedor == primero else None))
        l = self.liquidacion(primero)
        self.assertTrue(any("Venta que no se grabó: ventas_mano_1.sql" in e for e in l["excepciones"]), l)
        self.assertTrue(any("ventas_mano_1.sql" in e and "se conserva en el sitio" in e for e in l["excepciones"]), l)

        # Closed, then a file of that day arrives: posted, and named late.
        l = self.liquidacion(primero, "--cerrar", "--si")
        self.assertNotEqual(l["cerrada"], "")
        self.sube("ventas_mano_2.sql",
                  linea(primero, self.clientes[0], "7:00:00 PM", self.productos[1], 2, 10, "CO", [20] + [0] * 7))
        self.inst.travesa("leer", "--si", correcto=False)
        l = self.liquidacion(primero)
        self.assertEqual(l["tardias"], 1, l)
        self.assertTrue(any("después del cierre" in e for e in l["excepciones"]), l)
        extra = [a + b for a, b in zip(otras, [Decimal(20)] + [Decimal(0)] * 7)]
        self.comprueba(primero, l, self.formas(primero, extra))

        texto = self.pdf(primero, l)
        self.assertIn("Efectivo por entregar", texto)
        self.assertIn(f"{dinero(l['efectivo_por_entregar']):,}", texto)
        self.assertIn("Cerrada", texto)
        self.assertIn("después del cierre", texto)
        for v in l["ventas"]:
            self.assertIn(v["tipo"], texto)

        # The ledger tells today's runs and where each file went.
        historial = self.inst.travesa("historial", "--buscar", "ventas_mano_1").stdout
        self.assertIn("leer", historial)
        self.assertIn("ventas_mano_1.sql", historial)
        self.assertIn("se conserva en el sitio", historial)


if __name__ == "__main__":
    unittest.main()
