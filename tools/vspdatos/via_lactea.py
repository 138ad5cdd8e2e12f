"""Builds VSPDATD.DAT, the outline of the Milky Way: 900 points of 12 bytes
(direction cosines x, y, z as singles, J2000).

The points form three closed polylines, drawn one after the other: points
0-292, 293-860 and 861-899; the last point of each repeats its first. They
are resampled from the outer contour of d3-celestial's mw.json (ol1, the
faintest isophote), whose first polygon has two rings that go all round the
sky, the northern and the southern edge of the band, and smaller rings for
the dark lanes inside it. We take its three longest rings:

- points 0-292: the southern edge (the second longest ring);
- points 293-860: the northern edge, with the notch of the Great Rift (the
  longest ring, which therefore gets the most points);
- points 861-899: the dark Cygnus Rift between Cygnus and Vulpecula
  (galactic longitude 57-75 degrees), the longest of the dark lanes and one
  seen well from northern latitudes.

Each ring is resampled at equal steps of arc length on the sphere, starting
at its first point in the source.
"""

import math
import os

from . import fuentes
from .registros import cosenos, escribe

ARCHIVO = "VSPDATD.DAT"
LONGITUD_REGISTRO = 12

# Points of each outline, in file order, and which ring (by rank of length,
# 0 = longest) each one follows.
CONTORNOS = ((293, 1), (568, 0), (39, 2))


def vector(lon, lat):
    a, b = math.radians(lon), math.radians(lat)
    return (math.cos(b) * math.cos(a), math.cos(b) * math.sin(a), math.sin(b))


def angulo(u, v):
    """Angle between two unit vectors, accurate also for tiny angles."""
    cruz = (u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0])
    return math.atan2(math.sqrt(sum(c * c for c in cruz)), sum(p * q for p, q in zip(u, v)))


def interpola(u, v, f):
    """The point at fraction f of the great-circle arc from u to v."""
    w = angulo(u, v)
    if w < 1e-12:
        return u
    a, b = math.sin((1 - f) * w) / math.sin(w), math.sin(f * w) / math.sin(w)
    return tuple(a * p + b * q for p, q in zip(u, v))


def perimetro(puntos):
    return sum(angulo(puntos[i], puntos[i + 1]) for i in range(len(puntos) - 1))


def remuestrea(puntos, n):
    """n points at equal arc-length steps along the closed ring `puntos`
    (whose last point repeats the first); the n-th point is the first again."""
    total = perimetro(puntos)
    salida = []
    i, recorrido = 0, 0.0  # segment i starts at arc length `recorrido`
    for k in range(n - 1):
        s = total * k / (n - 1)
        while True:
            tramo = angulo(puntos[i], puntos[i + 1])
            if recorrido + tramo >= s or i == len(puntos) - 2:
                break
            recorrido += tramo
            i += 1
        f = (s - recorrido) / tramo if tramo > 0 else 0.0
        salida.append(interpola(puntos[i], puntos[i + 1], min(max(f, 0.0), 1.0)))
    salida.append(salida[0])
    return salida


def ar_dec(v):
    """Right ascension 0..360 and declination, degrees."""
    ar = math.degrees(math.atan2(v[1], v[0])) % 360.0
    return ar, math.degrees(math.asin(max(-1.0, min(1.0, v[2]))))


def anillos_por_longitud(datos):
    """The rings of the outer contour's first polygon, as unit vectors,
    from the longest to the shortest."""
    contornos = fuentes.lee_json(datos, "mw.json")["features"]
    exterior = next(c for c in contornos if c["id"] == "ol1")
    anillos = [[vector(lon, lat) for lon, lat in anillo]
               for anillo in exterior["geometry"]["coordinates"][0]]
    for a in anillos:
        if a[0] != a[-1]:
            a.append(a[0])  # close it
    return sorted(anillos, key=perimetro, reverse=True)


def construye(datos, salida):
    anillos = anillos_por_longitud(datos)
    registros = []
    for puntos, rango in CONTORNOS:
        for v in remuestrea(anillos[rango], puntos):
            registros.append(cosenos(*ar_dec(v)))
    escribe(os.path.join(salida, ARCHIVO), registros, LONGITUD_REGISTRO)
