#!/usr/bin/env python3
"""Draws the world map of the location dialog, data/mapa/mundo.png (360 × 146)
and mundo@2x.png (720 × 292, for high-DPI screens), from the Natural Earth
land polygons of the npm package world-atlas 2.0.2 (land-50m.json).

    python3 tools/mapa_mundo.py [--cache DIR] [--salida DIR]

Plate carrée from 85° N to 61° S: pixel column i of mundo.png covers
longitudes −180 + i to −179 + i, row j latitudes 85 − j to 84 − j (half a
degree per pixel in the @2x image). The package is fetched once with
`npm pack` into the cache folder (default build/fuentes); the output is the
same bytes on every run."""

import argparse
import json
import math
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from vspdatos import fuentes  # noqa: E402

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

PAQUETE = "world-atlas@2.0.2"
TARBALL = "world-atlas-2.0.2.tgz"
# Integrity of the published tarball, so that a rebuild reads the same bytes.
SHA256 = "032e7765f2ce00edaeafec23ff22bc3b77e42987c257da944cc585b452c05b97"

NORTE, SUR = 85, -61
MUESTRAS = 16  # sample rows per pixel row; across a row coverage is exact

MAR = (52, 94, 140)
RETICULA = (64, 106, 152)  # the 30° graticule, over the sea only
COSTA = (180, 168, 128)    # the outermost land pixels
TIERRA = (222, 214, 178)


def lee_tierras(cache):
    """land-50m.json of the package, fetching and checking it when missing."""
    carpeta = fuentes.paquete_npm(cache, PAQUETE, TARBALL, SHA256, "world-atlas")
    with open(os.path.join(carpeta, "package", "land-50m.json"), encoding="utf-8") as f:
        return json.load(f)


def anillos(topo):
    """Every ring of the land object as a list of (longitude, latitude)."""
    (ex, ey), (tx, ty) = topo["transform"]["scale"], topo["transform"]["translate"]
    arcos = []
    for arco in topo["arcs"]:
        x = y = 0
        puntos = []
        for dx, dy in arco:  # delta-encoded quantized positions
            x += dx
            y += dy
            puntos.append((x * ex + tx, y * ey + ty))
        arcos.append(puntos)

    def anillo(indices):
        puntos = []
        for i in indices:
            arco = arcos[i] if i >= 0 else arcos[~i][::-1]
            # Consecutive arcs share their joining point.
            puntos.extend(arco[1:] if puntos else arco)
        return puntos

    resultado = []
    for geometria in topo["objects"]["land"]["geometries"]:
        poligonos = geometria["arcs"]
        if geometria["type"] == "Polygon":
            poligonos = [poligonos]
        for poligono in poligonos:
            resultado.extend(anillo(r) for r in poligono)
    return resultado


def planos(anillo):
    """The ring as plane polygons covering its part of −180..180.

    The rings are spherical: an edge between 179.9 and −180 crosses the
    antimeridian, not the whole map. Unwrapping the longitudes makes each
    ring continuous; a ring that then ends 360° away from its start winds
    round a pole (Antarctica's two rings) and is closed along that pole's
    latitude. Copies shifted by 360° bring in what lies beyond ±180."""
    x0, y0 = anillo[0]
    puntos = [(x0, y0)]
    for x, y in anillo[1:]:
        anterior = puntos[-1][0]
        x += 360 * round((anterior - x) / 360)
        puntos.append((x, y))
    vuelta = puntos[-1][0] - x0
    if abs(vuelta) > 180:
        polo = -90 if sum(y for _, y in puntos) < 0 else 90
        puntos += [(puntos[-1][0], polo), (x0, polo)]
    menor, mayor = min(x for x, _ in puntos), max(x for x, _ in puntos)
    return [[(x + d, y) for x, y in puntos]
            for d in (-360, 0, 360) if menor + d < 180 and mayor + d > -180]


def cobertura(poligonos, escala):
    """Fraction of each pixel covered by land (even-odd rule): the crossings
    of MUESTRAS sample rows per pixel row, each span of land added exactly
    along its row."""
    ancho, alto = 360 * escala, (NORTE - SUR) * escala
    filas = alto * MUESTRAS
    cortes = [[] for _ in range(filas)]
    for poligono in poligonos:
        puntos = [((x + 180) * escala, (NORTE - y) * escala * MUESTRAS) for x, y in poligono]
        for (xa, ya), (xb, yb) in zip(puntos, puntos[1:] + puntos[:1]):
            if ya == yb:
                continue
            # Sample row r lies at r + 0.5. Half-open ranges, so that a vertex
            # two edges share is crossed once.
            desde = max(0, math.ceil(min(ya, yb) - 0.5))
            hasta = min(filas, math.ceil(max(ya, yb) - 0.5))
            pendiente = (xb - xa) / (yb - ya)
            for r in range(desde, hasta):
                cortes[r].append(xa + (r + 0.5 - ya) * pendiente)

    resultado = []
    for j in range(alto):
        fila = [0.0] * ancho
        tramos = [0] * (ancho + 1)  # difference array of whole covered pixels
        for r in range(j * MUESTRAS, (j + 1) * MUESTRAS):
            xs = sorted(cortes[r])
            for a, b in zip(xs[0::2], xs[1::2]):
                a, b = max(a, 0.0), min(b, float(ancho))
                if a >= b:
                    continue
                i, k = int(a), int(b)
                if i == k:
                    fila[i] += b - a
                    continue
                fila[i] += i + 1 - a
                tramos[i + 1] += 1
                tramos[k] -= 1
                if k < ancho:
                    fila[k] += b - k
        llenos = 0
        for i in range(ancho):
            llenos += tramos[i]
            fila[i] = (fila[i] + llenos) / MUESTRAS
        resultado.append(fila)
    return resultado


def pinta(fracciones, escala):
    """Rows of RGB bytes. The square root of the coverage lifts the pixels a
    small island only partly covers, so that the Canaries or the Azores still
    show at one pixel per degree; coasts move out by a fraction of a pixel."""
    c = [[min(1.0, v) ** 0.5 for v in fila] for fila in fracciones]
    alto, ancho = len(c), len(c[0])
    paso = 30 * escala

    def costa(j, i):  # the map wraps round at ±180°
        return c[j][i] >= 0.5 and any(c[v][u % ancho] < 0.5 for v, u in
                                      ((j - 1, i), (j + 1, i), (j, i - 1), (j, i + 1))
                                      if 0 <= v < alto)

    filas = []
    for j in range(alto):
        fila = bytearray()
        # Parallels and meridians lie on the top and left edges of their
        # pixels, as the dialog's cross does; none is drawn on the border.
        paralelo = j % paso == NORTE % 30 * escala and j < alto - escala
        for i in range(ancho):
            mar = RETICULA if paralelo or (i % paso == 0 and i > 0) else MAR
            tierra = COSTA if costa(j, i) else TIERRA
            fila += bytes(round(p + (q - p) * c[j][i]) for p, q in zip(mar, tierra))
        filas.append(bytes(fila))
    return filas


def escribe_png(ruta, filas):
    """RGB 8-bit PNG; `filas` are bytes of 3 × width each."""
    def trozo(tipo, datos):
        return (struct.pack(">I", len(datos)) + tipo + datos
                + struct.pack(">I", zlib.crc32(tipo + datos)))

    alto, ancho = len(filas), len(filas[0]) // 3
    crudo = b"".join(b"\0" + f for f in filas)
    with open(ruta, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n"
                + trozo(b"IHDR", struct.pack(">IIBBBBB", ancho, alto, 8, 2, 0, 0, 0))
                + trozo(b"IDAT", zlib.compress(crudo, 9))
                + trozo(b"IEND", b""))


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--cache", default=os.path.join(RAIZ, "build", "fuentes"))
    p.add_argument("--salida", default=os.path.join(RAIZ, "data", "mapa"))
    args = p.parse_args()

    poligonos = [q for a in anillos(lee_tierras(args.cache)) for q in planos(a)]
    os.makedirs(args.salida, exist_ok=True)
    for escala, nombre in ((1, "mundo.png"), (2, "mundo@2x.png")):
        filas = pinta(cobertura(poligonos, escala), escala)
        escribe_png(os.path.join(args.salida, nombre), filas)


if __name__ == "__main__":
    main()
