#!/usr/bin/env python3
"""Builds VESPERA's eleven catalogue files and the cities' time zones in data/ from public catalogues.

    python3 tools/construye_catalogos.py [--cache DIR] [--salida DIR]

The sources are fetched once into the cache folder (default build/fuentes);
the output is the same bytes on every run."""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from vspdatos import fuentes  # noqa: E402
from vspdatos import constelaciones, cuerpos, estrellas, localidades, profundo, via_lactea, zonas  # noqa: E402

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--cache", default=os.path.join(RAIZ, "build", "fuentes"))
    p.add_argument("--salida", default=os.path.join(RAIZ, "data"))
    args = p.parse_args()

    datos = fuentes.carpeta_datos(args.cache)
    os.makedirs(args.salida, exist_ok=True)
    localidades.construye(os.path.join(RAIZ, "data", "fuentes"), args.salida)
    zonas.construye(os.path.join(RAIZ, "data", "fuentes"), args.cache, args.salida)
    cuerpos.construye(args.salida)
    profundo.construye(datos, args.salida)
    constelaciones.construye(datos, args.salida)
    estrellas.construye(datos, args.salida)
    via_lactea.construye(datos, args.salida)


if __name__ == "__main__":
    main()
