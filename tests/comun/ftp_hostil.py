#!/usr/bin/python3
"""The test FTP server, lying in its listings: every folder listing (MLSD and
LIST) also names the files given with --nombre, names a real folder could not
hold, such as "ventas_x/../../fuera.sql". Everything else is the usual test
server (scripts/ftp_prueba.py), with its same options.

    ftp_hostil.py --nombre NOMBRE [--nombre NOMBRE ...] <options of ftp_prueba.py>
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import ftp_prueba  # noqa: E402
from pyftpdlib.filesystems import AbstractedFS  # noqa: E402

nombres = []
resto = []
args = iter(sys.argv[1:])
for a in args:
    if a == "--nombre":
        nombres.append(next(args))
    else:
        resto.append(a)


class SitioMentiroso(AbstractedFS):
    def format_list(self, basedir, listing, ignore_err=True):
        yield from super().format_list(basedir, listing, ignore_err)
        for n in nombres:
            yield ("-rw-r--r--   1 owner    group         120 Dec 08 09:00 %s\r\n" % n).encode("utf8")

    def format_mlsx(self, basedir, listing, perms, facts, ignore_err=True):
        yield from super().format_mlsx(basedir, listing, perms, facts, ignore_err)
        for n in nombres:
            yield ("type=file;size=120;modify=20261208090000;perm=r; %s\r\n" % n).encode("utf8")


original = ftp_prueba.manejador


def manejador(base, a, pasivos):
    clase = original(base, a, pasivos)
    clase.abstracted_fs = SitioMentiroso
    return clase


ftp_prueba.manejador = manejador
sys.argv = [sys.argv[0]] + resto
ftp_prueba.main()
