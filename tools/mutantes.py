#!/usr/bin/env python3
"""Mutation testing of VESPERA's own code.

Changes one operator, constant or statement of src/ at a time, rebuilds,
runs the test suite and reports which changes the tests catch (killed) and
which they miss (survived). It works in a scratch copy of the repository, so
the working tree is never touched.

    python3 tools/mutantes.py --muestra 100 --semilla 7 [--sin-referencias]
    python3 tools/mutantes.py --vivos informe.txt [--sin-referencias]

With --vivos, the mutants tried are the survivors an earlier report lists
("vivo: src/...:line  change"), to see which the tests written since kill.
With --matriz FILE every test runs on every mutant and FILE receives, for
each mutant, the tests that failed: which tests kill what nothing else does.
With --sin-referencias the reference pictures and approved texts are left
out, so that only the assertions can kill: what the suite catches on a
machine where the pictures cannot be compared. The result is given per
folder of src/.

A mutant that does not compile is not counted. Survivors are listed with
their file, line and change, to be read: some change nothing a user could
see (equivalent mutants), the others are gaps in the tests.

The copy is the committed HEAD of this repository, brought up to date at
every run.
"""

import argparse
import json
import pathlib
import random
import re
import shutil
import subprocess
import sys
import time

RAIZ = pathlib.Path(__file__).resolve().parent.parent

# (pattern, replacement, kind): applied to one occurrence on one line.
OPERADORES = [
    (r"<=", "<", "relación"), (r"(?<![<-])<(?![<=])", "<=", "relación"),
    (r">=", ">", "relación"), (r"(?<![->])>(?![>=])", ">=", "relación"),
    (r"==", "!=", "relación"), (r"!=", "==", "relación"),
    (r"&&", "||", "lógica"), (r"\|\|", "&&", "lógica"),
    (r" \+ ", " - ", "aritmética"), (r" - ", " + ", "aritmética"),
    (r" \* ", " / ", "aritmética"), (r" / ", " * ", "aritmética"),
]
# Numbers, not digits of a character literal such as '0'.
CONSTANTE = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
# A statement that can be dropped: a call or an assignment ending its line.
SENTENCIA = re.compile(r"^\s+(?!return\b|const\b|auto\b|int\b|double\b|float\b|bool\b|case\b|default\b|break\b)"
                       r"[\w.:\[\]>()*&-]+(\(.*\)|\s*[-+*/]?=\s*.+);\s*$")


def lineas_utiles(texto):
    """Line numbers and lines worth mutating: code, not comments, includes or asserts."""
    for n, linea in enumerate(texto.split("\n")):
        limpia = linea.strip()
        if not limpia or limpia.startswith(("//", "#", "*", "static_assert")):
            continue
        if '"' in limpia:  # strings and their operators stay as they are
            continue
        yield n, linea


def mutantes(fuentes):
    """Every (file, line, new line, description) the operators allow."""
    for f in fuentes:
        texto = f.read_text(encoding="utf-8")
        for n, linea in lineas_utiles(texto):
            codigo = linea.split("//")[0]
            for patron, nuevo, tipo in OPERADORES:
                for m in re.finditer(patron, codigo):
                    yield f, n, linea[:m.start()] + nuevo + linea[m.end():], f"{tipo}: «{m.group(0).strip()}» → «{nuevo.strip()}»"
            for m in CONSTANTE.finditer(codigo):
                texto = m.group(1)
                # An octal literal (07777) stays octal.
                nuevo = "0" + format(int(texto, 8) + 1, "o") if len(texto) > 1 and texto[0] == "0" else str(int(texto) + 1)
                yield f, n, linea[:m.start()] + nuevo + linea[m.end():], f"constante: {texto} → {nuevo}"
            if SENTENCIA.match(codigo):
                yield f, n, "", "sentencia suprimida: " + linea.strip()


def ejecuta(orden, carpeta, limite):
    try:
        return subprocess.run(orden, cwd=carpeta, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=limite).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--muestra", type=int, default=100, help="mutants to try (default 100)")
    p.add_argument("--semilla", type=int, default=1, help="seed of the sample")
    p.add_argument("--carpetas", default="core,time,catalog,sky,config,programa,raster,impresion,ui",
                   help="folders of src/ to mutate")
    p.add_argument("--copia", default="/tmp/vespera-mutantes", help="scratch copy of the repository")
    p.add_argument("--vivos", help="an earlier report: try again the survivors it lists")
    p.add_argument("--matriz", help="run every test on every mutant and write here the tests each one failed")
    p.add_argument("--sin-referencias", action="store_true",
                   help="leave out the reference pictures and texts: kills by assertions alone")
    args = p.parse_args()

    copia = pathlib.Path(args.copia)
    if not (copia / ".git").exists():
        shutil.rmtree(copia, ignore_errors=True)
        subprocess.run(["git", "clone", "-q", str(RAIZ), str(copia)], check=True)
    subprocess.run(["git", "-C", str(copia), "fetch", "-q", str(RAIZ), "HEAD"], check=True)
    subprocess.run(["git", "-C", str(copia), "reset", "-q", "--hard", "FETCH_HEAD"], check=True)
    construye = ["cmake", "--build", "build", "-j2"]
    if not (copia / "build" / "CMakeCache.txt").exists():
        # Without debug information, links are quicker; with ccache, a file
        # put back after its mutant is not compiled again.
        opciones = ["-DCMAKE_BUILD_TYPE=Release", "-DVESPERA_BENCHMARKS=OFF"]
        if shutil.which("ccache"):
            opciones.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        subprocess.run(["cmake", "-S", ".", "-B", "build"] + opciones, cwd=copia, check=True,
                       stdout=subprocess.DEVNULL)
    if ejecuta(construye, copia, 3600) != 0 or ejecuta(["ctest", "--test-dir", "build", "-j2"], copia, 3600) != 0:
        sys.exit("la copia sin mutar no construye o no pasa sus pruebas")

    pruebas = ["ctest", "--test-dir", "build", "-j2", "--timeout", "120"]
    if not args.matriz:
        pruebas.append("--stop-on-failure")
    matriz = []
    if args.sin_referencias:
        pruebas += ["-E", "^Referencias\\."]
    fuentes = sorted(f for c in args.carpetas.split(",") for f in (copia / "src" / c).rglob("*.cpp"))
    todos = list(mutantes(fuentes))
    random.Random(args.semilla).shuffle(todos)
    if args.vivos:
        listados = re.findall(r"vivo: (\S+):(\d+)  (.+)", pathlib.Path(args.vivos).read_text(encoding="utf-8"))
        por_sitio = {(str(f.relative_to(copia)), n + 1, d): (f, n, nueva, d) for f, n, nueva, d in todos}
        todos = [por_sitio[(f, int(n), d)] for f, n, d in listados if (f, int(n), d) in por_sitio]
        if len(todos) < len(listados):
            print(f"{len(listados) - len(todos)} de los listados ya no están en el código")
        args.muestra = len(todos)
    muertos, vivos, sin_compilar = 0, [], 0
    por_carpeta = {}  # folder: [killed, tried]
    inicio = time.time()
    for f, n, nueva, descripcion in todos:
        if muertos + len(vivos) >= args.muestra:
            break
        empieza = time.time()
        original = f.read_text(encoding="utf-8")
        lineas = original.split("\n")
        lineas[n] = nueva
        f.write_text("\n".join(lineas), encoding="utf-8")
        try:
            if ejecuta(construye, copia, 1800) != 0:
                sin_compilar += 1
                continue
            sitio = f"{f.relative_to(copia)}:{n + 1}"
            cuenta = por_carpeta.setdefault(f.relative_to(copia / "src").parts[0], [0, 0])
            cuenta[1] += 1
            fallo = ejecuta(pruebas, copia, 3600) != 0
            if args.matriz:
                registro = copia / "build" / "Testing" / "Temporary" / "LastTestsFailed.log"
                fallidas = [l.split(":", 1)[1] for l in registro.read_text().split()] if fallo and registro.exists() else []
                matriz.append({"sitio": sitio, "cambio": descripcion, "fallan": fallidas})
                pathlib.Path(args.matriz).write_text(json.dumps(matriz, ensure_ascii=False, indent=0))
            if fallo:
                muertos += 1
                cuenta[0] += 1
            else:
                vivos.append(f"{sitio}  {descripcion}")
            print(f"[{muertos + len(vivos)}/{args.muestra}] {'vivo  ' if vivos and vivos[-1].startswith(sitio) else 'muerto'}"
                  f" {sitio} {descripcion}  ({time.time() - empieza:.0f} s)", flush=True)
        finally:
            f.write_text(original, encoding="utf-8")
    probados = muertos + len(vivos)
    print(f"\n{probados} mutantes probados en {time.time() - inicio:.0f} s ({sin_compilar} no compilaban):"
          f" {muertos} muertos, {len(vivos)} vivos, {100 * muertos / max(probados, 1):.0f} % muertos"
          + (" por las aserciones solas" if args.sin_referencias else ""))
    for carpeta, (m, t) in sorted(por_carpeta.items()):
        print(f"  {carpeta:10} {m:3} de {t:3} muertos")
    for v in vivos:
        print("  vivo:", v)


if __name__ == "__main__":
    main()
