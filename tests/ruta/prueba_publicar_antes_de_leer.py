"""A route day in the order offices really meet it: the phones upload their
customers and their leftover stock under the names the catalogue publishes
(`clientes.xml`, `productos.xml`), and the catalogue is published again (by
the operator or by the service) before anyone reads them. The phones' files
must be saved before the catalogue takes their place, the read run must take
them exactly once and never take the catalogue for a phone's file."""
import json
import os
import signal
import subprocess
import sys
import time
import unittest
from decimal import Decimal

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "comun"))
import travesa_prueba as tp  # noqa: E402


class PublicarAntesDeLeer(unittest.TestCase):
    def setUp(self):
        self.inst = tp.Instalacion("antes_de_leer")
        self.addCleanup(self.inst.cierra)
        self.inst.travesa("ajustes", "TipoMovimiento=R", "Traspaso=S", "EmpresaTraspaso=SUC")
        self.inst.travesa("generar")
        manifiesto = os.path.join(self.inst.programa, "dia.json")
        self.inst.dispositivo("--semilla", "7", "--fecha", "2026-12-08", "--manifiesto", manifiesto)
        with open(manifiesto, encoding="utf-8") as f:
            self.dia = json.load(f)

    def dato(self, sql):
        return self.inst.base.dato(sql)

    def saved(self):
        respaldo = os.path.join(self.inst.programa, "respaldo")
        return sorted(n for n in os.listdir(respaldo) if n.startswith("telefono_")) if os.path.isdir(respaldo) else []

    def comprueba_el_dia(self, leer):
        """What the read run must leave, whatever published in between."""
        self.assertEqual(leer.returncode, 0, leer.stdout + leer.stderr)
        for c in self.dia["clientes"]:
            self.assertEqual(self.dato(f"SELECT Nombre FROM clientes WHERE Clave={tp.literal(c['clave'])}"),
                             c["nombre"], leer.stdout)
        # Every remission names a customer of the table.
        self.assertEqual(self.dato("SELECT COUNT(*) FROM remisiones r LEFT JOIN clientes c ON c.Clave = r.Cliente "
                                   "WHERE c.Clave IS NULL"), "0", leer.stdout)
        self.assertNotIn("clientes que no existen", leer.stdout)
        # The transfer holds the phones' leftover, not the catalogue.
        sobrante = {s["clave"]: Decimal(s["existencia"]) for s in self.dia["sobrante"] if Decimal(s["existencia"]) > 0}
        lineas = {f[0]: Decimal(f[1]) for f in self.inst.base.filas("SELECT Producto, Cantidad FROM traspasosdetalle")}
        self.assertEqual(lineas, sobrante, leer.stdout)
        self.assertEqual(self.dato("SELECT COUNT(*) FROM traspasos"), "1")
        self.assertEqual(self.saved(), [], "a saved file was left waiting")

    def lee_otra_vez_sin_cambios(self):
        otra = self.inst.travesa("leer", "--si")
        self.assertIn("Documentos grabados: ninguno", otra.stdout)
        self.assertIn("Clientes nuevos agregados: ninguno", otra.stdout)
        self.assertEqual(self.dato("SELECT COUNT(*) FROM traspasos"), "1", otra.stdout)

    def test_generar_antes_de_leer_guarda_los_archivos_de_los_telefonos(self):
        generar = self.inst.travesa("generar")
        self.assertIn("se guardaron antes de publicar el catálogo", generar.stdout + generar.stderr)
        self.assertEqual(len(self.saved()), 2, self.saved())
        # The site now holds the catalogue under both names.
        with open(os.path.join(self.inst.en_disco, "productos.xml"), "rb") as f:
            catalogo = f.read()
        with open(os.path.join(self.inst.programa, "productos.xml"), "rb") as f:
            self.assertEqual(catalogo, f.read())
        leer = self.inst.travesa("leer", "--si")
        self.comprueba_el_dia(leer)
        self.assertIn("Clientes leídos del archivo guardado al publicar: telefono_clientes_", leer.stdout)
        self.assertIn("el sitio tiene el catálogo publicado («clientes.xml»)", leer.stdout)
        self.assertIn("el sitio tiene el catálogo publicado («productos.xml»)", leer.stdout)
        self.assertIn("] Traspaso grabado:", leer.stdout)
        self.lee_otra_vez_sin_cambios()
        # Publishing again finds only its own files on the site.
        generar = self.inst.travesa("generar")
        self.assertNotIn("se guardaron", generar.stdout + generar.stderr)
        self.assertEqual(self.saved(), [])

    def test_el_servicio_publica_entre_la_subida_y_la_lectura(self):
        self.inst.travesa("ajustes", "Automatico=S", "Minutos=60")
        servicio = subprocess.Popen([tp.EJECUTABLE, "--carpeta", self.inst.programa, "--usuario", "admin",
                                     "--codigo", "admin", "servicio"], stdout=subprocess.PIPE,
                                    stderr=subprocess.STDOUT, text=True)
        salida = ""
        limite = time.monotonic() + 120
        while "Archivos generados" not in salida and time.monotonic() < limite:
            linea = servicio.stdout.readline()
            if not linea:
                break
            salida += linea
        servicio.send_signal(signal.SIGTERM)
        salida += servicio.communicate(timeout=60)[0]
        self.assertIn("Archivos generados y grabados en el sitio web", salida)
        self.assertIn("Se guardó para la siguiente lectura", salida)
        self.comprueba_el_dia(self.inst.travesa("leer", "--si"))
        self.lee_otra_vez_sin_cambios()

    def test_leer_primero_y_luego_publicar_no_guarda_nada(self):
        self.comprueba_el_dia(self.inst.travesa("leer", "--si"))
        generar = self.inst.travesa("generar")
        self.assertNotIn("se guardaron", generar.stdout + generar.stderr)
        self.assertEqual(self.saved(), [])
        # The site holds the catalogue now: nothing of it is imported.
        leer = self.inst.travesa("leer", "--si")
        self.assertIn("el sitio tiene el catálogo publicado («clientes.xml»)", leer.stdout)
        self.assertIn("Traspaso: no se registró, el sitio tiene el catálogo publicado", leer.stdout)
        self.assertEqual(self.dato("SELECT COUNT(*) FROM traspasos"), "1")
        with open(os.path.join(self.inst.programa, "BitacoraDeArchivos.txt"), encoding="utf-8") as f:
            bitacora = f.read()
        self.assertIn("Clientes: el «clientes.xml» del sitio es el catálogo publicado", bitacora)
        self.assertIn("Traspaso: el «productos.xml» del sitio es el catálogo publicado", bitacora)


if __name__ == "__main__":
    unittest.main()
