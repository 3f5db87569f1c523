"""What the Python tests share: where the test servers are, a private database
made from db/norvento.sql (and the demo rows), and a program folder that points
at it and at a folder of its own on the FTP site."""
import os
import shutil
import subprocess
import tempfile
import unittest

FUENTES = os.environ.get("TRAVESA_FUENTES") or os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))
EJECUTABLE = os.environ.get("TRAVESA_EJECUTABLE") or os.path.join(FUENTES, "build", "travesa")
DISPOSITIVO = os.path.join(FUENTES, "tools", "dispositivo")


def lee_entorno(archivo):
    """The variables `scripts/servidores-prueba env` prints, as a dictionary."""
    variables = {}
    with open(archivo, encoding="utf-8") as f:
        for linea in f:
            clave, _, valor = linea.strip().removeprefix("export ").partition("=")
            if clave:
                variables[clave] = valor
    return variables


def esquema_de_variante():
    """The schema change of the database variant TRAVESA_PRUEBA_BD_VARIANTE
    (tests/comun/esquemas), or None: see tests/comun/Entorno.h."""
    variante = os.environ.get("TRAVESA_PRUEBA_BD_VARIANTE", "")
    esquema = os.path.join(FUENTES, "tests", "comun", "esquemas", variante + ".sql")
    return esquema if variante and os.path.exists(esquema) else None


def servidores():
    archivo = os.environ.get("TRAVESA_ENTORNO_SERVIDORES") or os.path.join(FUENTES, "build", "servidores", "entorno")
    if "TRAVESA_PRUEBA_MYSQL_PUERTO" in os.environ:
        e = dict(os.environ)
    elif not os.path.exists(archivo):
        raise unittest.SkipTest("Los servidores de prueba no están en marcha: scripts/servidores-prueba start")
    else:
        e = lee_entorno(archivo)
    # A variant of the matrix that is a server of its own.
    variante = os.environ.get("TRAVESA_PRUEBA_BD_VARIANTE", "")
    if variante and not esquema_de_variante():
        e["TRAVESA_PRUEBA_MYSQL_PUERTO"] = e[f"TRAVESA_PRUEBA_MYSQL_{variante.upper()}_PUERTO"]
    return e


class BaseDeDatos:
    """A database on the test server, reached with the mariadb client."""

    def __init__(self, entorno, nombre):
        self.entorno = entorno
        self.nombre = nombre

    def _cliente(self, *extra, base=True):
        e = self.entorno
        orden = ["mariadb", "--no-defaults", "-h", e["TRAVESA_PRUEBA_MYSQL_HOST"], "-P",
                 e["TRAVESA_PRUEBA_MYSQL_PUERTO"], "-u", e["TRAVESA_PRUEBA_MYSQL_USUARIO"],
                 "-p" + e["TRAVESA_PRUEBA_MYSQL_PASSWORD"], "--default-character-set=utf8mb4", *extra]
        return orden + ([self.nombre] if base else [])

    def guion(self, texto, base=True):
        subprocess.run(self._cliente(base=base), input=texto.encode("utf-8"), check=True)

    def archivo(self, ruta, cambio=lambda texto: texto, entero=False):
        """Runs a SQL file, `cambio` applied to its text; `entero`: sent whole, as one
        query of several statements (as the C++ tests send a script), so that it may
        hold compound statements."""
        with open(ruta, "rb") as f:
            texto = cambio(f.read().decode("utf-8"))
        extra = ["--delimiter=$$$"] if entero else []
        subprocess.run(self._cliente(*extra), input=texto.encode("utf-8"), check=True)

    def filas(self, sql, base=True):
        """Rows of a query, each a list of texts (None for NULL)."""
        salida = subprocess.run(self._cliente("-N", "-B", "-e", sql, base=base), capture_output=True,
                                check=True).stdout
        filas = []
        for linea in salida.decode("utf-8").splitlines():
            filas.append([None if c == "NULL" else c.replace("\\t", "\t").replace("\\n", "\n").replace("\\\\", "\\")
                          for c in linea.split("\t")])
        return filas

    def dato(self, sql):
        filas = self.filas(sql)
        return filas[0][0] if filas else None


def literal(texto):
    return "'" + str(texto).replace("\\", "\\\\").replace("'", "''") + "'"


class Instalacion:
    """A database of its own with the demo rows, a program folder whose INI file and
    installation record point at it, and an empty folder on the FTP site."""

    def __init__(self, nombre):
        self.entorno = servidores()
        self.nombre = f"{nombre}_{os.getpid()}"
        self.base = BaseDeDatos(self.entorno, self.nombre)
        # In the server's character set, its tables too, as tests/comun/BaseDePrueba.cpp.
        juego = self.base.filas("SELECT @@character_set_server", base=False)[0][0]
        self.base.guion(f"DROP DATABASE IF EXISTS {self.nombre}; "
                        f"CREATE DATABASE {self.nombre} CHARACTER SET {juego}", base=False)
        self.base.archivo(os.path.join(FUENTES, "db", "norvento.sql"),
                          lambda texto: texto.replace("CHARSET=utf8mb4", "CHARSET=" + juego))
        if esquema_de_variante():
            self.base.archivo(esquema_de_variante(), entero=True)
        self.base.archivo(os.path.join(FUENTES, "db", "demo.sql"))
        self.programa = tempfile.mkdtemp(prefix=nombre + "_")
        os.makedirs(os.path.join(self.programa, "norvento"))
        with open(os.path.join(self.programa, "travesa.ini"), "w", encoding="utf-8") as f:
            f.write(f"[Configuración]\nRuta de Norvento={self.programa}/norvento\n"
                    f"Base de datos principal={self.nombre}\n")
        self.carpeta = self.nombre
        self.en_disco = os.path.join(self.entorno["TRAVESA_PRUEBA_FTP_CARPETA"], self.carpeta)
        shutil.rmtree(self.en_disco, ignore_errors=True)
        os.makedirs(self.en_disco)
        e = self.entorno
        self.travesa("registro", "servidor=" + e["TRAVESA_PRUEBA_MYSQL_HOST"],
                     "MySQLPuerto=" + e["TRAVESA_PRUEBA_MYSQL_PUERTO"],
                     "MySQLUsuario=" + e["TRAVESA_PRUEBA_MYSQL_USUARIO"],
                     "MySQLPassword=" + e["TRAVESA_PRUEBA_MYSQL_PASSWORD"])
        self.travesa("ajustes", "ftpSitio=" + self.sitio(), "ftpUsuario=" + e["TRAVESA_PRUEBA_FTP_USUARIO"],
                     "FTPcontraseña=" + e["TRAVESA_PRUEBA_FTP_PASSWORD"], "FTPcarpeta=" + self.carpeta)

    def sitio(self):
        return f"{self.entorno['TRAVESA_PRUEBA_FTP_HOST']}:{self.entorno['TRAVESA_PRUEBA_FTP_PUERTO']}"

    def travesa(self, *args, correcto=True, **opciones):
        """Runs the program; `opciones` go to subprocess.run (cwd, env)."""
        r = subprocess.run([EJECUTABLE, "--carpeta", self.programa, "--usuario", "admin", "--codigo", "admin",
                            *args], capture_output=True, text=True, timeout=300, **opciones)
        if correcto and r.returncode != 0:
            raise AssertionError(f"travesa {' '.join(args)} terminó con {r.returncode}:\n{r.stdout}{r.stderr}")
        return r

    def dispositivo(self, *args):
        """Runs the device simulator against this installation's FTP folder."""
        e = self.entorno
        orden = ["/usr/bin/python3", DISPOSITIVO, "--sitio", self.sitio(), "--usuario",
                 e["TRAVESA_PRUEBA_FTP_USUARIO"], "--password", e["TRAVESA_PRUEBA_FTP_PASSWORD"],
                 "--carpeta", self.carpeta, *args]
        return subprocess.run(orden, capture_output=True, text=True, timeout=600, check=True)

    def cierra(self):
        self.base.guion(f"DROP DATABASE IF EXISTS {self.nombre}", base=False)
        shutil.rmtree(self.programa, ignore_errors=True)
        shutil.rmtree(self.en_disco, ignore_errors=True)
