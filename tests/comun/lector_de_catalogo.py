#!/usr/bin/python3
"""A phone that downloads the published catalogue again and again, as the
devices do at any moment of the day, while a test publishes beside it
(tests/comun/LectorDeCatalogo.h starts it).

    lector_de_catalogo.py --sitio HOST:PUERTO --usuario U --password P --carpeta /X ARCHIVO...

Beside the downloads, a second session asks the size of every file without
pause, as a phone does before it downloads, so that even a moment without the
file is seen. One line a download or a missing file, until SIGTERM (the
download under way is finished first):

    entero ARCHIVO REGISTROS MD5   a whole document: well formed, ending with its
                                   root's closing tag, REGISTROS elements inside it
    roto ARCHIVO MOTIVO            what arrived is not a whole document
    falta ARCHIVO RESPUESTA        the server answered that the file is not there
    sin-conexion MOTIVO            the site could not be reached; tried again
    consultas N                    at the end: how many times the sizes were asked
"""
import argparse
import ftplib
import hashlib
import io
import signal
import sys
import threading
import time
import xml.etree.ElementTree as ET

parar = False
cerrojo = threading.Lock()


def pide_parar(*_):
    global parar
    parar = True


def escribe(linea):
    with cerrojo:
        print(linea, flush=True)


def conecta(args):
    anfitrion, _, puerto = args.sitio.rpartition(":")
    ftp = ftplib.FTP()
    ftp.connect(anfitrion, int(puerto), timeout=60)
    ftp.login(args.usuario, args.password)
    ftp.cwd(args.carpeta)
    return ftp


def revisa(nombre, datos):
    """The line for what arrived of `nombre`."""
    try:
        raiz = ET.fromstring(datos)
    except ET.ParseError as e:
        return f"roto {nombre} no es XML bien formado ({e}), {len(datos)} bytes"
    cierre = f"</{raiz.tag}>".encode()
    if not datos.rstrip().endswith(cierre):
        return f"roto {nombre} no termina con {cierre.decode()}"
    return f"entero {nombre} {len(raiz)} {hashlib.md5(datos).hexdigest()}"


def descarga(ftp, nombre):
    buf = io.BytesIO()
    try:
        ftp.retrbinary("RETR " + nombre, buf.write)
    except ftplib.error_perm as e:
        return f"falta {nombre} {str(e).strip()}"
    return revisa(nombre, buf.getvalue())


def sesion(args, trabajo):
    """Runs `trabajo(ftp)` over and over on a session of its own until SIGTERM,
    opening the session again when it drops."""
    ftp = None
    while not parar:
        try:
            if ftp is None:
                ftp = conecta(args)
                ftp.voidcmd("TYPE I")
            trabajo(ftp)
        except (OSError, EOFError, ftplib.Error) as e:
            escribe(f"sin-conexion {type(e).__name__}: {e}")
            ftp = None
            time.sleep(0.2)
    if ftp is not None:
        try:
            ftp.quit()
        except (OSError, EOFError, ftplib.Error):
            pass


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--sitio", required=True)
    p.add_argument("--usuario", required=True)
    p.add_argument("--password", required=True)
    p.add_argument("--carpeta", default="/")
    p.add_argument("archivos", nargs="+")
    args = p.parse_args()
    signal.signal(signal.SIGTERM, pide_parar)
    consultas = 0

    def pregunta_tamanos(ftp):
        nonlocal consultas
        for nombre in args.archivos:
            try:
                ftp.size(nombre)
            except ftplib.error_perm as e:
                escribe(f"falta {nombre} {str(e).strip()}")
            consultas += 1
        # A breath between rounds, so the server still serves the others.
        time.sleep(0.002)

    def descarga_todos(ftp):
        for nombre in args.archivos:
            escribe(descarga(ftp, nombre))
            if parar:
                return

    vigia = threading.Thread(target=sesion, args=(args, pregunta_tamanos))
    vigia.start()
    sesion(args, descarga_todos)
    vigia.join()
    escribe(f"consultas {consultas}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
