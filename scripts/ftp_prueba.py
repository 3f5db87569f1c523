#!/usr/bin/python3
"""FTP site for the tests and the demo: one user with a password, a home folder,
passive ports on loopback, and optionally an explicit-TLS (FTPS) listener.

    ftp_prueba.py --puerto P --usuario U --password W --carpeta DIR
                  [--puerto-tls P2 --certificado PEM] [--pasivos A-B] [--limite BYTES_POR_SEG]
                  [--procesos] [--casa /ruta]

With --casa the login lands in that folder of the site's tree, "/" staying the
tree's root, as local users of vsftpd land in their home folder.
"""
import argparse
import faulthandler
import os
import signal
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer, MultiprocessFTPServer


# A folder of the home where the user may list and read but not write, for the
# tests of a site that refuses uploads.
SOLO_LECTURA = "solo-lectura"


def manejador(base, args, pasivos):
    autorizador = DummyAuthorizer()
    casa = os.path.realpath(args.carpeta)
    autorizador.add_user(args.usuario, args.password, casa, perm="elradfmwMT")
    os.makedirs(os.path.join(casa, SOLO_LECTURA), exist_ok=True)
    autorizador.override_perm(args.usuario, os.path.join(casa, SOLO_LECTURA), "elr", recursive=True)
    clase = type("Manejador" + base.__name__, (base,), {})
    clase.authorizer = autorizador
    clase.passive_ports = pasivos
    clase.masquerade_address = None
    clase.permit_foreign_addresses = False
    clase.banner = "Sitio FTP de pruebas de Travesa"
    if args.casa:
        os.makedirs(os.path.join(casa, args.casa.strip("/")), exist_ok=True)

        def al_entrar(self, usuario, inicio=args.casa):
            self.fs.cwd = inicio
        clase.on_login = al_entrar
    if args.limite:
        dtp = type("DTPLento", (ThrottledDTPHandler,), {})
        dtp.read_limit = args.limite
        dtp.write_limit = args.limite
        clase.dtp_handler = dtp
    return clase


def contexto_tls(certificado):
    """TLS context that lets clients resume the control session on the data
    channel, as FTPS servers such as vsftpd require."""
    from OpenSSL import SSL
    ctx = SSL.Context(SSL.SSLv23_METHOD)
    ctx.set_options(SSL.OP_NO_SSLv2 | SSL.OP_NO_SSLv3 | SSL.OP_NO_COMPRESSION)
    ctx.use_certificate_chain_file(certificado)
    ctx.use_privatekey_file(certificado)
    ctx.set_session_id(b"travesa-prueba")
    return ctx


def dtp_tls_temprano():
    """pyftpdlib closes a data connection that is readable before the transfer
    command arrives; curl starts the TLS handshake right after connecting, so
    the handshake must be let through."""
    from pyftpdlib.handlers import TLS_DTPHandler

    class DTPTemprano(TLS_DTPHandler):
        def readable(self):
            if not self._initialized and self._ssl_requested:
                return True
            return super().readable()

    return DTPTemprano


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--anfitrion", default="127.0.0.1")
    p.add_argument("--puerto", type=int, required=True)
    p.add_argument("--usuario", required=True)
    p.add_argument("--password", required=True)
    p.add_argument("--carpeta", required=True)
    p.add_argument("--puerto-tls", type=int, default=0)
    p.add_argument("--certificado", default="")
    p.add_argument("--pasivos", default="")
    p.add_argument("--limite", type=int, default=0)
    p.add_argument("--procesos", action="store_true")
    p.add_argument("--casa", default="")
    args = p.parse_args()
    os.makedirs(args.carpeta, exist_ok=True)
    pasivos = None
    if args.pasivos:
        a, b = (int(x) for x in args.pasivos.split("-"))
        pasivos = list(range(a, b + 1))

    # With --procesos every session runs in a process of its own, with its own
    # event loop and working folder: a session that breaks off (a client dropping
    # a transfer halfway) cannot stall the others, as it can on pyftpdlib's one
    # shared loop. Without it, one process serves all, so a test that kills or
    # freezes the server kills or freezes its sessions too.
    Servidor = MultiprocessFTPServer if args.procesos else FTPServer
    servidores = [Servidor((args.anfitrion, args.puerto), manejador(FTPHandler, args, pasivos))]
    if args.puerto_tls:
        from pyftpdlib.handlers import TLS_FTPHandler
        tls = manejador(TLS_FTPHandler, args, pasivos)
        tls.certfile = args.certificado
        tls.ssl_context = contexto_tls(args.certificado)
        tls.dtp_handler = dtp_tls_temprano()
        servidores.append(Servidor((args.anfitrion, args.puerto_tls), tls))

    def termina(*_):
        for s in servidores:
            s.close_all()
        sys.exit(0)

    signal.signal(signal.SIGTERM, termina)
    # `kill -USR1` writes where the server is stuck, should it ever stop answering.
    faulthandler.register(signal.SIGUSR1, all_threads=True)
    # Both listeners accept on pyftpdlib's main IOLoop: serving the first serves both.
    servidores[0].serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
