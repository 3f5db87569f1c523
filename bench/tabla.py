"""The table of bench/run: per job, the program's and the floor's times
(median, min, max), their ratio pair by pair, and peak memory; for the jobs
that count what they move (sales, payments), how many per second and how the
time grows from half the day to the whole; also as JSON."""
import argparse
import json
import os
import platform
import statistics
import subprocess
from datetime import datetime, timezone

NOMBRES = {
    "publicar": "Publicación (generar)",
    "subida": "Transferencia: subida",
    "bajada": "Transferencia: bajada",
    "ventas": "Día de ventas (leer)",
    "ventas-remisiones": "Ventas: remisiones",
    "ventas-remisiones-mitad": "Ventas: remisiones, mitad",
    "ventas-pedidos": "Ventas: pedidos",
    "ventas-pedidos-mitad": "Ventas: pedidos, mitad",
    "ventas-tickets": "Ventas: tickets",
    "ventas-tickets-mitad": "Ventas: tickets, mitad",
    "pagos": "Pagos (pagos --aplicar)",
    "historial": "Historial: con / sin",
    "liquidacion": "Liquidación de un vendedor",
}
MITAD = "-mitad"


def maquina():
    modelo = ""
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as f:
            for linea in f:
                if linea.startswith("model name"):
                    modelo = linea.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    memoria = os.sysconf("SC_PAGE_SIZE") * os.sysconf("SC_PHYS_PAGES") / 2**30
    return f"{modelo}, {os.cpu_count()} núcleos, {memoria:.1f} GiB, {platform.system()} {platform.release()}"


def resumen(valores):
    if not valores:
        return {"mediana": 0.0, "min": 0.0, "max": 0.0}
    return {"mediana": statistics.median(valores), "min": min(valores), "max": max(valores)}


def por_unidad(trabajos, unidades):
    """Sales or payments per second, and the time of the whole day over the
    time of its first half (2.0 when the time grows in line with the work)."""
    filas = [t for t in trabajos if t in unidades and trabajos[t]["piso_s"]["mediana"] > 0]
    if not filas:
        return
    encabezado = (f"{'trabajo':<26} {'unidades':>9} {'programa /s':>12} {'piso /s':>9} "
                  f"{'mitad→entera prog':>18} {'piso':>6}")
    print()
    print(encabezado)
    print("-" * len(encabezado))
    for trabajo in filas:
        r = trabajos[trabajo]
        n = unidades[trabajo]
        r["unidades"] = n
        r["programa_por_s"] = n / r["programa_s"]["mediana"]
        r["piso_por_s"] = n / r["piso_s"]["mediana"]
        mitad = trabajos.get(trabajo + MITAD)
        escala = ""
        if mitad:
            r["escala_mitad_a_entera"] = {
                "programa": r["programa_s"]["mediana"] / mitad["programa_s"]["mediana"],
                "piso": r["piso_s"]["mediana"] / mitad["piso_s"]["mediana"],
                "unidades": n / unidades.get(trabajo + MITAD, n),
            }
            e = r["escala_mitad_a_entera"]
            escala = f"{e['programa']:>18.2f} {e['piso']:>6.2f}"
        print(f"{NOMBRES.get(trabajo, trabajo):<26} {n:>9} {r['programa_por_s']:>12.1f} {r['piso_por_s']:>9.1f} "
              f"{escala}".rstrip())


def main():
    p = argparse.ArgumentParser()
    p.add_argument("mediciones")
    p.add_argument("salida")
    p.add_argument("--factor")
    p.add_argument("--veces")
    p.add_argument("--trabajos", default="")
    p.add_argument("--datos", default="")
    p.add_argument("--travesa", default="")
    a = p.parse_args()
    corridas, omitidos, unidades = {}, {}, {}
    with open(a.mediciones, encoding="utf-8") as f:
        for linea in f:
            partes = linea.rstrip("\n").split("\t")
            if partes[1] == "omitido":
                omitidos[partes[0]] = partes[2]
                continue
            if partes[1] == "unidades":
                unidades[partes[0]] = int(partes[2])
                continue
            trabajo, lado, segundos, kib = partes
            corridas.setdefault(trabajo, {"programa": [], "piso": []})[lado].append((float(segundos), int(kib)))
    resultado = {
        "fecha": datetime.now(timezone.utc).isoformat(timespec="seconds"),
        "maquina": maquina(),
        "comando": f"bench/run --factor {a.factor} --veces {a.veces}"
                   + (f" --trabajos {a.trabajos}" if a.trabajos else ""),
        "commit": subprocess.run(["git", "rev-parse", "--short", "HEAD"], capture_output=True, text=True).stdout.strip(),
        "ejecutable": a.travesa,
        "datos": dict(x.split("=") for x in a.datos.split(",") if x),
        "trabajos": {},
        "omitidos": omitidos,
    }
    encabezado = f"{'trabajo':<26} {'programa s (min-max)':>22} {'piso s (min-max)':>20} {'razón (min-max)':>18} {'MiB prog':>9} {'MiB piso':>9}"
    print()
    print(encabezado)
    print("-" * len(encabezado))
    for trabajo, lados in corridas.items():
        prog = [s for s, _ in lados["programa"]]
        piso = [s for s, _ in lados["piso"]]
        razones = [x / y for x, y in zip(prog, piso) if y > 0]
        r = {
            "programa_s": resumen(prog),
            "piso_s": resumen(piso),
            "razon": resumen(razones),
            "programa_mib": max(k for _, k in lados["programa"]) / 1024,
            "piso_mib": max((k for _, k in lados["piso"]), default=0) / 1024,
        }
        resultado["trabajos"][trabajo] = r
        fila = (f"{NOMBRES.get(trabajo, trabajo):<26} "
                f"{r['programa_s']['mediana']:>7.2f} ({r['programa_s']['min']:.2f}-{r['programa_s']['max']:.2f}) "
                f"{r['piso_s']['mediana']:>6.2f} ({r['piso_s']['min']:.2f}-{r['piso_s']['max']:.2f}) "
                f"{r['razon']['mediana']:>5.2f} ({r['razon']['min']:.2f}-{r['razon']['max']:.2f}) "
                f"{r['programa_mib']:>9.1f} {r['piso_mib']:>9.1f}")
        print(fila)
    por_unidad(resultado["trabajos"], unidades)
    for trabajo, motivo in omitidos.items():
        print(f"{NOMBRES.get(trabajo, trabajo):<26} omitido: {motivo}")
    print()
    print(f"Máquina: {resultado['maquina']}")
    with open(a.salida, "w", encoding="utf-8") as f:
        json.dump(resultado, f, ensure_ascii=False, indent=2)
        f.write("\n")
    print(f"Resultados en {a.salida}")


if __name__ == "__main__":
    main()
