"""The desktop program as an office meets it: the real `travesa` under Xvfb with
a real window manager (openbox), driven with real input (xdotool). The window
has one frame, the program's header (the manager draws none); Alt+F4, which
the manager turns into its own close request, asks before closing and No keeps
the program; the header's «_» collapses the window to a bar that stays on
screen, and so does a minimise asked by the manager; the bar gives the window
back where it was; the header drags the window and the corner grip resizes it;
a box stands over the middle of the window."""
import os
import re
import shutil
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "comun"))
import travesa_prueba as tp  # noqa: E402

HERRAMIENTAS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo")
ESPERA = 30  # seconds any one step may take
# The header: 4 pixels of margin and a 40-pixel logo; the window's own
# controls, 40 pixels wide, sit 6 pixels from the right edge, "×" last.
MITAD_DEL_ENCABEZADO = 24
CENTRO_DE_MINIMIZAR = 6 + 40 + 20


def espera(condicion, que, detalle=None):
    """`detalle`, when given, says on failure what is seen instead."""
    limite = time.monotonic() + ESPERA
    while time.monotonic() < limite:
        valor = condicion()
        if valor:
            return valor
        time.sleep(0.1)
    raise AssertionError(f"No ocurrió a tiempo: {que}" + (f": {detalle()}" if detalle else ""))


class Escritorio:
    """Xvfb with openbox on a display of its own, and the tools that drive it."""

    def __init__(self):
        lectura, escritura = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(escritura), "-screen", "0", "1280x900x24",
                                      "-nolisten", "tcp"], pass_fds=(escritura,), stderr=subprocess.DEVNULL)
        os.close(escritura)
        with os.fdopen(lectura) as f:
            self.display = ":" + f.readline().strip()
        self.entorno = dict(os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
        self.entorno.pop("WAYLAND_DISPLAY", None)
        self.gestor = subprocess.Popen(["openbox"], env=self.entorno, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        espera(lambda: self.corre("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").find("window id") >= 0,
               "openbox en marcha")

    def corre(self, *orden):
        r = subprocess.run(orden, env=self.entorno, capture_output=True, text=True, timeout=ESPERA)
        return r.stdout

    def xdotool(self, *args):
        return self.corre("xdotool", *args)

    def ventana(self, nombre):
        """The visible window whose title matches `nombre`, or None."""
        salida = self.xdotool("search", "--onlyvisible", "--name", nombre).split()
        return salida[0] if salida else None

    def geometria(self, ventana):
        info = self.corre("xwininfo", "-id", ventana)
        valor = lambda clave: int(re.search(clave + r":\s+(-?\d+)", info).group(1))  # noqa: E731
        return (valor("Absolute upper-left X"), valor("Absolute upper-left Y"), valor("Width"), valor("Height"))

    def visible(self, ventana):
        return "IsViewable" in self.corre("xwininfo", "-id", ventana)

    def estado(self, ventana):
        return self.corre("xprop", "-id", ventana, "_NET_WM_STATE", "_NET_FRAME_EXTENTS", "WM_STATE")

    def clic(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def arrastra(self, desde, hasta):
        self.xdotool("mousemove", "--sync", str(desde[0]), str(desde[1]), "mousedown", "1")
        pasos = 8
        for i in range(1, pasos + 1):
            x = desde[0] + (hasta[0] - desde[0]) * i // pasos
            y = desde[1] + (hasta[1] - desde[1]) * i // pasos
            self.xdotool("mousemove", "--sync", str(x), str(y))
            time.sleep(0.05)
        self.xdotool("mouseup", "1")

    def teclas(self, ventana, *teclas):
        self.xdotool("windowactivate", "--sync", ventana)
        self.xdotool("key", "--clearmodifiers", *teclas)

    def cierra(self):
        for proceso in (self.gestor, self.xvfb):
            proceso.terminate()
            try:
                proceso.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proceso.kill()


@unittest.skipUnless(all(shutil.which(h) for h in HERRAMIENTAS),
                     "Faltan Xvfb, openbox, xdotool o x11-utils (scripts/instalar-dependencias)")
class VentanaConGestor(unittest.TestCase):
    def setUp(self):
        self.inst = tp.Instalacion("ventana_gestor")
        self.addCleanup(self.inst.cierra)
        self.x = Escritorio()
        self.addCleanup(self.x.cierra)
        self.salida = open(os.path.join(self.inst.programa, "escritorio.txt"), "w+")
        self.addCleanup(self.salida.close)
        self.travesa = subprocess.Popen([tp.EJECUTABLE], env=dict(self.x.entorno, TRAVESA_CARPETA=self.inst.programa),
                                        stdout=self.salida, stderr=subprocess.STDOUT)
        self.addCleanup(self.termina)
        acceso = espera(lambda: self.x.ventana("^Acceso al programa$"), "la ventana «Acceso al programa»")
        self.x.xdotool("windowactivate", "--sync", acceso)
        self.x.xdotool("type", "--delay", "20", "admin")
        self.x.xdotool("key", "Tab")
        self.x.xdotool("type", "--delay", "20", "admin")
        self.x.xdotool("key", "Return")
        self.principal = espera(lambda: self.x.ventana("^Travesa +v"), "la ventana principal")
        espera(lambda: self.x.ventana("^Acceso al programa$") is None, "el fin del acceso")

    def termina(self):
        if self.travesa.poll() is None:
            self.travesa.send_signal(signal.SIGTERM)
            try:
                self.travesa.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.travesa.kill()
                self.travesa.wait()

    def espera_la_barra(self, tras):
        """The bar at the bottom left, once the manager has placed it: the
        shrink and the move reach the manager as separate requests, and a click
        between them lands where the bar no longer is."""
        def en_su_sitio():
            g = self.x.geometria(self.principal)
            if not (g[3] < 60 and g[0] == 13 and g[1] > 900 - 100):
                return None
            time.sleep(0.2)
            return g if self.x.geometria(self.principal) == g else None
        return espera(en_su_sitio, f"la barra tras {tras}")

    def espera_restaurada(self, antes):
        espera(lambda: self.x.geometria(self.principal) == antes, "la ventana restaurada",
               lambda: f"se esperaba {antes} y se ve {self.x.geometria(self.principal)}; {self.x.estado(self.principal)}")

    def sigue_en_pantalla(self):
        estado = self.x.estado(self.principal)
        self.assertTrue(self.x.visible(self.principal), estado)
        self.assertNotIn("_NET_WM_STATE_HIDDEN", estado)
        self.assertNotIn("Iconic", estado)

    def test_un_marco_cerrar_pregunta_y_minimizar_deja_la_barra(self):
        x = self.x
        # One frame: the window manager draws none around the program's header.
        self.assertIn("_NET_FRAME_EXTENTS(CARDINAL) = 0, 0, 0, 0", x.estado(self.principal))
        izquierda, arriba, ancho, alto = x.geometria(self.principal)

        # Alt+F4 asks, over the middle of the window; No (the default) keeps the program.
        x.teclas(self.principal, "alt+F4")
        caja = espera(lambda: x.ventana("^Finalizar$"), "la pregunta «Finalizar» tras Alt+F4")
        cx, cy, cw, ch = x.geometria(caja)
        self.assertLessEqual(abs((cx + cw // 2) - (izquierda + ancho // 2)), 30)
        self.assertLessEqual(abs((cy + ch // 2) - (arriba + alto // 2)), 40)
        x.teclas(caja, "Return")
        espera(lambda: x.ventana("^Finalizar$") is None, "el fin de la pregunta")
        time.sleep(0.3)
        self.assertIsNone(self.travesa.poll())
        self.sigue_en_pantalla()

        # The header's «_»: the window becomes a bar at the bottom left, still on screen.
        x.clic(izquierda + ancho - CENTRO_DE_MINIMIZAR, arriba + MITAD_DEL_ENCABEZADO)
        barra = self.espera_la_barra("«_»")
        self.sigue_en_pantalla()
        x.clic(barra[0] + barra[2] // 2, barra[1] + barra[3] // 2)
        self.espera_restaurada((izquierda, arriba, ancho, alto))

        # A minimise asked by the window manager also leaves the bar, never a lost window.
        x.xdotool("windowminimize", self.principal)
        barra = self.espera_la_barra("minimizar")
        self.sigue_en_pantalla()
        x.clic(barra[0] + barra[2] // 2, barra[1] + barra[3] // 2)
        self.espera_restaurada((izquierda, arriba, ancho, alto))

        # The header moves the window; the corner grip resizes it.
        desde = (izquierda + 300, arriba + MITAD_DEL_ENCABEZADO)
        x.arrastra(desde, (desde[0] + 120, desde[1] + 70))
        espera(lambda: x.geometria(self.principal)[:2] == (izquierda + 120, arriba + 70), "la ventana movida")
        izquierda, arriba = izquierda + 120, arriba + 70
        esquina = (izquierda + ancho - 5, arriba + alto - 5)
        x.arrastra(esquina, (esquina[0] + 80, esquina[1] + 50))
        espera(lambda: x.geometria(self.principal)[2:] == (ancho + 80, alto + 50), "la ventana más grande")

        # Alt+F4 and Sí: the program ends.
        x.teclas(self.principal, "alt+F4")
        caja = espera(lambda: x.ventana("^Finalizar$"), "la pregunta «Finalizar»")
        x.teclas(caja, "alt+s")
        self.assertEqual(self.travesa.wait(timeout=ESPERA), 0)


if __name__ == "__main__":
    unittest.main()
