"""What the floors of bench/run share: the database's rows read with one
`mariadb --batch` per query (before the timed part), the literals of the SQL
they write, and the bench's counters and running balances as the point of
sale keeps them."""
import os
import re
import subprocess
from decimal import ROUND_HALF_UP, Decimal

CENTAVO = Decimal("0.01")
DIEZMILESIMO = Decimal("0.0001")
_ESCAPES = {"t": "\t", "n": "\n", "\\": "\\", "0": "\0", "r": "\r"}


def consulta(sql):
    """The rows of a query on BENCH_BASE, each a tuple of text (None for NULL)."""
    e = os.environ
    salida = subprocess.run(
        ["mariadb", "--no-defaults", "--batch", "--skip-column-names", "--default-character-set=utf8mb4",
         "-h", e["TRAVESA_PRUEBA_MYSQL_HOST"], "-P", e["TRAVESA_PRUEBA_MYSQL_PUERTO"],
         "-u", e["TRAVESA_PRUEBA_MYSQL_USUARIO"], "-p" + e["TRAVESA_PRUEBA_MYSQL_PASSWORD"],
         e["BENCH_BASE"], "-e", sql],
        check=True, capture_output=True).stdout.decode("utf-8")
    filas = []
    for linea in salida.split("\n"):
        if linea:
            filas.append(tuple(None if c == "NULL" else _sin_escapes(c) for c in linea.split("\t")))
    return filas


def _sin_escapes(texto):
    if "\\" not in texto:
        return texto
    return re.sub(r"\\(.)", lambda m: _ESCAPES.get(m.group(1), m.group(1)), texto)


def lit(v):
    """A value as an SQL literal: text quoted, numbers as they are."""
    if v is None:
        return "NULL"
    if isinstance(v, Decimal):
        return format(v, "f")
    if isinstance(v, int):
        return str(v)
    return "'" + str(v).replace("\\", "\\\\").replace("'", "\\'") + "'"


def insercion(tabla, columnas, filas, al_duplicar=None):
    texto = (f"INSERT INTO {tabla} ({', '.join(columnas)}) VALUES "
             + ",".join("(" + ",".join(lit(v) for v in f) + ")" for f in filas))
    if al_duplicar:
        texto += " ON DUPLICATE KEY UPDATE " + ", ".join(f"{c} = VALUES({c})" for c in al_duplicar)
    return texto + ";\n"


def actualizacion(tabla, llave, columna, valores):
    """One UPDATE that leaves `columna` of each row (by `llave`) at its value
    of the dict: the per-row updates of a transaction in one statement."""
    if not valores:
        return ""
    casos = " ".join(f"WHEN {lit(k)} THEN {lit(v)}" for k, v in valores.items())
    claves = ",".join(lit(k) for k in valores)
    return f"UPDATE {tabla} SET {columna} = CASE {llave} {casos} END WHERE {llave} IN ({claves});\n"


def a4(d):
    return d.quantize(DIEZMILESIMO, rounding=ROUND_HALF_UP)


def entero_de(texto, solo_entero):
    """A counter's number as the point of sale reads it: the whole text, or
    only its leading digits, else 0."""
    t = (texto or "").strip()
    m = re.match(r"-?[0-9]+$" if solo_entero else r"-?[0-9]+", t)
    return int(m.group(0)) if m else 0


class Contadores:
    """The `sistema` counters: the movement numbers (the greater of the
    counter and the column's maximum, plus one) and the series folios (the
    counter plus one, past folios already used)."""

    def __init__(self):
        self.valores = {d: c for d, c in consulta("SELECT Dato, Contenido FROM sistema")}
        self.maximos = {}
        self.cambiados = {}

    def movimiento(self, dato, tabla, columna):
        clave = (tabla, columna)
        if clave not in self.maximos:
            self.maximos[clave] = int(consulta(f"SELECT COALESCE(MAX({columna}), 0) FROM {tabla}")[0][0])
        actual = entero_de(self.valores.get(dato), True) if dato in self.valores else None
        n = (self.maximos[clave] if actual is None else max(actual, self.maximos[clave])) + 1
        self.maximos[clave] = n
        self._pon(dato, n)
        return n

    def folio(self, dato, usados):
        n = entero_de(self.valores.get(dato), False) + 1 if dato in self.valores else 1
        while n in usados:
            n += 1
        self._pon(dato, n)
        return n

    def _pon(self, dato, n):
        self.valores[dato] = str(n)
        self.cambiados[dato] = str(n)

    def sql(self):
        """The counters drawn since the last call, as one statement."""
        if not self.cambiados:
            return ""
        filas = sorted(self.cambiados.items())
        self.cambiados = {}
        return insercion("sistema", ("Dato", "Contenido"), filas, ("Contenido",))


class EstadosDeCuenta:
    """Every customer's statement entries (date, time, amount), so that each new
    entry gets the running balance the program's recalculation leaves, and the
    customer's totals for `saldoscli`."""

    def __init__(self):
        self.movs = {}
        for clave, fecha, hora, cargo, pago in consulta(
                "SELECT Clave, Fecha, Hora, CantidadCargo, CantidadPago FROM edoctacli"):
            self.movs.setdefault(clave, []).append((fecha or "", hora or "", Decimal(cargo), Decimal(pago)))

    def agrega(self, clave, fecha, hora, cargo, pago):
        """The entry's running balance, and the change the later entries of the
        customer need (0 when none is later)."""
        movs = self.movs.setdefault(clave, [])
        llave = (fecha, hora)
        saldo = sum((c - p for f, h, c, p in movs if (f, h) <= llave), Decimal(0)) + cargo - pago
        despues = any((f, h) > llave for f, h, _, _ in movs)
        movs.append((fecha, hora, cargo, pago))
        return saldo, (cargo - pago if despues else Decimal(0))

    def saldos(self, clave):
        movs = self.movs[clave]
        cargos = sum((c for _, _, c, _ in movs), Decimal(0))
        abonos = sum((p for _, _, _, p in movs), Decimal(0))
        fechas = [f for f, _, _, _ in movs if f]
        return (clave, cargos, abonos, cargos - abonos, max(fechas) if fechas else None)

    @staticmethod
    def ajuste_posterior(clave, fecha, hora, cambio):
        return (f"UPDATE edoctacli SET Saldo = Saldo + {lit(cambio)} WHERE Clave = {lit(clave)} AND "
                f"(Fecha > {lit(fecha)} OR (Fecha = {lit(fecha)} AND Hora > {lit(hora)}));\n")

    def sql_saldos(self, claves):
        return insercion("saldoscli", ("Clave", "Cargos", "Abonos", "Saldo", "UltimoMovimiento"),
                         [self.saldos(c) for c in claves], ("Cargos", "Abonos", "Saldo", "UltimoMovimiento"))
