"""The Debian package built by cpack from this build, unpacked into a scratch root
with dpkg -x: what it holds, what it depends on, and that its executable runs."""
import os
import shutil
import subprocess
import tempfile
import unittest

BUILD = os.environ["TRAVESA_BUILD_DIR"]
FUENTES = os.environ["TRAVESA_FUENTES"]
VERSION = os.environ["TRAVESA_VERSION"]
CON_VENTANA = os.environ.get("TRAVESA_CON_VENTANA") == "1"


class PruebaPaquete(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp(prefix="paquete_")
        r = subprocess.run(["cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", cls.dir],
                           capture_output=True, text=True, timeout=900)
        if r.returncode != 0:
            raise AssertionError("cpack falló:\n" + r.stdout + r.stderr)
        debs = [n for n in os.listdir(cls.dir) if n.endswith(".deb")]
        assert len(debs) == 1, debs
        cls.deb = os.path.join(cls.dir, debs[0])
        cls.raiz = os.path.join(cls.dir, "raiz")
        subprocess.run(["dpkg", "-x", cls.deb, cls.raiz], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir, ignore_errors=True)

    def campo(self, nombre):
        return subprocess.run(["dpkg-deb", "-f", self.deb, nombre], capture_output=True, text=True,
                              check=True).stdout.strip()

    def en_raiz(self, ruta):
        return os.path.join(self.raiz, ruta.lstrip("/"))

    def test_nombre_version_y_dependencias(self):
        self.assertEqual(self.campo("Package"), "travesa")
        self.assertEqual(self.campo("Version"), VERSION)
        self.assertTrue(os.path.basename(self.deb).startswith(f"travesa_{VERSION}_"))
        depende = {d.strip().split(" ")[0] for d in self.campo("Depends").split(",")}
        for paquete in ("libmariadb3", "libcurl4", "libpugixml1v5", "libssl3", "libsimpleini1", "libstdc++6"):
            self.assertIn(paquete, depende)
        if CON_VENTANA:
            self.assertIn("libqt6widgets6", depende)
        else:
            self.assertFalse({d for d in depende if d.startswith("libqt6")})

    def test_el_ejecutable_del_paquete_corre(self):
        r = subprocess.run([self.en_raiz("/usr/bin/travesa"), "--version"], capture_output=True, text=True,
                           timeout=60)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(r.stdout.strip(), "Travesa v" + VERSION)

    def test_esquema_ejemplos_y_escritorio(self):
        for nombre in ("norvento.sql", "demo.sql"):
            with open(self.en_raiz("/usr/share/travesa/db/" + nombre), "rb") as a, \
                    open(os.path.join(FUENTES, "db", nombre), "rb") as b:
                self.assertEqual(a.read(), b.read())
        ejemplos = self.en_raiz("/usr/share/doc/travesa/ejemplos")
        unidades = {}
        for n in os.listdir(ejemplos):
            if n.endswith((".service", ".timer")):
                with open(os.path.join(ejemplos, n), encoding="utf-8") as f:
                    unidades[n] = f.read()
        self.assertEqual(set(unidades), {"travesa-servicio.service", "travesa-leer.service", "travesa-leer.timer"})
        self.assertIn("ExecStart=/usr/bin/travesa servicio\n", unidades["travesa-servicio.service"])
        self.assertIn("ExecStart=/usr/bin/travesa leer --si\n", unidades["travesa-leer.service"])
        self.assertIn("OnCalendar=", unidades["travesa-leer.timer"])
        if shutil.which("systemd-analyze"):
            r = subprocess.run(["systemd-analyze", "verify", "--man=no",
                                *[os.path.join(ejemplos, n) for n in unidades]], capture_output=True, text=True)
            self.assertNotIn("Unknown key", r.stderr)
        if not CON_VENTANA:
            return
        entrada = self.en_raiz("/usr/share/applications/travesa.desktop")
        with open(entrada, encoding="utf-8") as f:
            texto = f.read()
        self.assertIn("Exec=travesa-escritorio\n", texto)
        self.assertIn("Icon=travesa\n", texto)
        self.assertTrue(os.path.exists(self.en_raiz("/usr/share/icons/hicolor/scalable/apps/travesa.svg")))
        if shutil.which("desktop-file-validate"):
            r = subprocess.run(["desktop-file-validate", entrada], capture_output=True, text=True)
            self.assertEqual(r.returncode, 0, r.stdout + r.stderr)

    def test_el_lanzador_da_una_carpeta_del_usuario(self):
        if not CON_VENTANA:
            self.skipTest("construido sin el programa de escritorio")
        with tempfile.TemporaryDirectory() as casa:
            entorno = {"HOME": casa, "PATH": os.environ.get("PATH", "/usr/bin:/bin")}
            r = subprocess.run([self.en_raiz("/usr/bin/travesa-escritorio"), "--version"], env=entorno,
                               capture_output=True, text=True, timeout=60)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertEqual(r.stdout.strip(), "Travesa v" + VERSION)
            self.assertTrue(os.path.isdir(os.path.join(casa, ".local", "share", "travesa")))


if __name__ == "__main__":
    unittest.main()
